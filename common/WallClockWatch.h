#pragma once

#include <QObject>
#include <memory>

// Tells when the wall clock was set: by hand, by time synchronisation, or on waking from sleep.
// Timers count on a clock that such changes do not move, so a display that sleeps until the next
// whole minute needs to hear of them. One implementation per system, chosen when building; where
// the system cannot tell, isWatching() is false and the caller must not sleep long.
class WallClockWatch final : public QObject {
    Q_OBJECT
public:
    explicit WallClockWatch(QObject* parent = nullptr);
    ~WallClockWatch() override;

    bool isWatching() const;

signals:
    void wallClockSet();

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};
