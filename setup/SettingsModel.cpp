#include "SettingsModel.h"

#include "Clock.h"
#include "ProgramStarter.h"
#include "SettingsStore.h"
#include "WorldDb.h"
#include "ZoneCities.h"
#include "ZoneNames.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>

namespace {

constexpr int kLastInterval = int(StoreKeys::CT.range.max);

// The map's grid in the window's twips: where longitude 180 west and latitude 90 north fall,
// and the twips for the whole round of longitudes and the pole-to-pole span of latitudes.
constexpr double kWestEdge = 3620;
constexpr double kLongitudeSpan = 5200;
constexpr double kNorthEdge = 620;
constexpr double kLatitudeSpan = 3000;

// The time of day at a place, UTC plus the offset, to the minute.
QString placeTime(const QDateTime& utcNow, qint64 offsetSeconds)
{
    const QTime t = utcNow.time();
    const QDateTime whole(utcNow.date(), QTime(t.hour(), t.minute(), t.second()), Qt::UTC);
    return whole.addSecs(offsetSeconds).toString(QStringLiteral("hh:mm"));
}

// UTC minus local time in whole minutes, seconds ignored on both sides.
int localLagMinutes(const ClockReading& now)
{
    const auto toMinute = [](const QDateTime& t) {
        return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()), Qt::UTC);
    };
    return int(toMinute(now.local).secsTo(toMinute(now.utc)) / 60);
}

// A zone's standard offset in minutes, the lower of its mid-January and mid-July ones (summer
// time only adds), and whether it keeps a summer time this year.
std::pair<int, bool> standardOffset(const ZoneOffset& zone, int year)
{
    const auto minutesOn = [&](int month) {
        return zone.secondsAt(QDateTime(QDate(year, month, 15), QTime(12, 0), Qt::UTC)) / 60;
    };
    const int january = minutesOn(1);
    const int july = minutesOn(7);
    return {std::min(january, july), january != july};
}

// An offset in the store's form: the nearest whole hour, halves rounded up, and the minutes
// that remain with their own sign (UTC+4:30 is 5 and -30, UTC-3:30 is -3 and -30).
std::pair<int, int> hoursAndMinutes(int minutes)
{
    const int hours = int(std::floor(minutes / 60.0 + 0.5));
    return {hours, minutes - 60 * hours};
}

} // namespace

SettingsModel::SettingsModel(const WorldDb& db, SettingsStore& store, const Clock& clock)
    : m_db(db), m_store(store), m_clock(clock)
{
}

void SettingsModel::load()
{
    m_language = m_store.get(StoreKeys::JE, StoreReader::SettingsProgram);
    m_selectPattern = m_store.get(StoreKeys::SelectPattern, StoreReader::SettingsProgram);
    m_plcCount = m_store.get(StoreKeys::PlcCount, StoreReader::SettingsProgram);
    for (int n = 0; n < StoreKeys::kSlotCount; ++n) {
        Slot& slot = m_slots[n];
        slot.row = m_store.get(StoreKeys::No, n, StoreReader::SettingsProgram);
        slot.summer = m_store.get(StoreKeys::SA, n, StoreReader::SettingsProgram);
        slot.hours = m_store.get(StoreKeys::WD, n, StoreReader::SettingsProgram);
        // Our own keys count only while the keys that the clocks read still agree with them.
        const QString name = m_store.get(StoreKeys::Name, n, StoreReader::SettingsProgram);
        if (!name.isEmpty() && m_store.text(StoreKeys::WP, n) == name)
            slot.ownName = name;
        const QString zone = m_store.get(StoreKeys::Zone, n, StoreReader::SettingsProgram);
        if (!zone.isEmpty() && m_store.text(StoreKeys::TZ, n) == zone &&
            ZoneNames::isKnown(zone.toUtf8()))
            slot.foundZone = zone.toUtf8();
    }
    // Both option groups start with no button on, so turning one on runs its switch.
    switchLanguage(m_language != 0 ? 1 : 0);
    m_selectPattern = m_store.getOr(StoreKeys::SelectPattern, 1);
    switchSelectPattern(m_selectPattern != 0 ? 1 : 0);

    // A row that the list in use does not have (a hand-edited store, or a zone's place of an
    // older version's store) is no place.
    for (Slot& slot : m_slots) {
        if (!slot.foundZone.isEmpty())
            slot.row = zoneRow(slot.foundZone);
        else if (slot.row < 0 || slot.row >= rowCount(pickList()))
            slot.row = kNoneRow;
    }
    m_kind = m_store.get(StoreKeys::Kind, StoreReader::SettingsProgram);
    m_interval = m_store.get(StoreKeys::CT, StoreReader::SettingsProgram);

    m_current = 0;
    redrawSlots(0);
    m_loaded = true;
}

