#include "WorldDb.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTimeZone>

#include <algorithm>
#include <vector>

namespace {

using T = WorldTable;

struct NamedNumber {
    QString name;
    int number = 0;
};

// Reads "name<TAB>number" lines (or "number<TAB>name<TAB>zone" with numberFirst), skipping
// comment lines; blanks at the ends of names are kept.
std::vector<QStringList> readTsv(const QString& file)
{
    QFile f(QStringLiteral(ZEL_WORLDDB_TEST_DATA "/") + file);
    std::vector<QStringList> rows;
    if (!f.open(QIODevice::ReadOnly))
        return rows;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        rows.push_back(line.split(QLatin1Char('\t')));
    }
    return rows;
}

std::vector<NamedNumber> expectedList(const QString& file)
{
    std::vector<NamedNumber> out;
    for (const QStringList& r : readTsv(file))
        out.push_back({r.value(0), r.value(1).toInt()});
    return out;
}

// The English country row of the entry with this English name, or -1.
int englishCountryRow(const WorldDb& db, const QString& name)
{
    for (int row = 0; row < db.rowCount(T::lstCountryName); ++row) {
        if (db.item(T::lstCountryName, row) == name)
            return row;
    }
    return -1;
}

int offsetMinutes(const WorldDb& db, int englishRow)
{
    return 60 * db.number(T::lstTimeDiffer, englishRow) + db.number(T::lstMinDiffer, englishRow);
}

