#include "TickTimer.h"

#include "Clock.h"
#include "StoreWatcher.h"
#include "WallClockWatch.h"

#include <algorithm>
#include <cmath>

TickTimer::TickTimer(const Clock& clock, const QString& storeFile,
                     std::optional<int> longestSleepMs, QObject* parent)
    : QObject(parent), m_clock(clock), m_wallClock(std::make_unique<WallClockWatch>()),
      m_longestSleepMs(longestSleepMs)
{
    m_timer.setParent(this);
    m_timer.setObjectName(QStringLiteral("tickSleep"));
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % late: at a minute that is seconds of a stale clock.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TickTimer::fire);
    if (!storeFile.isEmpty()) {
        m_watcher = std::make_unique<StoreWatcher>(storeFile);
        connect(m_watcher.get(), &StoreWatcher::changed, this, &TickTimer::wake);
    }
    connect(m_wallClock.get(), &WallClockWatch::wallClockSet, this, &TickTimer::wake);
}

TickTimer::~TickTimer() = default;

void TickTimer::setNextDue(std::function<std::optional<double>()> nextDue)
{
    m_nextDue = std::move(nextDue);
}

void TickTimer::setPolling(bool polling)
{
    if (polling == m_polling)
        return;
    m_polling = polling;
    if (m_running)
        schedule();
}

bool TickTimer::isWatchingStore() const
{
    return m_watcher && m_watcher->isWatching();
}

bool TickTimer::isWatchingWallClock() const
{
    return m_wallClock->isWatching();
}

void TickTimer::start()
{
    m_running = true;
    schedule();
}

void TickTimer::stop()
{
    m_running = false;
    m_timer.stop();
}

void TickTimer::wake()
{
    if (m_running)
        fire();
}

void TickTimer::fire()
{
    emit tick();
    // The display may have stopped the timer from its tick (closing).
    if (m_running)
        schedule();
}

void TickTimer::schedule()
{
    const std::optional<double> due = m_nextDue ? m_nextDue() : std::nullopt;
    const int longest =
        m_longestSleepMs.value_or(isWatchingWallClock() ? kWatchedSleepMs : kBlindSleepMs);
    m_timer.start(delayMs(m_clock.utcNow(), m_clock.seconds(), due, m_polling || !isWatchingStore(),
                          longest));
}

int TickTimer::delayMs(const QDateTime& utcNow, double secondsNow, std::optional<double> due,
                       bool polling, int longestSleepMs)
{
    if (polling)
        return kPollMs;
    const qint64 intoMinute = ((utcNow.toMSecsSinceEpoch() % kMinuteMs) + kMinuteMs) % kMinuteMs;
    qint64 delay = std::min<qint64>(kMinuteMs - intoMinute + 1, longestSleepMs);
    if (due) {
        const double ahead = *due - secondsNow;
        delay = std::min<qint64>(delay, ahead <= 0 ? kPollMs : qint64(std::ceil(ahead * 1000)) + 1);
    }
    return int(std::max<qint64>(delay, 1));
}
