// The search over the world database and the system's time zones: each text typed, in which
// language the places are named, and a place that must be found (first, or anywhere) or not.
#include "PlaceSearch.h"
#include "WorldDb.h"

#include <QtTest>

class TestPlaceSearch : public QObject {
    Q_OBJECT

private slots:
    void find_data();
    void find();
};

void TestPlaceSearch::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("found"); // as the list shows it
    QTest::addColumn<bool>("first");
    QTest::addColumn<QString>("absent");
    const auto row = [](const char* tag, const char16_t* text, bool english, const char16_t* found,
                        bool first, const char16_t* absent = u"") {
        QTest::newRow(tag) << QString::fromUtf16(text) << english << QString::fromUtf16(found)
                           << first << QString::fromUtf16(absent);
    };
    row("English start", u"Syd", true, u"Sydney \u2013 Australia(Eastern)", true);
    row("starts before contains", u"lon", true, u"London \u2013 United Kingdom", true);
    row("contains", u"lon", true, u"Barcelona \u2013 Spain", false);
    row("country entry", u"usa(east", true, u"USA(Eastern)", true);
    row("Japanese", u"ニューヨーク", false, u"ニューヨーク \u2013 アメリカ(東部)", true);
    row("hiragana for katakana", u"しどにー", false, u"シドニー \u2013 オーストラリア(東部)", true);
    row("half-width katakana", u"ｼﾄﾞﾆｰ", true, u"Sydney (シドニー) \u2013 Australia(Eastern)",
        true);
    row("reading of kanji", u"とうきょう", false, u"東京 (とうきょう) \u2013 日本", true);
    row("case and accents", u"MÜNCH", true, u"Munchen \u2013 Germany", true);
    row("old name", u"Kiev", true, u"Kiev \u2013 Ukraina", true);
    row("new name", u"Kyiv", true, u"Kiev (Kyiv) \u2013 Ukraina", true);
    row("Chennai", u"Chennai", true, u"Madras (Chennai) \u2013 India", true);
    row("zone city is the listed city", u"Kolkata", true, u"Calcutta (Kolkata) \u2013 India", true,
        u"Kolkata \u2013 Asia/Kolkata");
    row("duplicate once", u"Kathmandu", true, u"Katmandu (Kathmandu) \u2013 Nepal", true,
        u"Kathmandu \u2013 Nepal");
    row("misspelt city by its zone", u"Auck", true, u"Oakland (Auckland) \u2013 New Zealand", true,
        u"Auckland \u2013 Pacific/Auckland");
    row("zone city alone", u"Indianapo", true, u"Indianapolis \u2013 America/Indiana/Indianapolis",
        true);
    row("zone city in Japanese", u"ふぇにっくす", false, u"フェニックス \u2013 America/Phoenix",
        true);
    row("nothing for blanks", u" - ", true, u"", false);
}

void TestPlaceSearch::find()
{
    QFETCH(QString, text);
    QFETCH(bool, english);
    QFETCH(QString, found);
    QFETCH(bool, first);
    QFETCH(QString, absent);
    static const WorldDb db;
    static const PlaceSearch search(db, ZoneCities::all());
    QStringList texts;
    for (const FoundPlace& f : search.find(text, english))
        texts << f.text();
    if (found.isEmpty())
        QVERIFY2(texts.isEmpty(), qPrintable(texts.join(u'\n')));
    else if (first)
        QCOMPARE(texts.value(0), found);
    else
        QVERIFY2(texts.contains(found), qPrintable(texts.join(u'\n')));
    QVERIFY2(absent.isEmpty() || !texts.contains(absent), qPrintable(texts.join(u'\n')));
    QCOMPARE(texts.removeDuplicates(), 0);
}

QTEST_GUILESS_MAIN(TestPlaceSearch)
#include "tst_placesearch.moc"
