#include "StoreWatcher.h"

#include <QDir>
#include <QFileInfo>

StoreWatcher::StoreWatcher(QString filePath, QObject* parent)
    : QObject(parent), m_path(std::move(filePath)), m_stamp(IniFileBackend::stampOf(m_path))
{
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &StoreWatcher::onPathChanged);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &StoreWatcher::onPathChanged);
    rewatch();
}

bool StoreWatcher::isWatching() const
{
    return !m_watcher.directories().isEmpty();
}

void StoreWatcher::rewatch()
{
    // The folder of the file, or the nearest folder above it that exists, so that the folder's
    // creation is seen too, and the folder above that, so that the folder being renamed away and
    // another made in its place is seen: a watch follows the folder it was set on, not its name.
    QString folder = QFileInfo(m_path).absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString up = QFileInfo(folder).absolutePath();
        if (up == folder)
            break;
        folder = up;
    }
    const QString parent = QFileInfo(folder).absolutePath();
    const QStringList wanted = parent == folder ? QStringList{folder} : QStringList{folder, parent};

    // Folders further up that no longer lead to the file are dropped, and the folder's watch
    // is set anew when another folder now has its name.
    const quint64 folderInode = IniFileBackend::stampOf(folder).inode;
    const QStringList watchedFolders = m_watcher.directories();
    for (const QString& d : watchedFolders) {
        if (!wanted.contains(d) || (d == folder && folderInode != m_folderInode))
            m_watcher.removePath(d);
    }
    m_folderInode = folderInode;
    for (const QString& d : wanted) {
        if (!m_watcher.directories().contains(d))
            m_watcher.addPath(d);
    }

    // A watch on the file itself catches edits in place; renew it, since after a rename over
    // the file it still follows the old, replaced one.
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
}

void StoreWatcher::onPathChanged()
{
    rewatch();
    const IniFileBackend::FileStamp now = IniFileBackend::stampOf(m_path);
    if (now == m_stamp)
        return; // the lock file, a temporary file or another file of the folder
    m_stamp = now;
    emit changed();
}
