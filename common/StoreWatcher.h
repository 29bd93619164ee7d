#pragma once

#include "IniFileBackend.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

// Tells when the store file may have changed, so that a clock can look at the store when another
// program wrote it instead of polling on its timer. Writers replace the file by renaming a new one
// over it, which leaves a watch on the old file behind; the watcher therefore also watches the
// folder, watches the file anew after every change, and follows a folder or file that does not
// exist yet (watching the nearest folder above it that exists). It watches the folder above the
// store's folder too, so that a folder replaced by another of the same name is followed.
class StoreWatcher : public QObject {
    Q_OBJECT
public:
    explicit StoreWatcher(QString filePath, QObject* parent = nullptr);

    // False when the system gave no watch at all (no inotify, its limits reached): the caller
    // then has to keep polling the store.
    bool isWatching() const;

    const QString& filePath() const { return m_path; }

signals:
    // The file's identity, size or modification time differs from the last time it was seen.
    void changed();

private:
    void onPathChanged();
    void rewatch();

    QString m_path;
    QFileSystemWatcher m_watcher;
    IniFileBackend::FileStamp m_stamp;
    quint64 m_folderInode = 0; // of the folder watched, to tell when another took its name
};
