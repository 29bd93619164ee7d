#include "platform/HostSystem.h"

#include "platform/RegistryBackend.h"

#include <QDateTime>
#include <QFileInfo>

namespace HostSystem {

FileStamp fileStamp(const QString& path)
{
    FileStamp s;
    const QFileInfo info(path);
    if (!info.exists())
        return s;
    constexpr qint64 kNsPerMs = 1'000'000;
    s.exists = true;
    s.size = info.size();
    s.modifiedNs = info.lastModified().toMSecsSinceEpoch() * kNsPerMs;
    s.inode = quint64(info.metadataChangeTime().toMSecsSinceEpoch());
    return s;
}

bool processIsGone(qint64)
{
    return false; // QLockFile itself finds dead holders there
}

std::unique_ptr<StoreBackend> userStoreBackend(const QString& application)
{
    return std::make_unique<RegistryBackend>(application);
}

QString executableName(const QString& base)
{
    return base + QStringLiteral(".exe");
}

} // namespace HostSystem
