#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// The moment the list clock shows instead of the present while the user looks ahead or back.
// It stands still while it is looked at; stepping moves it, never further than a week from now,
// and it gives way to the present by itself when nobody has touched it for two minutes, so a
// forgotten look is never taken for the time.
class LookedAtInstant {
public:
    static constexpr qint64 kHourSecs = 3600;
    static constexpr qint64 kQuarterSecs = 15 * 60;
    static constexpr qint64 kBoundSecs = 7 * 24 * kHourSecs;
    static constexpr double kReturnSecs = 120;

    enum class Step { Hour, Quarter };

    bool isActive() const { return m_anchor.has_value(); }
    // The looked-at instant (UTC, whole minutes), or nothing while the present is shown.
    std::optional<QDateTime> at() const;

    // Moves by `notches` steps (negative: back) from the looked-at instant, or from the present
    // minute when there is none. Stepping a look that began at the present back to where it
    // began shows the present again.
    void step(int notches, Step size, const QDateTime& utcNow, double secondsNow);
    // Looks at an instant of the user's choosing (a typed time), kept within the bound.
    void lookAt(const QDateTime& utc, const QDateTime& utcNow, double secondsNow);
    void backToNow();
    // Back to the present once two minutes have passed without input; true when that happened.
    bool expire(double secondsNow);
    // When the look will give way by itself, on the clock's seconds counter.
    std::optional<double> returnDue() const;

    // How far an instant is from the present, to the minute: "+3:00", "−1 d 2:15", "+0:00".
    static QString distanceText(qint64 seconds);

private:
    void touch(double secondsNow) { m_lastInput = secondsNow; }

    // Where the look began: the present minute, or the typed instant.
    std::optional<QDateTime> m_anchor;
    bool m_fromNow = false;
    qint64 m_stepped = 0; // seconds stepped away from the anchor
    double m_lastInput = 0;
};