// Standard offset of a zone this year: summer time only ever adds, so the lower of the
// mid-January and mid-July offsets.
int standardMinutes(const QTimeZone& zone, int year)
{
    const QDateTime jan(QDate(year, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime jul(QDate(year, 7, 15), QTime(12, 0), Qt::UTC);
    return std::min(zone.offsetFromUtc(jan), zone.offsetFromUtc(jul)) / 60;
}

struct BmpHeader {
    qint32 width = 0;
    qint32 height = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 99;
    quint32 coloursUsed = 0;
    qint64 fileSize = 0;
    quint32 declaredSize = 0;
};

BmpHeader readBmpHeader(const QString& resource)
{
    QFile f(resource);
    BmpHeader h;
    if (!f.open(QIODevice::ReadOnly))
        return h;
    const QByteArray b = f.readAll();
    if (b.size() < 54 || !b.startsWith("BM"))
        return h;
    const auto u32 = [&b](int at) {
        return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 |
               quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
    };
    h.declaredSize = u32(2);
    h.fileSize = b.size();
    h.width = qint32(u32(18));
    h.height = qint32(u32(22));
    h.bitsPerPixel = quint16(quint8(b[28]) | quint8(b[29]) << 8);
    h.compression = u32(30);
    h.coloursUsed = u32(46);
    return h;
}

// The one city whose country number deliberately differs from the fixed city list.
struct CityCountryException {
    const char* name;
    int listed; // number in the fixed city list
    int used;   // number in the database
};
// Kathmandu is Nepal's capital; under Guinea-Bissau it showed West African time.
constexpr CityCountryException kathmanduInNepal{"Kathmandu", 82, 22};

QString flagResource(int i)
{
    return QStringLiteral(":/worlddb/flags/flag%1.bmp").arg(i, 3, 10, QLatin1Char('0'));
}

} // namespace

class TestWorldDb : public QObject {
    Q_OBJECT

private:
    const WorldDb m_db;

private slots:
    void tableShapeAndNoneRows();
    void englishCountryNamesAndNumbers();
    void englishCityNamesAndNumbers();
    void kathmanduKeepsNepalTime();
    void keyColumnsAreUnique();
    void joinInvariants();
    void numberingAndRepresentativeCities();
    void japaneseNamesAndOrder();
    void offsetsAndSummerCodes();
    void offsetsAgreeWithTimeZoneDatabase();
    void detailsRecords();
    void flagPictures();
    void worldMap();
    void typedRowsAgreeWithTables();
};

void TestWorldDb::tableShapeAndNoneRows()
{
    const struct {
        T table;
        int rows;
        const char* none;
    } expected[] = {
        {T::lstCountryName, 216, " none"},
        {T::lstCoNo, 216, "0"},
        {T::lstSummer, 216, "0"},
        {T::lstTimeDiffer, 216, "9"},
        {T::lstMinDiffer, 216, "0"},
        {T::lstMnoCo, 216, "0"},
        {T::lstCotoCi, 216, "0"},
        {T::lstCountryNameJ, 216, "なし"},
        {T::lstCoNoCoJ, 216, "0"},
        {T::lstCityName, 382, " none"},
        {T::lstCoNoCi, 382, "0"},
        {T::lstCiNoCi, 382, "0"},
        {T::lstCityNameJ, 382, "なし"},
        {T::lstCoNoCiJ, 382, "0"},
        {T::lstCiNoCiJ, 382, "0"},
        {T::lstMNo, 197, "0"},
        {T::lstCountryM, 197, "none"},
        {T::lstCapital, 197, ""},
        {T::lstSN, 197, "x"},
        {T::lstEW, 197, "x"},
        {T::lstFlag, 197, "0"},
        {T::lstCurrency, 197, ""},
        {T::lstLanguage, 197, ""},
        {T::lstExchange, 197, ""},
        {T::lstTimeZone, 216, ""},
        {T::lstCityZone, 382, ""},
        {T::lstCityAlias, 382, ""},
        {T::lstCitySame, 382, "0"},
        {T::lstCountryReadingJ, 216, ""},
        {T::lstCityReadingJ, 382, ""},
    };
    QCOMPARE(std::size(expected), WorldDb::TableCount);
    for (const auto& e : expected) {
        const QString name = WorldDb::tableName(e.table);
        QVERIFY2(name.startsWith(QLatin1String("lst")), qPrintable(name));
        QVERIFY2(m_db.rowCount(e.table) == e.rows, qPrintable(name));
        QVERIFY2(m_db.item(e.table, 0) == QString::fromUtf8(e.none), qPrintable(name));
    }
    QCOMPARE(WorldDb::tableName(T::lstExchange), QStringLiteral("lstExchange"));
    QCOMPARE(m_db.item(T::lstCoNo, 216), QString());
    QCOMPARE(m_db.item(T::lstCoNo, -1), QString());
}

void TestWorldDb::englishCountryNamesAndNumbers()
{
    const auto expected = expectedList(QStringLiteral("expected_countries.tsv"));
    QCOMPARE(expected.size(), std::size_t(215));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int row = int(i) + 1;
        QCOMPARE(m_db.item(T::lstCountryName, row), expected[i].name);
        QCOMPARE(m_db.number(T::lstCoNo, row), expected[i].number);
    }
}

void TestWorldDb::englishCityNamesAndNumbers()
{
    const auto expected = expectedList(QStringLiteral("expected_cities.tsv"));
    QCOMPARE(expected.size(), std::size_t(381));
    int trailingBlanks = 0;
    int exceptionsApplied = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int row = int(i) + 1;
        const QString name = m_db.item(T::lstCityName, row);
        QCOMPARE(name, expected[i].name);
        int number = expected[i].number;
        if (name == QLatin1String(kathmanduInNepal.name)) {
            QCOMPARE(number, kathmanduInNepal.listed);
            number = kathmanduInNepal.used;
            ++exceptionsApplied;
        }
        QCOMPARE(m_db.number(T::lstCoNoCi, row), number);
        if (name.endsWith(QLatin1Char(' ')))
            ++trailingBlanks;
    }
    QCOMPARE(exceptionsApplied, 1);
    QCOMPARE(trailingBlanks, 34);
    const QStringList names = [&] {
        QStringList l;
        for (int r = 0; r < m_db.rowCount(T::lstCityName); ++r)
            l << m_db.item(T::lstCityName, r);
        return l;
    }();
    for (const char* special :
         {"Ａsmera", "Har’kov", "Saint George’s", "Saint John’s", "San‘a", "Wuhan ", "Santiago "})
        QVERIFY2(names.contains(QString::fromUtf8(special)), special);
    QCOMPARE(
        names.mid(378),
        QStringList({QStringLiteral("ウィニペッグ"), QStringLiteral("クリアカン"),
                     QStringLiteral("セント ・ ジョイス"), QStringLiteral("プエルト･アヨラ")}));
}

