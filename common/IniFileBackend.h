#pragma once

#include "IniDocument.h"
#include "StoreBackend.h"
#include "platform/HostSystem.h"

#include <QString>

// The settings as one INI file shared by all programs of the suite.
//
// Reads are served from memory while the file on disk is unchanged; a change by another
// program is noticed by comparing the file's identity (inode, size, modification time in
// nanoseconds), so a clock that polls ten times a second costs one stat() per poll.
// Writes take a lock file, re-read the file under the lock so that a concurrent writer's keys
// survive, and replace the file atomically: a writer killed half-way leaves the old file whole.
// A write of the value already stored does not touch the file at all.
class IniFileBackend final : public StoreBackend {
public:
    explicit IniFileBackend(QString filePath);

    std::optional<QString> read(QStringView section, QStringView key) override;
    bool write(QStringView section, QStringView key, const QString& value) override;
    // One lock, one read and one atomic replace for all the keys.
    bool writeAll(std::span<const StoreEntry> entries) override;

    QString filePath() const override { return m_path; }

    // What tells one version of the file from another without reading it.
    using FileStamp = HostSystem::FileStamp;
    static FileStamp stampOf(const QString& path);

private:
    void refresh();
    IniDocument readFromDisk(FileStamp& stamp) const;

    QString m_path;
    FileStamp m_stamp;
    IniDocument m_doc;
    bool m_loaded = false;
};
