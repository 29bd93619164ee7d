#include "BandClock.h"

#include "Clock.h"

#include <QCoreApplication>

BandClock::BandClock(SettingsStore& store, const Clock& clock, const QLocale& locale)
    : m_rotation(store, clock, locale), m_clock(clock)
{
}

std::vector<RowText> BandClock::rows() const
{
    const ClockReading now = PlaceTime::snapshot(m_clock);
    const PlaceTable& table = m_rotation.places();
    std::vector<RowText> rows;
    rows.reserve(std::size_t(table.count()) + 1);
    rows.push_back(PlaceTime::localRow(now, m_rotation.locale(), table.hourCycle));
    for (int i = 0; i < table.count(); ++i)
        rows.push_back(PlaceTime::placeRow(table.places[std::size_t(i)], now, m_rotation.locale(),
                                           table.hourCycle));
    return rows;
}

QString BandClock::toolTip() const
{
    QStringList lines;
    for (const RowText& row : rows())
        lines.push_back((row.date + row.time + row.place).trimmed());
    return lines.join(QLatin1Char('\n'));
}

TrayFace BandClock::face(const RowText& row)
{
    // The first two runs of digits: "09:05", "9:05 PM" and "午後9:05" alike.
    QStringList numbers;
    QString digits;
    for (const QChar c : row.time + u' ') {
        if (c.isDigit()) {
            digits += c;
        } else if (!digits.isEmpty()) {
            numbers << digits;
            digits.clear();
        }
    }
    numbers.resize(2);
    return {numbers[0], numbers[1], row.nightHighlight};
}

QPoint BandClock::cornerPosition(QSize window, const QRect& available)
{
    return {available.right() + 1 - window.width(), available.bottom() + 1 - window.height()};
}

BandMode BandClock::mode(bool trayAvailable)
{
    return trayAvailable ? BandMode::Tray : BandMode::Window;
}

QString BandClock::noTrayReason()
{
    return QCoreApplication::translate("BandClock",
                                       "This desktop has no system tray, so the task-bar clock "
                                       "shows its places in this window.");
}