void SettingsModel::pick(int row)
{
    if (row < 0 || row >= rowCount(pickList()))
        return;
    // Only a new place is decided anew; selecting the slot's own place again (as selecting a
    // slot, a switch and start-up do) keeps its summer state, its zone and its name.
    if (row != m_slots[m_current].row)
        setPlace(row, {});
    else
        redrawSlots(m_current);
}

void SettingsModel::pick(const FoundPlace& place)
{
    // A city where the slots hold country entries is its entry, an entry where they hold cities
    // its representative city, as switching the lists makes them.
    using K = FoundPlace::Kind;
    switch (place.kind) {
    case K::Country:
        setPlace(byCity() ? cityRowInUse(m_db.country(found(m_db.countryRow(place.number))).cityNo)
                          : countryRowInUse(place.number),
                 {});
        break;
    case K::City:
        setPlace(byCity() ? cityRowInUse(place.number)
                          : countryRowInUse(m_db.city(found(m_db.cityRow(place.number))).coNo),
                 {});
        break;
    case K::Zone:
        if (ZoneNames::isKnown(place.zone))
            setPlace(zoneRow(place.zone), place.zone);
        break;
    }
}

void SettingsModel::setPlace(int row, const QByteArray& foundZone)
{
    Slot& slot = m_slots[m_current];
    if (m_loaded)
        m_pickedSlot = m_current;
    slot.row = row;
    slot.foundZone = foundZone;
    slot.ownName.clear();
    redrawSlots(m_current);
}

void SettingsModel::rename(int n, const QString& name)
{
    if (n < 0 || n >= StoreKeys::kSlotCount || !m_slots[n].filled())
        return;
    const bool own = name.trimmed().isEmpty() || name == placeName(n);
    m_slots[n].ownName = own ? QString() : name;
}

std::vector<FoundPlace> SettingsModel::find(const QString& text)
{
    if (!m_search)
        m_search.emplace(m_db, ZoneCities::all());
    return m_search->find(text, english());
}

void SettingsModel::selectSlot(int slot)
{
    if (slot < 0 || slot >= StoreKeys::kSlotCount)
        return;
    m_checkedSlot = slot;
    m_current = slot;
    if (slot > m_plcCount) {
        m_slots[slot].row = kNoneRow;
        m_slots[slot].foundZone.clear();
        m_slots[slot].ownName.clear();
        m_plcCount = slot;
        drawSlot(slot, slot);
    }
    showDetails(placeEntry(slot), entryRow(slot));
    if (m_slots[slot].row == kZoneOnlyRow)
        redrawSlots(slot);
    else
        pick(m_slots[slot].row);
}

void SettingsModel::switchLanguage(int index)
{
    const int old = m_language;
    m_language = index;
    // 2 and 1 both mean English: only a real change of language converts the places.
    if ((old == 0) == (index == 0))
        return;
    for (Slot& slot : m_slots) {
        if (!slot.foundZone.isEmpty()) {
            slot.row = zoneRow(slot.foundZone);
        } else if (old != 0) {
            slot.row = byCity() ? found(m_db.cityJRow(m_db.city(slot.row).ciNo))
                                : found(m_db.countryJRow(m_db.country(slot.row).coNo));
        } else {
            slot.row = byCity() ? found(m_db.cityRow(m_db.cityJ(slot.row).ciNo))
                                : found(m_db.countryRow(m_db.countryJ(slot.row).coNo));
        }
    }
    if (m_checkedSlot < 0)
        return; // still loading: the slots are drawn once everything is read
    redrawSlots(m_current);
    pick(m_slots[m_current].row);
}

void SettingsModel::switchSelectPattern(int index)
{
    const qint16 old = m_selectPattern;
    m_selectPattern = qint16(index);
    if ((old != 0) == (index != 0))
        return;
    const bool toCity = index == 1;
    for (Slot& slot : m_slots) {
        if (!slot.foundZone.isEmpty()) {
            slot.row = zoneRow(slot.foundZone);
        } else if (english()) {
            slot.row = toCity ? found(m_db.cityRow(m_db.country(slot.row).cityNo))
                              : found(m_db.countryRow(m_db.city(slot.row).coNo));
        } else if (!toCity) {
            slot.row = found(m_db.countryJRow(m_db.cityJ(slot.row).coNo));
        } else {
            // Japanese country → its English row → representative city → that city's row.
            const int r = found(m_db.countryRow(m_db.countryJ(slot.row).coNo));
            const int c = found(m_db.cityRow(m_db.country(r).cityNo));
            slot.row = found(m_db.cityJRow(m_db.city(c).ciNo));
        }
    }
    if (m_checkedSlot < 0)
        return;
    redrawSlots(m_current);
    pick(m_slots[m_current].row);
}

