#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

// The help's own folder, and what the help window may show of it: regular files inside it, read
// up to a size limit. Links and symbolic links that lead elsewhere (file:///etc/passwd), FIFOs
// and devices that would block the window for good, and pages too large to hold are refused.
class HelpFolder {
public:
    // A page or picture larger than this is not read.
    static constexpr qint64 kFileLimit = 4 * 1024 * 1024;

    enum class Target {
        Here,    // a page or picture of the help folder
        Browser, // a web address, for the desktop's browser
        Nowhere, // anything else
    };

    struct Content {
        QByteArray data;
        std::optional<QString> refusal; // why the file is not shown; nothing when it is read
    };

    HelpFolder() = default;
    explicit HelpFolder(const QString& folder);

    // Where a link to `url` (absolute) opens.
    Target targetOf(const QUrl& url) const;

    // The whole file at `url` when it may be shown.
    Content read(const QUrl& url) const;

private:
    // The file's path with every symbolic link resolved, when it is in the folder.
    std::optional<QString> insidePath(const QUrl& url) const;

    QString m_folder; // with symbolic links resolved; empty when there is none
};
