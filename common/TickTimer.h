#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class Clock;
class StoreWatcher;
class WallClockWatch;

// The clock displays' one timer. The displays show minutes, so it wakes them only when what
// they show can change: at the wall clock's next whole minute, when the display's own next step
// is due (the next place of a rotation), at once when another program writes the store, and at
// once when the wall clock is set or the machine wakes from sleep. Where the system does not tell
// of a set wall clock, it never sleeps longer than a second, so that such a change shows within
// one. Where the store cannot be watched, or the display has to ask (following a window the
// window system does not tell about), it ticks every 100 ms.
class TickTimer final : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 100;
    static constexpr int kMinuteMs = 60'000;
    // The longest sleep where a set wall clock would go unnoticed.
    static constexpr int kBlindSleepMs = 1000;
    // Where a set wall clock wakes the timer, the next whole minute always comes first.
    static constexpr int kWatchedSleepMs = kMinuteMs + 1000;

    // `storeFile` empty: the store is no file that can be watched, and the timer polls.
    // `longestSleepMs`, when given, replaces the longest sleep between ticks that the watches
    // allow (tests use it to tell a tick of a watch from one of the timer). The sleep itself is
    // the child QTimer named "tickSleep".
    TickTimer(const Clock& clock, const QString& storeFile,
              std::optional<int> longestSleepMs = std::nullopt, QObject* parent = nullptr);
    ~TickTimer() override;

    // The display's next own change, on the clock's seconds counter; asked after every tick.
    // A moment already past asks for the next tick after the poll interval.
    void setNextDue(std::function<std::optional<double>()> nextDue);
    // The display asks the window system itself and must tick every 100 ms.
    void setPolling(bool polling);
    bool isWatchingStore() const;
    bool isWatchingWallClock() const;

    void start();
    void stop();

    // How long to sleep from `utcNow` (the wall clock) and `secondsNow` (the seconds counter):
    // 1 ms past the next whole minute, or past `due`, never longer than `longestSleepMs`; the
    // poll interval when polling.
    static int delayMs(const QDateTime& utcNow, double secondsNow, std::optional<double> due,
                       bool polling, int longestSleepMs);

signals:
    void tick();

private:
    // A watch saw a change: tick now, unless stopped.
    void wake();
    void fire();
    void schedule();

    const Clock& m_clock;
    QTimer m_timer;
    std::unique_ptr<StoreWatcher> m_watcher;
    std::unique_ptr<WallClockWatch> m_wallClock;
    std::function<std::optional<double>()> m_nextDue;
    bool m_polling = false;
    bool m_running = false;
    const std::optional<int> m_longestSleepMs;
};
