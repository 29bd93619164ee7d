#pragma once

#include "HelpFile.h"

class QWidget;

// The settings program's Help button.
namespace HelpViewer {

// The message shown when the program was built without a help file.
inline constexpr char16_t kNoHelpText[] =
    u"ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。";

// Shows the help's contents page in the help window of `window`, or says in a message box why it
// cannot. `window` stays open either way.
void showContents(QWidget* window);

// The same for an already located help file.
void showContents(QWidget* window, const HelpFile::Request& request);

} // namespace HelpViewer