void TestWorldDb::kathmanduKeepsNepalTime()
{
    int row = -1;
    for (int r = 1; r < m_db.rowCount(T::lstCityName); ++r) {
        if (m_db.item(T::lstCityName, r) == QLatin1String(kathmanduInNepal.name)) {
            QCOMPARE(row, -1);
            row = r;
        }
    }
    QVERIFY(row > 0);
    const int entry = m_db.countryRow(m_db.number(T::lstCoNoCi, row));
    QVERIFY(entry > 0);
    QCOMPARE(m_db.item(T::lstCountryName, entry), QStringLiteral("Nepal"));
    QCOMPARE(m_db.number(T::lstTimeDiffer, entry), 6);
    QCOMPARE(m_db.number(T::lstMinDiffer, entry), -15);
    // It stays, and names the place of Nepal's own "Katmandu" row, which the search shows.
    const int same = m_db.cityRow(m_db.city(row).sameAs);
    QCOMPARE(m_db.city(same).name, QStringLiteral("Katmandu"));
    QCOMPARE(m_db.city(same).timeZone, m_db.city(row).timeZone);
}

void TestWorldDb::keyColumnsAreUnique()
{
    const auto isPermutation = [this](T table, int count) {
        QSet<int> seen;
        for (int r = 0; r < m_db.rowCount(table); ++r) {
            bool ok = false;
            const int v = m_db.item(table, r).toInt(&ok);
            if (!ok || v < 0 || v >= count || seen.contains(v))
                return false;
            seen.insert(v);
        }
        return seen.size() == count;
    };
    QVERIFY(isPermutation(T::lstCoNo, 216));
    QVERIFY(isPermutation(T::lstCoNoCoJ, 216));
    QVERIFY(isPermutation(T::lstCiNoCi, 382));
    QVERIFY(isPermutation(T::lstCiNoCiJ, 382));
    for (int m = 0; m < 197; ++m)
        QCOMPARE(m_db.number(T::lstMNo, m), m);
}

void TestWorldDb::joinInvariants()
{
    // 2: a Japanese country row names an entry that the English table has.
    for (int j = 0; j < 216; ++j) {
        const int coNo = m_db.number(T::lstCoNoCoJ, j);
        const int i = m_db.countryRow(coNo);
        QVERIFY(i >= 0);
        QCOMPARE(m_db.number(T::lstCoNo, i), coNo);
        QCOMPARE(m_db.countryJRow(coNo), j);
    }
    // 3: a city's country is the same in both orders.
    for (int j = 0; j < 382; ++j) {
        const int ciNo = m_db.number(T::lstCiNoCiJ, j);
        const int e = m_db.cityRow(ciNo);
        QVERIFY(e >= 0);
        QCOMPARE(m_db.number(T::lstCoNoCi, e), m_db.number(T::lstCoNoCiJ, j));
        QCOMPARE(m_db.cityJRow(ciNo), j);
    }
    // 4: every referenced key exists.
    for (int r = 0; r < 382; ++r) {
        QVERIFY(m_db.countryRow(m_db.number(T::lstCoNoCi, r)) >= 0);
        QVERIFY(m_db.countryRow(m_db.number(T::lstCoNoCiJ, r)) >= 0);
    }
    for (int i = 0; i < 216; ++i) {
        const int m = m_db.number(T::lstMnoCo, i);
        QVERIFY(m >= 0 && m < 197);
        QVERIFY(m_db.cityRow(m_db.number(T::lstCotoCi, i)) >= 0);
    }
    // 5: flag numbers.
    QCOMPARE(m_db.number(T::lstFlag, 0), 0);
    for (int m = 1; m < 197; ++m)
        QCOMPARE(m_db.number(T::lstFlag, m), m + 1);
    // Searches for absent numbers find nothing.
    QCOMPARE(m_db.countryRow(216), -1);
    QCOMPARE(m_db.cityJRow(-1), -1);
}