void SettingsModel::toggleSummer(int slot)
{
    if (slot < 0 || slot >= StoreKeys::kSlotCount || !m_slots[slot].filled() ||
        !SummerRule::switchable(placeZone(slot).code))
        return;
    Slot& s = m_slots[slot];
    if (s.summer != 1) {
        s.summer = 1;
        s.hours += 1;
    } else {
        s.summer = 0;
        s.hours -= 1;
    }
}

void SettingsModel::nextStyle()
{
    m_kind = m_kind + 1 > 2 ? 0 : m_kind + 1;
}

void SettingsModel::nextInterval()
{
    m_interval = m_interval + 1 > kLastInterval ? 1 : m_interval + 1;
}

void SettingsModel::tick()
{
    const QDateTime utc = m_clock.utcNow();
    for (Slot& slot : m_slots) {
        if (!slot.filled())
            continue;
        // The offset the clocks will use: the zone's where there is one.
        const qint64 offset = slot.zone.isValid()
                                  ? slot.zone.secondsAt(utc)
                                  : qint64(slot.hours) * 3600 + qint64(slot.minutes) * 60;
        slot.time = placeTime(utc, offset);
    }
}

StoreBatch SettingsModel::packSlots()
{
    // Filled slots to the front, in their order; their names go with them.
    const auto packedEnd =
        std::remove_if(m_slots.begin(), m_slots.end(), [](const Slot& s) { return !s.filled(); });
    Slot empty;
    empty.time.clear();
    std::fill(packedEnd, m_slots.end(), empty);
    m_plcCount = int(packedEnd - m_slots.begin()) - 1;
    // Should the display not start, the window stays: it shows the packed slots, and the
    // current slot's list row and details, not what that slot held before.
    redrawSlots(m_current);

    StoreBatch out;
    out.set(StoreKeys::JE, m_language);
    out.set(StoreKeys::SelectPattern, m_selectPattern);
    out.set(StoreKeys::Kind, m_kind);
    out.set(StoreKeys::CT, m_interval);
    out.set(StoreKeys::PlcCount, m_plcCount);
    for (int n = 0; n < StoreKeys::kSlotCount; ++n)
        out.set(StoreKeys::No, n, m_slots[n].row);
    for (int n = 0; n < StoreKeys::kSlotCount; ++n)
        out.set(StoreKeys::SA, n, m_slots[n].summer);
    for (int n = 0; n < StoreKeys::kSlotCount; ++n)
        out.set(StoreKeys::WP, n, slot(n).name);
    // The standard offset of the place now in each slot, empty ones included; never the
    // summer hour.
    for (int n = 0; n < StoreKeys::kSlotCount; ++n) {
        const CountryEntry entry = placeEntry(n);
        out.set(StoreKeys::WD, n, entry.hours);
        out.set(StoreKeys::WDM, n, entry.minutes);
    }
    // The zone of each place whose summer time is not the user's to decide; the clocks take
    // its offset, summer time included.
    for (int n = 0; n < StoreKeys::kSlotCount; ++n)
        out.set(StoreKeys::TZ, n, QString::fromUtf8(placeZone(n).zone));
    for (int n = 0; n < StoreKeys::kSlotCount; ++n) {
        out.set(StoreKeys::Name, n, m_slots[n].ownName);
        out.set(StoreKeys::Zone, n, QString::fromUtf8(m_slots[n].foundZone));
    }
    // Last, so that a clock reloading on it reads a whole place set.
    out.set(StoreKeys::Change, 1);
    return out;
}

std::optional<StartFailure> SettingsModel::accept(ProgramStarter& starter, const QString& startDir,
                                                  const QString& ownDir)
{
    return startDisplay(starter, startDir, ownDir, packSlots());
}

std::optional<StartFailure> SettingsModel::reject(ProgramStarter& starter, const QString& startDir,
                                                  const QString& ownDir)
{
    return startDisplay(starter, startDir, ownDir, {});
}

