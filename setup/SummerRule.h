#pragma once

#include <QDate>
#include <QDateTime>

struct CountryEntry;

// Whether a place is put into summer time on its own when the user picks it. One summer period
// serves every entry whose summer code is 1: from the first Sunday of April to the Saturday
// before the last Sunday of October of the current local year, both at 00:00 and both ends
// excluded. Entries of code 0 never observe it and code 2 only by the user's own switch.
class SummerRule {
public:
    // The period of the year of the given local date; kept for the whole run.
    explicit SummerRule(QDate today = {});

    bool automaticSummer(const CountryEntry& entry, const QDateTime& localNow) const;

    QDate firstDay() const { return m_start; } // its start at 00:00
    QDate lastDay() const { return m_end; }    // its end at 00:00

private:
    QDate m_start;
    QDate m_end;
};