void TestWorldDb::numberingAndRepresentativeCities()
{
    const auto cityOf = [this](const char* entry) {
        const int i = englishCountryRow(m_db, QString::fromUtf8(entry));
        return m_db.item(T::lstCityName, m_db.cityRow(m_db.number(T::lstCotoCi, i)));
    };
    QCOMPARE(m_db.number(T::lstCotoCi, englishCountryRow(m_db, QStringLiteral("USA(Alaska)"))), 1);
    QCOMPARE(m_db.number(T::lstCotoCi, englishCountryRow(m_db, QStringLiteral("Japan"))), 17);
    QCOMPARE(cityOf("USA(Alaska)"), QStringLiteral("Anchorage"));
    QCOMPARE(cityOf("Japan"), QStringLiteral("Tokyo"));
    QCOMPARE(cityOf("USA(Central)"), QStringLiteral("Chicago"));
    QCOMPARE(cityOf("USA(Eastern)"), QStringLiteral("Washington"));
    QCOMPARE(cityOf("Australia(W.A.)"), QStringLiteral("Adelaide"));

    // Details numbers follow country numbers; zones of one country share one record.
    const struct {
        int coNo;
        int mNo;
    } pinned[] = {{1, 1}, {6, 1}, {7, 2}, {8, 3}, {9, 4}, {10, 5}, {13, 5}, {14, 6}};
    for (const auto& p : pinned)
        QCOMPARE(m_db.number(T::lstMnoCo, m_db.countryRow(p.coNo)), p.mNo);
    int last = 0;
    QSet<int> used;
    for (int coNo = 1; coNo <= 215; ++coNo) {
        const int m = m_db.number(T::lstMnoCo, m_db.countryRow(coNo));
        QVERIFY2(m == last || m == last + 1, qPrintable(QString::number(coNo)));
        last = m;
        used.insert(m);
    }
    QCOMPARE(used.size(), 196);

    // Each entry has one to eight cities, its representative city among them.
    for (int i = 1; i < 216; ++i) {
        const int coNo = m_db.number(T::lstCoNo, i);
        int cities = 0;
        for (int r = 1; r < 382; ++r)
            cities += m_db.number(T::lstCoNoCi, r) == coNo ? 1 : 0;
        QVERIFY2(cities >= 1 && cities <= 8, qPrintable(m_db.item(T::lstCountryName, i)));
        const int rep = m_db.cityRow(m_db.number(T::lstCotoCi, i));
        QCOMPARE(m_db.number(T::lstCoNoCi, rep), coNo);
    }
    // Repeated names are told apart by their country numbers.
    QList<int> georgetown;
    for (int r = 1; r < 382; ++r) {
        if (m_db.item(T::lstCityName, r) == QLatin1String("Georgetown"))
            georgetown << m_db.number(T::lstCoNoCi, r);
    }
    QCOMPARE(georgetown, QList<int>({16, 70}));
}

