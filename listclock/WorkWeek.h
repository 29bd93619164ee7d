#pragma once

#include <QByteArray>
#include <QDate>
#include <bitset>

// The days a place works, from its country's week data: Monday to Friday in most countries,
// Sunday to Thursday where the weekend is Friday and Saturday (Israel, Saudi Arabia), Saturday
// to Thursday where it is Friday alone (Iran). The country is the one the time zone belongs to.
class WorkWeek {
public:
    // Monday to Friday.
    WorkWeek();
    // The week of the country of an IANA zone; Monday to Friday for a zone of no country
    // ("Etc/UTC") or one the week data does not know.
    static WorkWeek ofZone(const QByteArray& zoneId);
    // The country (two letters) an IANA zone belongs to, empty for none.
    static QByteArray regionOf(const QByteArray& zoneId);

    bool isWorkday(const QDate& date) const { return m_days[std::size_t(date.dayOfWeek() - 1)]; }
    bool operator==(const WorkWeek&) const = default;

private:
    static constexpr std::size_t kDays = 7;
    std::bitset<kDays> m_days; // Monday first
};
