#include "ListClock.h"

#include "Clock.h"
#include "ListLayout.h"
#include "MomentText.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QTimeZone>
#include <QUuid>
#include <cmath>

namespace {

constexpr qint64 kHourSecs = 3600;
constexpr qint64 kMinuteSecs = 60;
constexpr qint64 kQuarterSecs = 15 * kMinuteSecs;

// The wall clock marked as UTC, so that no zone rule of this computer moves it.
QDateTime asWall(const QDateTime& dt)
{
    return QDateTime(dt.date(), dt.time(), Qt::UTC);
}

QDateTime presentMinute(const QDateTime& utc)
{
    return utc.addSecs(-utc.time().second());
}

// Seconds into the hour of a wall clock.
qint64 intoHour(const QDateTime& wall)
{
    return wall.time().minute() * kMinuteSecs + wall.time().second();
}

} // namespace

ListClock::ListClock(SettingsStore& store, const Clock& clock, const QLocale& locale)
    : m_store(store), m_clock(clock), m_locale(locale), m_reload(store, clock),
      m_localZone(ZoneOffset::system())
{
}

void ListClock::start()
{
    m_reload.acknowledge();
    loadPlaces();
}

void ListClock::loadPlaces()
{
    m_places.load(m_store);
    m_workingHours = WorkingHours::load(m_store);
    m_windowHeight = ListLayout::windowHeight(m_places.plcCount);
    ++m_loads;
}

Place ListClock::localPlace(const ClockReading& now) const
{
    const QDateTime& utc = now.utc;
    const qint64 offset = asWall(utc).secsTo(asWall(now.local));
    // A place holds whole minutes.
    const int offsetMinutes = int(std::lround(double(offset) / kMinuteSecs));
    Place local;
    local.name = QCoreApplication::translate("PlaceTime", "Local");
    if (m_localZone.isValid() && m_localZone.secondsAt(utc) == offsetMinutes * kMinuteSecs) {
        local.zone = m_localZone;
    } else {
        local.hours = offsetMinutes / 60;
        local.minutes = offsetMinutes % 60;
    }
    return local;
}

ListClock::Tick ListClock::tick()
{
    Tick out;
    if (m_reload.due()) {
        loadPlaces();
        out.reloaded = true;
    }
    m_look.expire(m_clock.seconds());
    const ClockReading now = PlaceTime::snapshot(m_clock);
    const std::optional<QDateTime> at = m_look.at();
    // The looked-at instant, with the computer's own time at it.
    const ClockReading shown =
        at ? ClockReading{*at, PlaceTime::placeDateTime(*at, localPlace(now))} : now;
    out.rows.reserve(std::size_t(m_places.count()) + 1);
    out.rows.push_back(PlaceTime::localRow(shown, m_locale, m_places.hourCycle));
    for (int i = 0; i <= m_places.plcCount; ++i)
        out.rows.push_back(PlaceTime::placeRow(m_places.places[std::size_t(i)], shown, m_locale,
                                               m_places.hourCycle));
    if (at) {
        out.looking = true;
        out.distance = LookedAtInstant::distanceText(presentMinute(now.utc).secsTo(*at));
    }
    const StripBasis basis = stripBasis(now.utc);
    if (basis != m_paintedBasis) {
        out.strips = strips(now);
        m_paintedBasis = basis;
    }
    return out;
}

bool ListClock::lookAtCommonHour(bool forward)
{
    const ClockReading now = PlaceTime::snapshot(m_clock);
    const QDateTime bound =
        now.utc.addSecs(forward ? LookedAtInstant::kBoundSecs : -LookedAtInstant::kBoundSecs);
    const std::optional<QDateTime> found =
        m_workingHours.nextCommon(shownPlaces(now), moment(now), forward, bound);
    if (found)
        m_look.lookAt(*found, now.utc, m_clock.seconds());
    return found.has_value();
}

WriteResult ListClock::setWorkingHours(int row, const std::optional<WorkingHours::Span>& span)
{
    StoreBatch batch;
    if (row == 0) {
        const WorkingHours::Span common = span.value_or(WorkingHours::Span{});
        batch.set(StoreKeys::WorkStart, common.startMinutes)
            .set(StoreKeys::WorkEnd, common.endMinutes);
    } else {
        constexpr int kCommon = -1;
        batch.set(StoreKeys::WorkStartAt, row - 1, span ? span->startMinutes : kCommon)
            .set(StoreKeys::WorkEndAt, row - 1, span ? span->endMinutes : kCommon);
    }
    WriteResult written = m_store.write(batch);
    if (written)
        loadPlaces();
    return written;
}

WriteResult ListClock::setShowWhile(int row, const QString& word)
{
    StoreBatch batch;
    batch.set(StoreKeys::ShowWhile, row - 1, word.trimmed()).set(StoreKeys::Change, 1);
    return m_store.write(batch);
}

ListClock::StripBasis ListClock::stripBasis(const QDateTime& utc) const
{
    return {utc.toSecsSinceEpoch() / kQuarterSecs, m_look.at(), m_mode, m_loads};
}

void ListClock::step(int notches, LookedAtInstant::Step size)
{
    m_look.step(notches, size, m_clock.utcNow(), m_clock.seconds());
}

TypedTime::Outcome ListClock::lookAtTyped(int row, QStringView text)
{
    const std::optional<QTime> wall = TypedTime::parse(text);
    if (!wall || row < 0 || row > m_places.count())
        return {std::nullopt, TypedTime::Refusal::NotATime};
    const ClockReading now = PlaceTime::snapshot(m_clock);
    const Place place = row == 0 ? localPlace(now) : m_places.places[std::size_t(row - 1)];
    TypedTime::Outcome outcome = TypedTime::nextOccurrence(place, *wall, now.utc);
    if (outcome.utc)
        m_look.lookAt(*outcome.utc, now.utc, m_clock.seconds());
    return outcome;
}