void TestWorldDb::japaneseNamesAndOrder()
{
    QStringList countries;
    for (int j = 0; j < 216; ++j)
        countries << m_db.item(T::lstCountryNameJ, j);
    QCOMPARE(QSet<QString>(countries.begin(), countries.end()).size(), 216);
    const auto rowOf = [&countries](const char* name) {
        return countries.indexOf(QString::fromUtf8(name));
    };
    QVERIFY(rowOf("アメリカ(東部)") > 0);
    QCOMPARE(m_db.number(T::lstCoNoCoJ, rowOf("アメリカ(東部)")), 3);
    QCOMPARE(m_db.number(T::lstCoNoCoJ, rowOf("日本")), 7);
    // Ordered by reading: 韓国 (かんこく) among the ka names, 日本 (にほん) among the ni names.
    QVERIFY(rowOf("カナダ(中部)") < rowOf("韓国"));
    QVERIFY(rowOf("韓国") < rowOf("カンボジア"));
    QVERIFY(rowOf("ニジェール") < rowOf("日本"));
    QVERIFY(rowOf("日本") < rowOf("ニュージーランド"));
    // 仏領 is ふつりょう, among the fu names, not ほとけ among the ho names.
    QCOMPARE(rowOf("仏領ギアナ"), rowOf("ブータン") + 1);
    QCOMPARE(rowOf("ブラジル(中部)"), rowOf("仏領ギアナ") + 1);
    QCOMPARE(rowOf("アイスランド"), 1);

    QStringList cities;
    for (int j = 0; j < 382; ++j)
        cities << m_db.item(T::lstCityNameJ, j);
    for (const QString& c : cities)
        QVERIFY(!c.isEmpty() && c.trimmed() == c);
    for (const char* name : {"仁川（インチョン）", "台北（タイペイ）", "東京", "大阪"})
        QVERIFY2(cities.contains(QString::fromUtf8(name)), name);
    QVERIFY(cities.indexOf(QStringLiteral("仁川（インチョン）")) <
            cities.indexOf(QStringLiteral("ウィーン")));
    // Repeated English names repeat in Japanese, with their own country numbers.
    for (const char* name : {"Georgetown", "Tripoli", "Valencia"}) {
        QSet<QString> japanese;
        QSet<int> coNos;
        for (int r = 1; r < 382; ++r) {
            if (m_db.item(T::lstCityName, r) != QLatin1String(name))
                continue;
            const int ciNo = m_db.number(T::lstCiNoCi, r);
            japanese.insert(m_db.item(T::lstCityNameJ, m_db.cityJRow(ciNo)));
            coNos.insert(m_db.number(T::lstCoNoCi, r));
        }
        QCOMPARE(japanese.size(), 1);
        QCOMPARE(coNos.size(), 2);
    }
}

void TestWorldDb::offsetsAndSummerCodes()
{
    int withMinutes = 0;
    for (int i = 1; i < 216; ++i) {
        const int h = m_db.number(T::lstTimeDiffer, i);
        const int m = m_db.number(T::lstMinDiffer, i);
        QVERIFY(h >= -13 && h <= 13);
        QVERIFY2(m == 0 || m == 30 || m == -30 || m == -15,
                 qPrintable(m_db.item(T::lstCountryName, i)));
        const int s = m_db.number(T::lstSummer, i);
        QVERIFY(s >= 0 && s <= 2);
        withMinutes += m != 0 ? 1 : 0;
    }
    QVERIFY(withMinutes >= 5);
    const struct {
        const char* entry;
        int hours;
        int minutes;
    } forms[] = {{"India", 6, -30}, {"Nepal", 6, -15},          {"Afghanistan", 5, -30},
                 {"Iran", 4, -30},  {"Australia(N.T.)", 9, 30}, {"Australia(W.A.)", 9, 30},
                 {"Japan", 9, 0},   {"USA(Hawaii)", -10, 0}};
    for (const auto& f : forms) {
        const int i = englishCountryRow(m_db, QString::fromUtf8(f.entry));
        QCOMPARE(m_db.number(T::lstTimeDiffer, i), f.hours);
        QCOMPARE(m_db.number(T::lstMinDiffer, i), f.minutes);
    }
    const auto summer = [this](const char* entry) {
        return m_db.number(T::lstSummer, englishCountryRow(m_db, QString::fromUtf8(entry)));
    };
    QCOMPARE(summer("Japan"), 0);
    QCOMPARE(summer("USA(Hawaii)"), 0);
    QCOMPARE(summer("USA(Eastern)"), 1);
    QCOMPARE(summer("Germany"), 1);
    // Southern summer times count as well; Morocco's Ramadan hour goes back, not ahead.
    QCOMPARE(summer("New Zealand"), 1);
    QCOMPARE(summer("Chile"), 1);
    QCOMPARE(summer("Morocco"), 0);
    // Sydney and Canberra keep summer time, Brisbane does not: the user decides.
    QCOMPARE(summer("Australia(Eastern)"), 2);
    int codes[3] = {0, 0, 0};
    for (int i = 1; i < 216; ++i)
        ++codes[m_db.number(T::lstSummer, i)];
    QCOMPARE(codes[0], 152);
    QCOMPARE(codes[1], 62);
    QCOMPARE(codes[2], 1);
}

