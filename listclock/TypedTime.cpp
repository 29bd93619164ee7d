#include "TypedTime.h"

#include "PlaceTime.h"

#include <QRegularExpression>
#include <algorithm>
#include <set>

namespace TypedTime {

namespace {

constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr qint64 kHourSecs = 3600;
// Zones lie within 14 hours of UTC; looking that far either way of a wall time meets every
// offset the place can have around it.
constexpr int kOffsetReachHours = 15;
constexpr int kProbeStepHours = 3;

// Every instant at which the place's wall clock reads `wall` (held as UTC), in order: none in a
// skipped hour, two in a repeated one.
std::set<qint64> instantsAt(const Place& place, const QDateTime& wall)
{
    std::set<int> offsets;
    for (int h = -kOffsetReachHours; h <= kOffsetReachHours; h += kProbeStepHours)
        offsets.insert(place.offsetSecondsAt(wall.addSecs(h * kHourSecs)));
    std::set<qint64> out;
    for (const int offset : offsets) {
        const QDateTime utc = wall.addSecs(-offset);
        if (place.offsetSecondsAt(utc) == offset)
            out.insert(utc.toSecsSinceEpoch());
    }
    return out;
}

} // namespace

const QRegularExpression& partialPattern()
{
    static const QRegularExpression re(QStringLiteral("^\\d{0,2}(:\\d{0,2})?$|^\\d{0,4}$"));
    return re;
}

std::optional<QTime> parse(QStringView text)
{
    const QString t = text.trimmed().toString();
    if (t.isEmpty() || !partialPattern().match(t).hasMatch())
        return std::nullopt;
    QStringView hours = t;
    QStringView minutes;
    if (const qsizetype colon = t.indexOf(u':'); colon >= 0) {
        hours = QStringView(t).left(colon);
        minutes = QStringView(t).mid(colon + 1);
        if (hours.isEmpty() || minutes.size() != 2)
            return std::nullopt;
    } else if (t.size() > 2) {
        // "930" and "2105": the last two digits are the minutes.
        hours = QStringView(t).left(t.size() - 2);
        minutes = QStringView(t).right(2);
    }
    const int h = hours.toInt();
    const int m = minutes.isEmpty() ? 0 : minutes.toInt();
    if (h >= kHoursPerDay || m >= kMinutesPerHour)
        return std::nullopt;
    return QTime(h, m);
}

Outcome nextOccurrence(const Place& place, QTime wall, const QDateTime& utcNow)
{
    const QDateTime now = utcNow.toUTC();
    const QDateTime placeNow = PlaceTime::placeDateTime(now, place);
    for (int day = 0; day < 2; ++day) {
        const QDateTime wanted(placeNow.date().addDays(day), wall, Qt::UTC);
        const std::set<qint64> instants = instantsAt(place, wanted);
        if (instants.empty()) {
            // Skipped on the day the time is next due: say so rather than show another hour.
            if (wanted > placeNow)
                return {std::nullopt, Refusal::Skipped};
            continue;
        }
        const auto ahead = std::find_if(instants.begin(), instants.end(),
                                        [&](qint64 s) { return s > now.toSecsSinceEpoch(); });
        if (ahead != instants.end())
            return {QDateTime::fromSecsSinceEpoch(*ahead, Qt::UTC), std::nullopt};
    }
    return {std::nullopt, Refusal::NotATime};
}

} // namespace TypedTime
