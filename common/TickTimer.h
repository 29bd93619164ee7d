#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class Clock;
class StoreWatcher;

// The clock displays' one timer. The displays show minutes, so it wakes them only when what
// they show can change: at the wall clock's next whole minute, when the display's own next step
// is due (the next place of a rotation), and at once when another program writes the store.
// It never sleeps longer than a second, so a wall clock that is set, or a machine back from
// sleep, shows within one. Where the store cannot be watched, or the display has to ask
// (following a window the window system does not tell about), it ticks every 100 ms.
class TickTimer final : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 100;
    static constexpr int kLongestSleepMs = 1000;

    // `storeFile` empty: the store is no file that can be watched, and the timer polls.
    TickTimer(const Clock& clock, const QString& storeFile, QObject* parent = nullptr);
    ~TickTimer() override;

    // The display's next own change, on the clock's seconds counter; asked after every tick.
    // A moment already past asks for the next tick after the poll interval.
    void setNextDue(std::function<std::optional<double>()> nextDue);
    // The display asks the window system itself and must tick every 100 ms.
    void setPolling(bool polling);
    // Tests that must tell a tick of the store's watch from one of the timer sleep longer.
    void setLongestSleep(int ms) { m_longestSleepMs = ms; }
    bool isWatchingStore() const;

    void start();
    void stop();
    bool isActive() const { return m_running; }
    int remainingMs() const { return m_timer.remainingTime(); }

    // How long to sleep from `utcNow` (the wall clock) and `secondsNow` (the seconds counter):
    // 1 ms past the next whole minute, or past `due`, never longer than kLongestSleepMs; the
    // poll interval when polling.
    static int delayMs(const QDateTime& utcNow, double secondsNow, std::optional<double> due,
                       bool polling, int longestSleepMs = kLongestSleepMs);

signals:
    void tick();

private:
    void fire();
    void schedule();

    const Clock& m_clock;
    QTimer m_timer;
    std::unique_ptr<StoreWatcher> m_watcher;
    std::function<std::optional<double>()> m_nextDue;
    bool m_polling = false;
    bool m_running = false;
    int m_longestSleepMs = kLongestSleepMs;
};