void TestWorldDb::offsetsAgreeWithTimeZoneDatabase()
{
    const auto zones = readTsv(QStringLiteral("entry_zones.tsv"));
    QCOMPARE(zones.size(), std::size_t(215));
    const int year = QDate::currentDate().year();
    for (const QStringList& z : zones) {
        const int coNo = z.value(0).toInt();
        const int i = m_db.countryRow(coNo);
        QCOMPARE(m_db.item(T::lstCountryName, i), z.value(1));
        const QTimeZone zone(z.value(2).toUtf8());
        QVERIFY2(zone.isValid(), qPrintable(z.value(2)));
        const QString what = z.value(1) + QLatin1Char(' ') + z.value(2);
        QVERIFY2(offsetMinutes(m_db, i) == standardMinutes(zone, year), qPrintable(what));
        // The zone table names the same zone, and the clocks must find it.
        QCOMPARE(m_db.timeZone(i), z.value(2));
        // Code 0: never ahead of the standard offset this year or the next two; code 1: ahead
        // at some time this year, in either hemisphere.
        const QDateTime from(QDate(year, 1, 1), QTime(0, 0), Qt::UTC);
        const auto aheadUntil = [&](const QDateTime& to) {
            const auto transitions = zone.transitions(from, to);
            return std::any_of(transitions.begin(), transitions.end(), [&](const auto& t) {
                return t.offsetFromUtc / 60 > offsetMinutes(m_db, i);
            });
        };
        const int s = m_db.number(T::lstSummer, i);
        if (s == 0)
            QVERIFY2(!aheadUntil(from.addYears(3)), qPrintable(what));
        if (s == 1)
            QVERIFY2(aheadUntil(from.addYears(1)), qPrintable(what));
    }
    QCOMPARE(m_db.timeZone(0), QString());
    QCOMPARE(m_db.timeZone(216), QString());
}

