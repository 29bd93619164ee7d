#include "WorldDb.h"

#include <QFile>

namespace {

constexpr std::array<const char*, WorldDb::TableCount> tableNames = {
    "lstCountryName",
    "lstCoNo",
    "lstSummer",
    "lstTimeDiffer",
    "lstMinDiffer",
    "lstMnoCo",
    "lstCotoCi",
    "lstCountryNameJ",
    "lstCoNoCoJ",
    "lstCityName",
    "lstCoNoCi",
    "lstCiNoCi",
    "lstCityNameJ",
    "lstCoNoCiJ",
    "lstCiNoCiJ",
    "lstMNo",
    "lstCountryM",
    "lstCapital",
    "lstSN",
    "lstEW",
    "lstFlag",
    "lstCurrency",
    "lstLanguage",
    "lstExchange",
    "lstTimeZone",
    "lstCityZone",
    "lstCityAlias",
    "lstCitySame",
    "lstCountryReadingJ",
    "lstCityReadingJ",
};

SummerCode summerCode(int number)
{
    switch (number) {
    case 1:
        return SummerCode::Observed;
    case 2:
        return SummerCode::Undetermined;
    default:
        return SummerCode::None;
    }
}

std::size_t indexOf(WorldTable table)
{
    return static_cast<std::size_t>(table);
}

// One item a line, each line ended by "\n"; an empty line is an empty item, and the blanks
// at the ends of items belong to them.
QStringList readTable(const char* name)
{
    QFile file(QStringLiteral(":/worlddb/tables/%1.txt").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Row 0 stands in for a row outside the group; every group has one.
template <typename Row> const Row& rowOrNone(const std::vector<Row>& rows, int row)
{
    static const Row none;
    if (row >= 0 && std::size_t(row) < rows.size())
        return rows[std::size_t(row)];
    return rows.empty() ? none : rows.front();
}

} // namespace

WorldDb::WorldDb()
{
    for (std::size_t i = 0; i < TableCount; ++i)
        m_tables[i] = readTable(tableNames[i]);

    using T = WorldTable;
    for (int r = 0; r < rowCount(T::lstCountryName); ++r) {
        m_countries.push_back({item(T::lstCountryName, r), number(T::lstCoNo, r),
                               summerCode(number(T::lstSummer, r)), number(T::lstTimeDiffer, r),
                               number(T::lstMinDiffer, r), number(T::lstMnoCo, r),
                               number(T::lstCotoCi, r), item(T::lstTimeZone, r)});
    }
    for (int r = 0; r < rowCount(T::lstCountryNameJ); ++r)
        m_countriesJ.push_back({item(T::lstCountryNameJ, r), number(T::lstCoNoCoJ, r),
                                item(T::lstCountryReadingJ, r)});
    for (int r = 0; r < rowCount(T::lstCityName); ++r)
        m_cities.push_back({item(T::lstCityName, r), number(T::lstCoNoCi, r),
                            number(T::lstCiNoCi, r), item(T::lstCityZone, r),
                            item(T::lstCityAlias, r).split(u'|', Qt::SkipEmptyParts),
                            number(T::lstCitySame, r), QString()});
    for (int r = 0; r < rowCount(T::lstCityNameJ); ++r) {
        m_citiesJ.push_back({item(T::lstCityNameJ, r),
                             number(T::lstCoNoCiJ, r),
                             number(T::lstCiNoCiJ, r),
                             QString(),
                             {},
                             0,
                             item(T::lstCityReadingJ, r)});
    }
    for (int r = 0; r < rowCount(T::lstMNo); ++r) {
        m_details.push_back({item(T::lstCountryM, r), item(T::lstCapital, r),
                             wholeNumber(item(T::lstSN, r)), wholeNumber(item(T::lstEW, r)),
                             number(T::lstFlag, r), item(T::lstCurrency, r),
                             item(T::lstLanguage, r), item(T::lstExchange, r)});
    }
}

const CountryEntry& WorldDb::country(int row) const
{
    return rowOrNone(m_countries, row);
}
const CountryName& WorldDb::countryJ(int row) const
{
    return rowOrNone(m_countriesJ, row);
}
const City& WorldDb::city(int row) const
{
    return rowOrNone(m_cities, row);
}
const City& WorldDb::cityJ(int row) const
{
    return rowOrNone(m_citiesJ, row);
}
const CountryDetails& WorldDb::details(int mNo) const
{
    return rowOrNone(m_details, mNo);
}

QString WorldDb::tableName(WorldTable table)
{
    return QLatin1String(tableNames[indexOf(table)]);
}

int WorldDb::rowCount(WorldTable table) const
{
    return static_cast<int>(m_tables[indexOf(table)].size());
}

QString WorldDb::item(WorldTable table, int row) const
{
    const QStringList& rows = m_tables[indexOf(table)];
    return row >= 0 && row < rows.size() ? rows[row] : QString();
}

int WorldDb::number(WorldTable table, int row) const
{
    return item(table, row).toInt();
}

int WorldDb::search(WorldTable table, int number) const
{
    const QString wanted = QString::number(number);
    const QStringList& rows = m_tables[indexOf(table)];
    for (qsizetype row = 0; row < rows.size(); ++row) {
        if (rows[row] == wanted)
            return static_cast<int>(row);
    }
    return -1;
}

QString WorldDb::timeZone(int englishRow) const
{
    return item(WorldTable::lstTimeZone, englishRow);
}

int WorldDb::countryRow(int coNo) const
{
    return search(WorldTable::lstCoNo, coNo);
}
int WorldDb::countryJRow(int coNo) const
{
    return search(WorldTable::lstCoNoCoJ, coNo);
}
int WorldDb::cityRow(int ciNo) const
{
    return search(WorldTable::lstCiNoCi, ciNo);
}
int WorldDb::cityJRow(int ciNo) const
{
    return search(WorldTable::lstCiNoCiJ, ciNo);
}

QImage WorldDb::flag(int index)
{
    if (index < 0 || index >= FlagCount)
        return {};
    return QImage(QStringLiteral(":/worlddb/flags/flag%1.bmp").arg(index, 3, 10, QLatin1Char('0')),
                  "BMP");
}

QImage WorldDb::worldMap()
{
    return QImage(QStringLiteral(":/worlddb/world.bmp"), "BMP");
}
