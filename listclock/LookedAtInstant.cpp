#include "LookedAtInstant.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr qint64 kMinuteSecs = 60;
constexpr qint64 kDaySecs = 24 * LookedAtInstant::kHourSecs;

QDateTime presentMinute(const QDateTime& utcNow)
{
    const QDateTime utc = utcNow.toUTC();
    const QTime t = utc.time();
    return QDateTime(utc.date(), QTime(t.hour(), t.minute()), Qt::UTC);
}

} // namespace

std::optional<QDateTime> LookedAtInstant::at() const
{
    if (!m_anchor)
        return std::nullopt;
    return m_anchor->addSecs(m_stepped);
}

void LookedAtInstant::step(int notches, Step size, const QDateTime& utcNow, double secondsNow)
{
    if (notches == 0)
        return;
    const QDateTime now = presentMinute(utcNow);
    if (!m_anchor) {
        m_anchor = now;
        m_fromNow = true;
        m_stepped = 0;
    }
    const qint64 stepSecs = size == Step::Hour ? kHourSecs : kQuarterSecs;
    // The bound holds against the present, which moves on while the look stands still.
    const qint64 anchorFromNow = now.secsTo(*m_anchor);
    const qint64 fromNow =
        std::clamp(anchorFromNow + m_stepped + qint64(notches) * stepSecs, -kBoundSecs, kBoundSecs);
    m_stepped = fromNow - anchorFromNow;
    touch(secondsNow);
    if (m_fromNow && m_stepped == 0)
        backToNow();
}

void LookedAtInstant::lookAt(const QDateTime& utc, const QDateTime& utcNow, double secondsNow)
{
    const QDateTime now = presentMinute(utcNow);
    const qint64 fromNow = std::clamp(now.secsTo(presentMinute(utc)), -kBoundSecs, kBoundSecs);
    m_anchor = now.addSecs(fromNow);
    m_fromNow = false;
    m_stepped = 0;
    touch(secondsNow);
}

void LookedAtInstant::backToNow()
{
    m_anchor.reset();
    m_fromNow = false;
    m_stepped = 0;
}

bool LookedAtInstant::expire(double secondsNow)
{
    const std::optional<double> due = returnDue();
    if (!due || secondsNow < *due)
        return false;
    backToNow();
    return true;
}

std::optional<double> LookedAtInstant::returnDue() const
{
    if (!m_anchor)
        return std::nullopt;
    return m_lastInput + kReturnSecs;
}

QString LookedAtInstant::distanceText(qint64 seconds)
{
    const qint64 minutes = std::llabs(seconds) / kMinuteSecs;
    const qint64 days = minutes * kMinuteSecs / kDaySecs;
    const qint64 rest = minutes - days * kDaySecs / kMinuteSecs;
    // A true minus sign: a hyphen reads as a dash beside the time.
    QString out = seconds < 0 && minutes > 0 ? QStringLiteral("\u2212") : QStringLiteral("+");
    if (days > 0)
        //: a number of days ahead or back, before the hours and minutes
        out += QCoreApplication::translate("LookedAtInstant", "%1 d ").arg(days);
    out += QStringLiteral("%1:%2").arg(rest / 60).arg(rest % 60, 2, 10, QLatin1Char('0'));
    return out;
}