void TestWorldDb::detailsRecords()
{
    const QRegularExpression currency(QStringLiteral("^1 .+ \\(.+\\) = \\d+ \\S.*$"));
    int exchangeWithRate = 0;
    for (int m = 1; m < 197; ++m) {
        bool okSn = false;
        bool okEw = false;
        const int sn = m_db.item(T::lstSN, m).toInt(&okSn);
        const int ew = m_db.item(T::lstEW, m).toInt(&okEw);
        QVERIFY(okSn && okEw && sn >= -90 && sn <= 90 && ew >= -180 && ew <= 180);
        QVERIFY(!m_db.item(T::lstCountryM, m).isEmpty());
        QVERIFY(!m_db.item(T::lstCapital, m).isEmpty());
        QVERIFY2(currency.match(m_db.item(T::lstCurrency, m)).hasMatch(),
                 qPrintable(m_db.item(T::lstCurrency, m)));
        for (T t : {T::lstCountryM, T::lstCapital, T::lstCurrency, T::lstLanguage, T::lstExchange})
            QVERIFY(m_db.item(t, m).size() <= 250);
        if (m_db.item(T::lstExchange, m).contains(QLatin1String("per US$1 - ")))
            ++exchangeWithRate;
    }
    QVERIFY(exchangeWithRate > 180);
    // Japan: south and east positive.
    const int japan = m_db.number(T::lstMnoCo, m_db.countryRow(7));
    QCOMPARE(m_db.item(T::lstSN, japan), QStringLiteral("-36"));
    QCOMPARE(m_db.item(T::lstEW, japan), QStringLiteral("138"));
    QCOMPARE(m_db.item(T::lstCapital, japan), QStringLiteral("Tokyo"));
    QVERIFY(m_db.item(T::lstCurrency, japan).contains(QLatin1String("yen")));
    const int australia = m_db.number(T::lstMnoCo, m_db.countryRow(10));
    QVERIFY(m_db.number(T::lstSN, australia) > 0);
    const int usa = m_db.number(T::lstMnoCo, m_db.countryRow(1));
    QVERIFY(m_db.number(T::lstEW, usa) < 0 && m_db.number(T::lstSN, usa) < 0);
}

void TestWorldDb::flagPictures()
{
    QCOMPARE(WorldDb::flag(WorldDb::FlagCount), QImage());
    int standardWidth = 0;
    for (int i = 0; i < WorldDb::FlagCount; ++i) {
        const BmpHeader h = readBmpHeader(flagResource(i));
        QVERIFY2(h.bitsPerPixel == 4 && h.compression == 0 && h.coloursUsed == 16,
                 qPrintable(flagResource(i)));
        QCOMPARE(h.height, 36);
        QVERIFY(h.width >= 27 && h.width <= 73);
        QCOMPARE(qint64(h.declaredSize), h.fileSize);
        standardWidth += h.width == 54 ? 1 : 0;
        const QImage img = WorldDb::flag(i);
        QVERIFY(!img.isNull());
        QCOMPARE(img.size(), QSize(h.width, 36));
    }
    QVERIFY(standardWidth > 60);
    const QImage none = WorldDb::flag(0);
    for (int y = 0; y < none.height(); ++y)
        for (int x = 0; x < none.width(); ++x)
            QCOMPARE(none.pixel(x, y), qRgb(255, 255, 255));
    const QImage placeholder = WorldDb::flag(1);
    QCOMPARE(placeholder.pixel(0, 0), qRgb(0, 128, 0));
    // Japan's flag: white field, red disc in the middle.
    const QImage japan = WorldDb::flag(3);
    const QColor field(japan.pixel(2, 2));
    QVERIFY(field.red() > 230 && field.green() > 230 && field.blue() > 230);
    const QColor centre(japan.pixel(japan.width() / 2, 18));
    QVERIFY(centre.red() > 150 && centre.green() < 80);
}

