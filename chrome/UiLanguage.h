#pragma once

#include <QLocale>
#include <QString>

// The language of the windows' texts. The texts are written in English in the code; every other
// language comes from a translation embedded in the programs, complete or not offered at all.
namespace UiLanguage {

// Installs the suite's translation for the first of `locale`'s languages that the suite has,
// with Qt's own for its standard dialogs, in place of any installed before. A language without
// a translation gets the English of the code. Texts already shown keep their language: call
// this before making windows.
void install(const QLocale& locale);

// The language installed, as a code such as "ja"; "en" when none is.
QString current();

} // namespace UiLanguage
