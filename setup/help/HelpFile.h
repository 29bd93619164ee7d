#pragma once

#include <QString>

// Where the settings program's help is and whether it can be shown, decided without a window.
namespace HelpFile {

enum class Outcome {
    NotConfigured, // the program was built without a help file name
    CannotOpen,    // the contents page is missing, unreadable, a folder or empty
    Show,          // the contents page can be shown
};

struct Request {
    Outcome outcome = Outcome::NotConfigured;
    QString path;  // absolute path of the contents page; empty when not configured
    QString error; // why it cannot be opened, for CannotOpen
};

// The contents page `fileName` in `helpDir` (relative to `programDir` unless absolute), checked
// by opening it; the page of `language` ("ja-index.html" for "ja") where there is one. A blank
// `fileName` means no help is configured.
Request locate(const QString& programDir, const QString& helpDir, const QString& fileName,
               const QString& language = {});

// The same for this program as built: its own folder, the installed help folder beside it, the
// help file name of the build's settings (or `page` of the same folder) and the language of the
// windows.
Request locateConfigured(const QString& page = {});

// The page, with the anchor of its section, that tells of the settings window's control of that
// objectName ("setup.html#slots" for "optClock_2"); empty for a control no section is about.
QString topicOf(const QString& objectName);

// The description shown when the page cannot be opened: which file, and why.
QString errorText(const Request& request);

} // namespace HelpFile
