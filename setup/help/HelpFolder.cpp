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
    QFile file;
    if (std::optional<QString> why = HostSystem::openRegularFile(file, *path))
        return {{}, std::move(why)};
    // A file that grew since its size was read is cut at the limit and refused all the same.
    Content content;
    if (file.size() <= kFileLimit)
        content.data = file.read(kFileLimit + 1);
    if (file.size() > kFileLimit || content.data.size() > kFileLimit) {
        content.data.clear();
        content.refusal = QCoreApplication::translate("HelpFolder", "it is larger than %1 MB")
                              .arg(kFileLimit / (1024 * 1024));
    }
    return content;
}
