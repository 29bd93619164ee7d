#include "IniDocument.h"

#include <QTest>

// The INI reader and writer on their own: what a text reads as, and what a change writes.
class TestIniDocument : public QObject {
    Q_OBJECT

private slots:
    void repeatedNamesAndCase()
    {
        IniDocument doc = IniDocument::parse("[Data]\n"
                                             "WP0=first\n"
                                             "[Settings]\n"
                                             "Kind=1\n"
                                             "[DATA]\n"
                                             "wp0=second\n"
                                             "Other=x\n");
        QCOMPARE(doc.value(u"data", u"WP0").value_or(QString()), QStringLiteral("second"));
        QCOMPARE(doc.value(u"Settings", u"KIND").value_or(QString()), QStringLiteral("1"));
        QVERIFY(!doc.value(u"Settings", u"WP0"));
        QVERIFY(!doc.value(u"Nothing", u"Kind"));

        // The line that is read is the line that changes; the earlier one stays as it was.
        QVERIFY(doc.setValue(u"Data", u"WP0", QStringLiteral("third")));
        QCOMPARE(doc.serialize(), QByteArray("[Data]\n"
                                             "WP0=first\n"
                                             "[Settings]\n"
                                             "Kind=1\n"
                                             "[DATA]\n"
                                             "wp0=third\n"
                                             "Other=x\n"));
        QVERIFY(!doc.setValue(u"DATA", u"wp0", QStringLiteral("third")));
        QCOMPARE(IniDocument::parse(doc.serialize()).value(u"Data", u"WP0").value_or(QString()),
                 QStringLiteral("third"));
    }

    void newKeysAndSections()
    {
        IniDocument doc = IniDocument::parse("[Settings]\nKind = 1\n\n; data next\n[Data]\nCT=5");
        QVERIFY(doc.setValue(u"Settings", u"Start", QStringLiteral("1")));
        QVERIFY(doc.setValue(u"Data", u"Change", QStringLiteral("0")));
        QVERIFY(doc.setValue(u"Extra", u"A", QStringLiteral("b")));
        QVERIFY(doc.setValue(u"Settings", u"Kind", QStringLiteral("2")));
        QCOMPARE(doc.serialize(), QByteArray("[Settings]\nKind = 2\nStart=1\n\n; data next\n"
                                             "[Data]\nCT=5\nChange=0\n\n[Extra]\nA=b\n"));

        IniDocument empty = IniDocument::parse({});
        QVERIFY(empty.setValue(u"Settings", u"Start", QStringLiteral("1")));
        QVERIFY(empty.setValue(u"Data", u"PlcCount", QStringLiteral("-1")));
        QVERIFY(empty.setValue(u"Settings", u"Kind", QStringLiteral("2")));
        QCOMPARE(empty.serialize(),
                 QByteArray("[Settings]\nStart=1\nKind=2\n\n[Data]\nPlcCount=-1\n"));
    }

    void quotingAndEscapes_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << QStringLiteral("Tokyo") << QByteArray("K=Tokyo");
        QTest::newRow("inner blank and quote")
            << QStringLiteral("a \"b\" c") << QByteArray("K=a \"b\" c");
        QTest::newRow("outer blanks") << QStringLiteral(" x ") << QByteArray("K=\" x \"");
        QTest::newRow("leading quote") << QStringLiteral("\"q") << QByteArray("K=\"\\\"q\"");
        QTest::newRow("controls") << QStringLiteral("a\nb\tc\rd\x01")
                                  << QByteArray("K=\"a\\nb\\tc\\rd\\x01\"");
        QTest::newRow("backslash in quotes")
            << QStringLiteral("\\ end ") << QByteArray("K=\"\\\\ end \"");
        QTest::newRow("plain backslash") << QStringLiteral("C:\\x") << QByteArray("K=C:\\x");
        QTest::newRow("empty") << QString() << QByteArray("K=");
        QTest::newRow("Japanese") << QString::fromUtf8("東京") << QByteArray("K=東京");
    }

    void quotingAndEscapes()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, line);
        IniDocument doc = IniDocument::parse("[S]\n");
        doc.setValue(u"S", u"K", value);
        QCOMPARE(doc.serialize(), "[S]\n" + line + '\n');
        QCOMPARE(IniDocument::parse(doc.serialize()).value(u"S", u"K").value_or(QString()), value);
    }

    void handWrittenValues()
    {
        const IniDocument doc = IniDocument::parse("[S]\n"
                                                   "a = \"\\x41\\q\\\"\"\n" // known and unknown
                                                   "b=\"unterminated\n"
                                                   "c=\"\\x4\"\n"
                                                   "d=  spaced out  \n"
                                                   "=no key\n"
                                                   "e=x=y\n");
        QCOMPARE(doc.value(u"S", u"a").value_or(QString()), QStringLiteral("Aq\""));
        QCOMPARE(doc.value(u"S", u"b").value_or(QString()), QStringLiteral("\"unterminated"));
        QCOMPARE(doc.value(u"S", u"c").value_or(QString()), QStringLiteral("\\x4"));
        QCOMPARE(doc.value(u"S", u"d").value_or(QString()), QStringLiteral("spaced out"));
        QCOMPARE(doc.value(u"S", u"e").value_or(QString()), QStringLiteral("x=y"));
        QVERIFY(!doc.value(u"S", u""));
    }
};

QTEST_GUILESS_MAIN(TestIniDocument)
#include "tst_inidocument.moc"