std::optional<StartFailure> SettingsModel::startDisplay(ProgramStarter& starter,
                                                        const QString& startDir,
                                                        const QString& ownDir, StoreBatch first)
{
    const std::optional<Program> program = clockOfKind(m_kind);
    if (!program) {
        if (const WriteResult written = m_store.write(first.set(StoreKeys::Start, 1)); !written)
            return StartFailure{{}, {}, {}, written.error()};
        return std::nullopt;
    }
    return HandOver::handOver(m_store, starter, *program, startDir, std::nullopt, ownDir,
                              std::move(first));
}

PickList SettingsModel::pickList() const
{
    if (english())
        return byCity() ? PickList::CityEnglish : PickList::CountryEnglish;
    return byCity() ? PickList::CityJapanese : PickList::CountryJapanese;
}

int SettingsModel::rowCount(PickList list) const
{
    switch (list) {
    case PickList::CountryEnglish:
        return m_db.rowCount(WorldTable::lstCountryName);
    case PickList::CityEnglish:
        return m_db.rowCount(WorldTable::lstCityName);
    case PickList::CountryJapanese:
        return m_db.rowCount(WorldTable::lstCountryNameJ);
    case PickList::CityJapanese:
        return m_db.rowCount(WorldTable::lstCityNameJ);
    }
    return 0;
}

QString SettingsModel::rowText(PickList list, int row) const
{
    switch (list) {
    case PickList::CountryEnglish:
        return m_db.country(row).name;
    case PickList::CityEnglish:
        return m_db.city(row).name;
    case PickList::CountryJapanese:
        return m_db.countryJ(row).name;
    case PickList::CityJapanese:
        return m_db.cityJ(row).name;
    }
    return {};
}

SlotView SettingsModel::slot(int n) const
{
    SlotView view;
    if (n < 0 || n >= StoreKeys::kSlotCount || !m_slots[n].filled())
        return view;
    view.filled = true;
    view.name = m_slots[n].ownName.isEmpty() ? placeName(n) : m_slots[n].ownName;
    view.time = m_slots[n].time;
    switch (placeZone(n).code) {
    case SummerCode::None:
        view.mark = SummerMark::Hidden;
        break;
    case SummerCode::Observed:
        view.mark = SummerMark::Orange;
        break;
    case SummerCode::Undetermined:
        view.mark = SummerMark::Cyan;
        break;
    }
    view.summer = m_slots[n].summer == 1;
    return view;
}

QString SettingsModel::styleCaption() const
{
    const QString name = styleName(m_kind);
    return name.isEmpty() ? QCoreApplication::translate("SettingsModel", "Tytle Bar") : name;
}

int SettingsModel::entryRow(int n) const
{
    const int no = m_slots[n].row;
    switch (pickList()) {
    case PickList::CountryEnglish:
        return found(no);
    case PickList::CityEnglish:
        return found(m_db.countryRow(m_db.city(no).coNo));
    case PickList::CountryJapanese:
        return found(m_db.countryRow(m_db.countryJ(no).coNo));
    case PickList::CityJapanese:
        return found(m_db.countryRow(m_db.cityJ(no).coNo));
    }
    return 0;
}

CountryEntry SettingsModel::placeEntry(int n) const
{
    CountryEntry entry = m_db.country(entryRow(n));
    const Slot& slot = m_slots[n];
    if (slot.filled() && !slot.foundZone.isEmpty()) {
        const ZoneOffset zone(slot.foundZone);
        const auto [minutes, summer] = standardOffset(zone, m_clock.utcNow().date().year());
        std::tie(entry.hours, entry.minutes) = hoursAndMinutes(minutes);
        entry.summer = summer ? SummerCode::Observed : SummerCode::None;
        entry.timeZone = QString::fromUtf8(slot.foundZone);
    }
    return entry;
}

QString SettingsModel::placeName(int n) const
{
    const Slot& slot = m_slots[n];
    if (slot.foundZone.isEmpty())
        return rowText(pickList(), slot.row);
    const QString city = ZoneCities::city(slot.foundZone, english());
    return city.isEmpty() ? QString::fromUtf8(slot.foundZone) : city;
}

int SettingsModel::zoneRow(const QByteArray& zone) const
{
    if (m_cityOfZone.isEmpty()) {
        for (int r = m_db.rowCount(WorldTable::lstCityName) - 1; r > 0; --r) {
            const City& c = m_db.city(r);
            if (c.sameAs == 0 && !c.timeZone.isEmpty())
                m_cityOfZone.insert(ZoneCities::canonical(c.timeZone.toUtf8()), r);
        }
    }
    const auto it = m_cityOfZone.constFind(ZoneCities::canonical(zone));
    if (it == m_cityOfZone.cend())
        return kZoneOnlyRow;
    const City& city = m_db.city(*it);
    return byCity() ? cityRowInUse(city.ciNo) : countryRowInUse(city.coNo);
}