std::vector<Place> ListClock::shownPlaces() const
{
    return shownPlaces(PlaceTime::snapshot(m_clock));
}

std::vector<Place> ListClock::shownPlaces(const ClockReading& now) const
{
    std::vector<Place> shown{localPlace(now)};
    for (int i = 0; i <= m_places.plcCount; ++i)
        shown.push_back(m_places.places[std::size_t(i)]);
    return shown;
}

QDateTime ListClock::moment() const
{
    return moment(PlaceTime::snapshot(m_clock));
}

QDateTime ListClock::moment(const ClockReading& now) const
{
    return m_look.at().value_or(presentMinute(now.utc));
}

QStringList ListClock::momentLines() const
{
    const ClockReading now = PlaceTime::snapshot(m_clock);
    return MomentText::lines(shownPlaces(now), moment(now), m_locale, m_places.hourCycle);
}

CalendarEvent ListClock::momentEvent() const
{
    const ClockReading now = PlaceTime::snapshot(m_clock);
    const QDateTime start = moment(now);
    QStringList names;
    for (int i = 0; i <= m_places.plcCount; ++i)
        names << m_places.places[std::size_t(i)].name;
    //: The title of a saved calendar event; %1 the places, separated by commas
    const QString summary = QCoreApplication::translate("ListClock", "Meeting: %1")
                                .arg(names.join(QStringLiteral(", ")));
    return {start,
            start.addSecs(kHourSecs),
            summary,
            MomentText::lines(shownPlaces(now), start, m_locale).join(u'\n'),
            QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral("@zelclock"),
            now.utc};
}

std::vector<StripRow> ListClock::strips() const
{
    return strips(PlaceTime::snapshot(m_clock));
}

std::vector<StripRow> ListClock::strips(const ClockReading& now) const
{
    const QDateTime& utc = now.utc;
    const Place localAsPlace = localPlace(now);
    // The strips show the coming hours; a look outside them makes its own hour the first.
    QDateTime first = utc;
    QDateTime localWall = asWall(now.local);
    int lookedColumn = -1;
    if (const std::optional<QDateTime> at = m_look.at()) {
        const qint64 fromColumn0 = utc.addSecs(-intoHour(localWall)).secsTo(*at);
        lookedColumn = fromColumn0 >= 0 ? int(fromColumn0 / kHourSecs) : -1;
        if (lookedColumn < 0 || lookedColumn >= ListLayout::kCellsPerRow) {
            first = *at;
            localWall = PlaceTime::placeDateTime(*at, localAsPlace);
            lookedColumn = 0;
        }
    }
    const std::vector<Place> shown = shownPlaces(now);
    // A column stands for the local hour it shows.
    const std::bitset<WorkingHours::kColumns> awake =
        m_workingHours.awakeColumns(shown, first.addSecs(-intoHour(localWall)));

    std::vector<StripRow> out;
    out.reserve(shown.size());
    // A cell shows the hour at its place a whole number of hours from now; its tool tip the
    // moment its column stands for, the start of a local hour, which at a place whose offset
    // has minutes (Kathmandu, Lord Howe) is not on the hour.
    const QDateTime columnStart = first.addSecs(-intoHour(localWall));
    StripTimes wall;
    StripTimes tips;
    // The local row counts on the wall clock like the places do, so that its tool tips agree
    // with its cells.
    for (std::size_t c = 0; c < wall.size(); ++c) {
        wall[c] = localWall.addSecs(qint64(c) * kHourSecs);
        tips[c] = wall[c].addSecs(-intoHour(localWall));
    }
    out.push_back(stripRow(wall, tips, m_mode, m_locale));
    // A place's columns are instants an hour apart, so a change of its summer time shows as
    // a skipped or a repeated hour.
    for (int i = 0; i <= m_places.plcCount; ++i) {
        const Place& place = m_places.places[std::size_t(i)];
        for (std::size_t c = 0; c < wall.size(); ++c) {
            const qint64 later = qint64(c) * kHourSecs;
            wall[c] = PlaceTime::placeDateTime(first.addSecs(later), place);
            tips[c] = PlaceTime::placeDateTime(columnStart.addSecs(later), place);
        }
        out.push_back(stripRow(wall, tips, m_mode, m_locale));
    }
    //: The tool tip's second line on a strip cell marked by the green line at its foot
    const QString awakeTip = QCoreApplication::translate(
        "ListClock", "Green line: every place shown is in its working hours on a working day");
    for (StripRow& row : out) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            row[c].awake = awake[c];
            if (awake[c])
                row[c].toolTip += u'\n' + awakeTip;
            row[c].looked = int(c) == lookedColumn;
        }
    }
    return out;
}

StripRow ListClock::stripRow(const StripTimes& wall, const StripTimes& tips, StripMode mode,
                             const QLocale& locale)
{
    std::array<int, 24> hours{};
    for (std::size_t c = 0; c < hours.size(); ++c)
        hours[c] = wall[c].time().hour();
    const std::array<StripCell, 24> cells = Strip::cells(hours, mode);
    StripRow row;
    for (std::size_t c = 0; c < row.size(); ++c) {
        const QDateTime& at = tips[c];
        row[c] = {cells[c], (PlaceTime::dateText(at, locale) + PlaceTime::timeText(at)).trimmed()};
    }
    return row;
}
