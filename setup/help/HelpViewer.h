#pragma once

#include "HelpFile.h"

class QWidget;

// The settings program's Help button.
namespace HelpViewer {

// Shows the help's contents page in the help window of `window`, or says in a message box why it
// cannot. `window` stays open either way.
void showContents(QWidget* window);

// The same for an already located help file.
void showContents(QWidget* window, const HelpFile::Request& request);

// Shows the help at `topic` (a page of the help's folder and the anchor of a section, as
// HelpFile::topicOf gives it), with the contents page to go back to; the contents alone where
// the topic is empty or its page cannot be opened.
void showTopic(QWidget* window, const QString& topic);

} // namespace HelpViewer
