#include "platform/HostSystem.h"

#include "IniFileBackend.h"
#include "SettingsStore.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>

namespace HostSystem {

FileStamp fileStamp(const QString& path)
{
    FileStamp s;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    constexpr qint64 kNsPerSecond = 1'000'000'000;
    s.exists = true;
    s.size = st.st_size;
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * kNsPerSecond + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    return s;
}

bool processIsGone(qint64 pid)
{
    return pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno == ESRCH);
}

std::unique_ptr<StoreBackend> userStoreBackend(const QString& application)
{
    return std::make_unique<IniFileBackend>(SettingsStore::userStoreFile(application));
}

QString executableName(const QString& base)
{
    return base;
}

} // namespace HostSystem