int SettingsModel::countryRowInUse(int coNo) const
{
    return found(english() ? m_db.countryRow(coNo) : m_db.countryJRow(coNo));
}

int SettingsModel::cityRowInUse(int ciNo) const
{
    return found(english() ? m_db.cityRow(ciNo) : m_db.cityJRow(ciNo));
}

SettingsModel::PlaceZone SettingsModel::placeZone(int n) const
{
    const int row = entryRow(n);
    const CountryEntry& entry = m_db.country(row);
    if (!m_slots[n].filled())
        return {entry.summer, {}};
    if (!m_slots[n].foundZone.isEmpty())
        return {placeEntry(n).summer, m_slots[n].foundZone};
    if (byCity()) {
        // A city follows its own zone; stores of older releases gave it its entry's.
        const int picked = m_slots[n].row;
        const int cityRow = english() ? picked : found(m_db.cityRow(m_db.cityJ(picked).ciNo));
        const QString& zone = m_db.city(cityRow).timeZone;
        if (!zone.isEmpty())
            return {SummerRule::cityCode(entry), zone.toUtf8()};
    }
    return {entry.summer, SummerRule::zoneId(entry, m_db.timeZone(row))};
}

QString SettingsModel::intervalText(int seconds)
{
    //: %1 is a number of seconds
    return (seconds >= 0 ? QStringLiteral(" ") : QString()) +
           QCoreApplication::translate("SettingsModel", "%1 Sec.").arg(seconds);
}

QString SettingsModel::offsetText(int minutes)
{
    const int v = std::abs(minutes);
    return QStringLiteral("%1%2:%3")
        .arg(minutes >= 0 ? QLatin1Char('+') : QLatin1Char('-'))
        .arg(v / 60)
        .arg(v % 60, 2, 10, QLatin1Char('0'));
}

QString SettingsModel::styleName(int kind)
{
    switch (kind) {
    case 0:
        return QCoreApplication::translate("SettingsModel", "Tytle bar");
    case 1:
        return QCoreApplication::translate("SettingsModel", "Independence");
    case 2:
        return QCoreApplication::translate("SettingsModel", "List");
    case 3:
        return QCoreApplication::translate("SettingsModel", "Task bar");
    default:
        return {};
    }
}

void SettingsModel::redrawSlots(int current)
{
    // Turning the slot's option on runs its own handling first when it was off.
    if (m_checkedSlot != current) {
        selectSlot(current);
        return; // that ends in a pick, which redraws every slot
    }
    for (int n = 0; n < StoreKeys::kSlotCount; ++n) {
        drawSlot(n, current);
        if (!m_slots[n].filled())
            m_slots[n].time.clear();
    }
    m_pickedSlot.reset();
}

void SettingsModel::drawSlot(int n, int target)
{
    const int row = entryRow(n);
    decideSummer(n, row);
    if (target == n)
        showDetails(placeEntry(n), row);
}

void SettingsModel::decideSummer(int n, int row)
{
    const CountryEntry entry = m_slots[n].foundZone.isEmpty() ? m_db.country(row) : placeEntry(n);
    const PlaceZone place = placeZone(n);
    Slot& slot = m_slots[n];
    if (slot.zone.id() != place.zone)
        slot.zone = ZoneOffset(place.zone);
    slot.summer = SummerRule::decide(place.code, entry, slot.zone, slot.summer, m_pickedSlot == n,
                                     m_clock.utcNow());
    slot.minutes = entry.minutes;
    slot.hours = entry.hours + (slot.summer == 1 ? 1 : 0);
}

void SettingsModel::showDetails(const CountryEntry& entry, int row)
{
    const CountryDetails& d = m_db.details(entry.mNo);
    m_details.officialName = d.officialName;
    m_details.capital = d.capital;
    m_details.language = d.language;
    m_details.currency = d.currency;
    m_details.exchange = d.exchange;
    m_details.flag = d.flag;
    const int t = entry.offsetMinutes();
    m_details.utcOffset = offsetText(t);
    m_details.localOffset = offsetText(t + localLagMinutes(m_clock.now()));
    if (row != kNoneRow && d.south && d.east) {
        const double s = *d.south + 90;
        const double e = *d.east + 180;
        m_details.crossHair = QPointF(float(kWestEdge + kLongitudeSpan * e / 360),
                                      float(kNorthEdge + kLatitudeSpan * s / 180));
    } else {
        m_details.crossHair.reset();
    }
}
