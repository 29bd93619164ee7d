#include "SettingsModel.h"

#include "Clock.h"
#include "ProgramStarter.h"
#include "SettingsStore.h"
#include "WorldDb.h"

#include <QCoreApplication>
#include <cstdlib>

namespace {

constexpr int kNoneRow = 0;
constexpr int kLastInterval = 10;

// The time of day at a place, UTC plus the offset, to the minute.
QString placeTime(const QDateTime& utcNow, qint64 offsetSeconds)
{
    const QTime t = utcNow.time();
    const QDateTime whole(utcNow.date(), QTime(t.hour(), t.minute(), t.second()), Qt::UTC);
    return whole.addSecs(offsetSeconds).toString(QStringLiteral("hh:mm"));
}

// UTC minus local time in whole minutes, seconds ignored on both sides.
int localLagMinutes(const QDateTime& utcNow, const QDateTime& localNow)
{
    const auto toMinute = [](const QDateTime& t) {
        return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()), Qt::UTC);
    };
    return int(toMinute(localNow).secsTo(toMinute(utcNow)) / 60);
}

} // namespace

SettingsModel::SettingsModel(const WorldDb& db, SettingsStore& store, const Clock& clock)
    : m_db(db), m_store(store), m_clock(clock)
{
    m_time.fill(QStringLiteral("24:00"));
}