void TestWorldDb::worldMap()
{
    const BmpHeader h = readBmpHeader(QStringLiteral(":/worlddb/world.bmp"));
    QCOMPARE(h.width, 349);
    QCOMPARE(h.height, 206);
    QCOMPARE(h.bitsPerPixel, quint16(4));
    QCOMPARE(h.coloursUsed, 16u);
    const QImage map = WorldDb::worldMap();
    QCOMPARE(map.size(), QSize(349, 206));

    // The cross-hair of a details record, in map pixels.
    const auto pixelOf = [&](int sn, int ew) {
        const double x = 3620.0 + 5200.0 * (ew + 180) / 360.0 - 3720.0;
        const double y = 620.0 + 3000.0 * (sn + 90) / 180.0 - 120.0;
        return map.pixel(int(x / 15.0), int(y / 15.0));
    };
    const QRgb sea = pixelOf(10, -140); // Pacific, 10 S 140 W
    QCOMPARE(pixelOf(-30, -40), sea);   // Atlantic, 30 N 40 W
    QCOMPARE(pixelOf(20, 80), sea);     // Indian Ocean, 20 S 80 E
    // Large countries: their record's centre is land, coloured like entries of the same offset.
    const auto recordPixel = [&](int coNo) {
        const int m = m_db.number(T::lstMnoCo, m_db.countryRow(coNo));
        return pixelOf(m_db.number(T::lstSN, m), m_db.number(T::lstEW, m));
    };
    for (int coNo : {1, 7, 10, 15, 24, 40, 45, 49, 53, 98, 215})
        QVERIFY2(recordPixel(coNo) != sea, qPrintable(QString::number(coNo)));
    QCOMPARE(recordPixel(15), recordPixel(201)); // China and Mongolia: both UTC+8
    QCOMPARE(recordPixel(98), recordPixel(92));  // Saudi Arabia and Kenya: UTC+3
    QVERIFY(recordPixel(7) != recordPixel(15));  // Japan +9, China +8
    // The zone-number bands at top and bottom are not sea.
    QVERIFY(map.pixel(0, 0) != sea && map.pixel(0, 205) != sea);
}

// The typed rows are the tables' texts with their numbers read once; rows outside a group read
// as its none row, and row 0's "x" position is no number at all.
void TestWorldDb::typedRowsAgreeWithTables()
{
    for (int r = 0; r < m_db.rowCount(T::lstCountryName); ++r) {
        const CountryEntry& e = m_db.country(r);
        QCOMPARE(e.name, m_db.item(T::lstCountryName, r));
        QCOMPARE(e.coNo, m_db.number(T::lstCoNo, r));
        QCOMPARE(int(e.summer), m_db.number(T::lstSummer, r));
        QCOMPARE(e.offsetMinutes(),
                 60 * m_db.number(T::lstTimeDiffer, r) + m_db.number(T::lstMinDiffer, r));
        QCOMPARE(e.mNo, m_db.number(T::lstMnoCo, r));
        QCOMPARE(e.cityNo, m_db.number(T::lstCotoCi, r));
        QCOMPARE(e.timeZone, m_db.timeZone(r));
    }
    for (int r = 0; r < m_db.rowCount(T::lstCityNameJ); ++r) {
        QCOMPARE(m_db.cityJ(r).name, m_db.item(T::lstCityNameJ, r));
        QCOMPARE(m_db.cityJ(r).ciNo, m_db.number(T::lstCiNoCiJ, r));
        QCOMPARE(m_db.city(r).coNo, m_db.number(T::lstCoNoCi, r));
    }
    const int nepal = m_db.countryRow(22);
    QCOMPARE(m_db.country(nepal).offsetMinutes(), 5 * 60 + 45);
    QCOMPARE(m_db.countryJ(m_db.countryJRow(7)).coNo, 7);

    const CountryDetails& usa = m_db.details(1);
    QCOMPARE(usa.south, std::optional<int>(-38));
    QCOMPARE(usa.east, std::optional<int>(-97));
    QCOMPARE(usa.flag, 2);
    QCOMPARE(usa.officialName, m_db.item(T::lstCountryM, 1));
    QVERIFY(!m_db.details(0).south && !m_db.details(0).east);
    QCOMPARE(m_db.details(0).officialName, QStringLiteral("none"));

    for (int outside : {-1, 216, 100000}) {
        QCOMPARE(m_db.country(outside).name, QStringLiteral(" none"));
        QCOMPARE(m_db.countryJ(outside).coNo, 0);
    }
    QCOMPARE(m_db.city(382).name, QStringLiteral(" none"));
    QCOMPARE(m_db.details(197).flag, 0);
}

QTEST_GUILESS_MAIN(TestWorldDb)
#include "tst_WorldDb.moc"
