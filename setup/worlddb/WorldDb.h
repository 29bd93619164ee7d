#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

// The settings program's read-only world database: 30 aligned text tables and 199 pictures
// (198 flags and the time-zone map), embedded as resources under ":/worlddb". Every value is
// text, numbers included; row 0 of every table is the "none" row.
//
// Tables are named after the list controls that hold them. The groups of aligned tables:
//   English country rows (216): lstCountryName .. lstCotoCi, lstTimeZone
//   Japanese country rows (216): lstCountryNameJ, lstCoNoCoJ, lstCountryReadingJ
//   English city rows (382): lstCityName, lstCoNoCi, lstCiNoCi, lstCityZone, lstCityAlias,
//                            lstCitySame
//   Japanese city rows (382): lstCityNameJ, lstCoNoCiJ, lstCiNoCiJ, lstCityReadingJ
//   details rows (197): lstMNo .. lstExchange
enum class WorldTable {
    lstCountryName,
    lstCoNo,
    lstSummer,
    lstTimeDiffer,
    lstMinDiffer,
    lstMnoCo,
    lstCotoCi,
    lstCountryNameJ,
    lstCoNoCoJ,
    lstCityName,
    lstCoNoCi,
    lstCiNoCi,
    lstCityNameJ,
    lstCoNoCiJ,
    lstCiNoCiJ,
    lstMNo,
    lstCountryM,
    lstCapital,
    lstSN,
    lstEW,
    lstFlag,
    lstCurrency,
    lstLanguage,
    lstExchange,
    lstTimeZone, // IANA zone of the entry's representative city; row 0 empty
    lstCityZone, // IANA zone of each English city row; row 0 empty
    // For the search alone:
    lstCityAlias,       // other English names of the city, joined by "|"; mostly empty
    lstCitySame,        // the city number of the row that names the same place; 0 for most
    lstCountryReadingJ, // kana reading (hiragana) of each Japanese country row
    lstCityReadingJ,    // kana reading of each Japanese city row
};

// Typed rows of the aligned table groups, their numbers parsed once when the database loads.
// A row outside its group reads as the group's row 0, the "none" row.

// A country entry's summer-time code (lstSummer): no summer time, the summer rule applies, or it
// is not known whether the place observes summer time.
enum class SummerCode { None = 0, Observed = 1, Undetermined = 2 };

// An English country row: a country entry.
struct CountryEntry {
    QString name;
    int coNo = 0;
    SummerCode summer = SummerCode::None;
    int hours = 0;    // of the standard UTC offset
    int minutes = 0;  // added to the hours, sign of its own
    int mNo = 0;      // details record
    int cityNo = 0;   // representative city
    QString timeZone; // IANA id; empty for row 0
    int offsetMinutes() const { return 60 * hours + minutes; }
};

// A Japanese country row.
struct CountryName {
    QString name;
    int coNo = 0;
    QString reading; // hiragana
};

// An English or Japanese city row.
struct City {
    QString name;
    int coNo = 0;
    int ciNo = 0;
    QString timeZone;    // the city's own IANA id; English rows only, empty for row 0
    QStringList aliases; // other English names (today's for an old one); English rows only
    int sameAs = 0;      // the city number of the row naming the same place; English rows only
    QString reading;     // hiragana; Japanese rows only
};

// A details record.
struct CountryDetails {
    QString officialName;
    QString capital;
    std::optional<int> south; // latitude in degrees, south positive; none for row 0's "x"
    std::optional<int> east;  // longitude in degrees, east positive
    int flag = 0;             // picture index
    QString currency;
    QString language;
    QString exchange;
};

class WorldDb {
public:
    static constexpr std::size_t TableCount = 30;
    static constexpr int FlagCount = 198;

    // Reads all tables from the embedded resource. Pictures are decoded only when asked for.
    WorldDb();

    // The table's name as text ("lstCoNo").
    static QString tableName(WorldTable table);

    int rowCount(WorldTable table) const;
    // The text of a row; rows outside the table give an empty text.
    QString item(WorldTable table, int row) const;
    // The row's text read as a decimal integer (0 where it is not one, as for the "x" of
    // lstSN/lstEW row 0).
    int number(WorldTable table, int row) const;

    // First-match searches from row 0 over the key columns; -1 where the number is absent.
    int countryRow(int coNo) const;  // English country row, by lstCoNo
    int countryJRow(int coNo) const; // Japanese country row, by lstCoNoCoJ
    int cityRow(int ciNo) const;     // English city row, by lstCiNoCi
    int cityJRow(int ciNo) const;    // Japanese city row, by lstCiNoCiJ

    // The IANA time-zone id of an English country row (as QTimeZone knows it); empty for row 0.
    QString timeZone(int englishRow) const;

    const CountryEntry& country(int row) const; // English country row
    const CountryName& countryJ(int row) const; // Japanese country row
    const City& city(int row) const;            // English city row
    const City& cityJ(int row) const;           // Japanese city row
    const CountryDetails& details(int mNo) const;

    // Flag picture 0 .. FlagCount - 1 (a 16-colour bitmap, 36 pixels high); a null image for
    // an index outside that range.
    static QImage flag(int index);
    // The 349 x 206 time-zone world map.
    static QImage worldMap();

private:
    int search(WorldTable table, int number) const;

    std::array<QStringList, TableCount> m_tables;
    std::vector<CountryEntry> m_countries;
    std::vector<CountryName> m_countriesJ;
    std::vector<City> m_cities;
    std::vector<City> m_citiesJ;
    std::vector<CountryDetails> m_details;
};