void SettingsModel::load()
{
    m_language = m_store.get(StoreKeys::JE, StoreReader::SettingsProgram);
    m_selectPattern = m_store.get(StoreKeys::SelectPattern, StoreReader::SettingsProgram);
    m_plcCount = m_store.get(StoreKeys::PlcCount, StoreReader::SettingsProgram);
    for (int n = 0; n < kSlots; ++n) {
        m_no[n] = m_store.get(StoreKeys::No, n, StoreReader::SettingsProgram);
        m_sa[n] = m_store.get(StoreKeys::SA, n, StoreReader::SettingsProgram);
        m_wd[n] = m_store.get(StoreKeys::WD, n, StoreReader::SettingsProgram);
    }
    // Both option groups start with no button on, so turning one on runs its switch.
    switchLanguage(m_language != 0 ? 1 : 0);
    m_selectPattern = m_store.getOr(StoreKeys::SelectPattern, 1);
    switchSelectPattern(m_selectPattern != 0 ? 1 : 0);

    // A row that the list in use does not have (a hand-edited store) is no place.
    for (int& no : m_no) {
        if (no < 0 || no >= rowCount(pickList()))
            no = kNoneRow;
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
    const int c = m_current;
    // Only a new place is decided anew; selecting the slot's own place again (as selecting a
    // slot, a switch and start-up do) keeps its summer state.
    if (row != m_no[c] && m_loaded)
        m_pickedSlot = c;
    m_no[c] = row;
    redrawSlots(c);
}

void SettingsModel::selectSlot(int slot)
{
    if (slot < 0 || slot >= kSlots)
        return;
    m_checkedSlot = slot;
    m_current = slot;
    if (slot > m_plcCount) {
        m_no[slot] = kNoneRow;
        m_plcCount = slot;
        drawSlot(slot, slot);
    }
    showDetails(entryRow(slot));
    pick(m_no[slot]);
}

void SettingsModel::switchLanguage(int index)
{
    const int old = m_language;
    m_language = index;
    // 2 and 1 both mean English: only a real change of language converts the places.
    if ((old == 0) == (index == 0))
        return;
    for (int& no : m_no) {
        if (old != 0) {
            no = byCity() ? found(m_db.cityJRow(m_db.city(no).ciNo))
                          : found(m_db.countryJRow(m_db.country(no).coNo));
        } else {
            no = byCity() ? found(m_db.cityRow(m_db.cityJ(no).ciNo))
                          : found(m_db.countryRow(m_db.countryJ(no).coNo));
        }
    }
    if (m_checkedSlot < 0)
        return; // still loading: the slots are drawn once everything is read
    redrawSlots(m_current);
    pick(m_no[m_current]);
}

void SettingsModel::switchSelectPattern(int index)
{
    const qint16 old = m_selectPattern;
    m_selectPattern = qint16(index);
    if ((old != 0) == (index != 0))
        return;
    const bool toCity = index == 1;
    for (int& no : m_no) {
        if (english()) {
            no = toCity ? found(m_db.cityRow(m_db.country(no).cityNo))
                        : found(m_db.countryRow(m_db.city(no).coNo));
        } else if (!toCity) {
            no = found(m_db.countryJRow(m_db.cityJ(no).coNo));
        } else {
            // Japanese country → its English row → representative city → that city's row.
            const int r = found(m_db.countryRow(m_db.countryJ(no).coNo));
            const int c = found(m_db.cityRow(m_db.country(r).cityNo));
            no = found(m_db.cityJRow(m_db.city(c).ciNo));
        }
    }
    if (m_checkedSlot < 0)
        return;
    redrawSlots(m_current);
    pick(m_no[m_current]);
}

void SettingsModel::toggleSummer(int slot)
{
    if (slot < 0 || slot >= kSlots || m_no[slot] == kNoneRow ||
        !SummerRule::switchable(placeZone(slot).code))
        return;
    if (m_sa[slot] != 1) {
        m_sa[slot] = 1;
        m_wd[slot] += 1;
    } else {
        m_sa[slot] = 0;
        m_wd[slot] -= 1;
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
    for (int n = 0; n < kSlots; ++n) {
        if (m_no[n] == kNoneRow)
            continue;
        // The offset the clocks will use: the zone's where there is one.
        const qint64 offset = m_zone[n].isValid() ? m_zone[n].secondsAt(utc)
                                                  : qint64(m_wd[n]) * 3600 + qint64(m_wdm[n]) * 60;
        m_time[n] = placeTime(utc, offset);
    }
}

StoreBatch SettingsModel::packAndSave()
{
    // Filled slots to the front, in their order; their names go with them.
    int last = -1;
    for (int n = 0; n < kSlots; ++n) {
        if (m_no[n] != kNoneRow) {
            ++last;
            m_no[last] = m_no[n];
            m_sa[last] = m_sa[n];
            m_wd[last] = m_wd[n];
            m_wdm[last] = m_wdm[n];
            m_zone[last] = m_zone[n];
            m_time[last] = m_time[n];
        }
    }
    m_plcCount = last;
    for (int n = last + 1; n < kSlots; ++n) {
        m_no[n] = kNoneRow;
        m_sa[n] = 0;
        m_zone[n] = ZoneOffset();
        m_time[n].clear();
    }
    // Should the display not start, the window stays: it shows the packed slots, and the
    // current slot's list row and details, not what that slot held before.
    redrawSlots(m_current);

    StoreBatch out;
    out.set(StoreKeys::JE, m_language);
    out.set(StoreKeys::SelectPattern, m_selectPattern);
    out.set(StoreKeys::Kind, m_kind);
    out.set(StoreKeys::CT, m_interval);
    out.set(StoreKeys::PlcCount, m_plcCount);
    for (int n = 0; n < kSlots; ++n)
        out.set(StoreKeys::No, n, m_no[n]);
    for (int n = 0; n < kSlots; ++n)
        out.set(StoreKeys::SA, n, m_sa[n]);
    for (int n = 0; n < kSlots; ++n)
        out.set(StoreKeys::WP, n, slot(n).name);
    // The standard offset of the place now in each slot, empty ones included; never the
    // summer hour.
    for (int n = 0; n < kSlots; ++n) {
        const CountryEntry& entry = m_db.country(entryRow(n));
        out.set(StoreKeys::WD, n, entry.hours);
        out.set(StoreKeys::WDM, n, entry.minutes);
    }
    // The zone of each place whose summer time is not the user's to decide; the clocks take
    // its offset, summer time included.
    for (int n = 0; n < kSlots; ++n)
        out.set(StoreKeys::TZ, n, QString::fromUtf8(placeZone(n).zone));
    // Last, so that a clock reloading on it reads a whole place set.
    out.set(StoreKeys::Change, 1);
    return out;
}

std::optional<StartFailure> SettingsModel::accept(ProgramStarter& starter, const QString& startDir,
                                                  const QString& ownDir)
{
    return startDisplay(starter, startDir, ownDir, packAndSave());
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
    const std::optional<SuiteProgram> program = HandOver::styleProgram(m_kind);
    if (!program) {
        m_store.write(first.set(StoreKeys::Start, 1));
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
    if (n < 0 || n >= kSlots || m_no[n] == kNoneRow)
        return view;
    view.filled = true;
    view.name = rowText(pickList(), m_no[n]);
    view.time = m_time[n];
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
    view.summer = m_sa[n] == 1;
    return view;
}

QString SettingsModel::styleCaption() const
{
    const QString name = styleName(m_kind);
    return name.isEmpty() ? QCoreApplication::translate("SettingsModel", "Tytle Bar") : name;
}

int SettingsModel::entryRow(int n) const
{
    const int no = m_no[n];
    switch (pickList()) {
    case PickList::CountryEnglish:
        return no;
    case PickList::CityEnglish:
        return found(m_db.countryRow(m_db.city(no).coNo));
    case PickList::CountryJapanese:
        return found(m_db.countryRow(m_db.countryJ(no).coNo));
    case PickList::CityJapanese:
        return found(m_db.countryRow(m_db.cityJ(no).coNo));
    }
    return 0;
}

SettingsModel::PlaceZone SettingsModel::placeZone(int n) const
{
    const int row = entryRow(n);
    const CountryEntry& entry = m_db.country(row);
    if (m_no[n] == kNoneRow)
        return {entry.summer, {}};
    if (byCity()) {
        // A city follows its own zone; stores of older releases gave it its entry's.
        const int cityRow = english() ? m_no[n] : found(m_db.cityRow(m_db.cityJ(m_no[n]).ciNo));
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
    for (int n = 0; n < kSlots; ++n) {
        drawSlot(n, current);
        if (m_no[n] == kNoneRow)
            m_time[n].clear();
    }
    m_pickedSlot.reset();
}

void SettingsModel::drawSlot(int n, int target)
{
    const int row = entryRow(n);
    decideSummer(n, row);
    if (target == n)
        showDetails(row);
}

void SettingsModel::decideSummer(int n, int row)
{
    const CountryEntry& entry = m_db.country(row);
    const PlaceZone place = placeZone(n);
    if (m_zone[n].id() != place.zone)
        m_zone[n] = ZoneOffset(place.zone);
    m_sa[n] = SummerRule::decide(place.code, entry, m_zone[n], m_sa[n], m_pickedSlot == n,
                                 m_clock.utcNow());
    m_wdm[n] = entry.minutes;
    m_wd[n] = entry.hours + (m_sa[n] == 1 ? 1 : 0);
}

void SettingsModel::showDetails(int row)
{
    const CountryEntry& entry = m_db.country(row);
    const CountryDetails& d = m_db.details(entry.mNo);
    m_details.officialName = d.officialName;
    m_details.capital = d.capital;
    m_details.language = d.language;
    m_details.currency = d.currency;
    m_details.exchange = d.exchange;
    m_details.flag = d.flag;
    const int t = entry.offsetMinutes();
    m_details.utcOffset = offsetText(t);
    m_details.localOffset = offsetText(t + localLagMinutes(m_clock.utcNow(), m_clock.localNow()));
    if (row != kNoneRow && d.south && d.east) {
        const double s = *d.south + 90;
        const double e = *d.east + 180;
        m_details.crossHair = QPointF(float(3620 + 5200 * e / 360), float(620 + 3000 * s / 180));
    } else {
        m_details.crossHair.reset();
    }
}
