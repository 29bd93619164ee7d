#include "UiLanguage.h"

#include <QCoreApplication>
#include <QtTest>

namespace {

// A text of Qt's own standard buttons, and one of the suite's.
QString qtCancel()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}
QString suiteContents()
{
    return QCoreApplication::translate("HelpWindow", "Contents");
}

} // namespace

class TestUiLanguage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { UiLanguage::install(QLocale::c()); }

    void languageOfTheLocaleOrEnglish_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("qtTranslated");
        QTest::addColumn<QString>("contents");
        const QString english = QStringLiteral("Contents");
        QTest::newRow("ja_JP") << QStringLiteral("ja_JP") << QStringLiteral("ja") << true
                               << QStringLiteral("目次");
        QTest::newRow("en_US") << QStringLiteral("en_US") << QStringLiteral("en") << false
                               << english;
        QTest::newRow("C") << QStringLiteral("C") << QStringLiteral("en") << false << english;
        // Qt has German, the suite not: all English rather than Qt's buttons in German.
        QTest::newRow("de_DE") << QStringLiteral("de_DE") << QStringLiteral("en") << false
                               << english;
    }
    void languageOfTheLocaleOrEnglish()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(bool, qtTranslated);
        QFETCH(QString, contents);
        // Installed over Japanese: nothing of the language before may stay.
        UiLanguage::install(QLocale(QLocale::Japanese, QLocale::Japan));
        UiLanguage::install(QLocale(locale));
        QCOMPARE(UiLanguage::current(), language);
        QCOMPARE(qtCancel() != QStringLiteral("Cancel"), qtTranslated);
        QCOMPARE(suiteContents(), contents);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestUiLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_uilanguage.moc"
