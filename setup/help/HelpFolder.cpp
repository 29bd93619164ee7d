#include "HelpFolder.h"

#include "platform/HostSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

HelpFolder::HelpFolder(const QString& folder) : m_folder(QDir(folder).canonicalPath()) {}

HelpFolder::Target HelpFolder::targetOf(const QUrl& url) const
{
    const QString scheme = url.scheme().toLower();
    if (scheme == u"http" || scheme == u"https")
        return Target::Browser;
    return insidePath(url) ? Target::Here : Target::Nowhere;
}

std::optional<QString> HelpFolder::insidePath(const QUrl& url) const
{
    if (m_folder.isEmpty() || !url.isLocalFile())
        return std::nullopt;
    // Resolved, so that neither ".." nor a symbolic link leads out of the folder.
    const QString path = QFileInfo(url.toLocalFile()).canonicalFilePath();
    if (!path.startsWith(m_folder + u'/'))
        return std::nullopt;
    return path;
}

HelpFolder::Content HelpFolder::read(const QUrl& url) const
{
    const std::optional<QString> path = insidePath(url);
    if (!path)
        return {{}, QCoreApplication::translate("HelpFolder", "it is not in the help folder")};
    HostSystem::FileBytes read = HostSystem::readRegularFile(*path, kFileLimit);
    if (read.tooLarge)
        return {{},
                QCoreApplication::translate("HelpFolder", "it is larger than %1 MB")
                    .arg(kFileLimit / (1024 * 1024))};
    // A read error refuses the page rather than showing it cut short.
    if (!read.ok())
        return {{}, std::move(read.unreadable)};
    return {std::move(read.bytes), std::nullopt};
}
