#include "WallClockWatch.h"

#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace {

// Far enough ahead never to expire while the program runs.
constexpr time_t kFarAheadSeconds = time_t(10) * 365 * 24 * 3600;

// A timer on the wall clock far in the future that the kernel cancels whenever the wall clock
// is set, waking from sleep included.
bool arm(int fd)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    itimerspec timer{};
    timer.it_value.tv_sec = now.tv_sec + kFarAheadSeconds;
    return timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &timer, nullptr) == 0;
}

} // namespace

struct WallClockWatch::Watch {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;

    ~Watch()
    {
        notifier.reset();
        if (fd >= 0)
            close(fd);
    }
};

WallClockWatch::WallClockWatch(QObject* parent)
    : QObject(parent), m_watch(std::make_unique<Watch>())
{
    m_watch->fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_watch->fd < 0 || !arm(m_watch->fd))
        return;
    m_watch->notifier = std::make_unique<QSocketNotifier>(m_watch->fd, QSocketNotifier::Read);
    connect(m_watch->notifier.get(), &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        // ECANCELED tells of a set clock; an expiry (ten years on) is read off the same way.
        if (read(m_watch->fd, &expirations, sizeof expirations) < 0 && errno == EAGAIN)
            return;
        if (!arm(m_watch->fd))
            m_watch->notifier->setEnabled(false);
        emit wallClockSet();
    });
}

WallClockWatch::~WallClockWatch() = default;

bool WallClockWatch::isWatching() const
{
    return m_watch->notifier && m_watch->notifier->isEnabled();
}
