#include "platform/HostSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

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

std::optional<QString> openRegularFile(QFile& file, const QString& path)
{
    const auto notRegular = [] {
        return QCoreApplication::translate("HostSystem", "not a regular file");
    };
    // The type first, so that a device is never opened at all; then a non-blocking open and the
    // type of what was opened, since a FIFO may have taken the file's place in between.
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return qt_error_string(errno);
    if (S_ISDIR(st.st_mode))
        return qt_error_string(EISDIR);
    if (!S_ISREG(st.st_mode))
        return notRegular();
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return notRegular();
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file.errorString();
    }
    return std::nullopt;
}

QString syncToDisk(QFileDevice& file)
{
    if (::fsync(file.handle()) == 0)
        return {};
    return QString::fromStdString(std::generic_category().message(errno));
}

void syncFolder(const QString& folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool processIsGone(qint64 pid)
{
    return pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno == ESRCH);
}

QString executableName(const QString& base)
{
    return base;
}

} // namespace HostSystem
