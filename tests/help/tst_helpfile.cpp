// Finding the help's contents page, and the installed pages themselves: every link leads to a
// page or picture that is there, every page is reachable from the contents, both languages
// cover every program and the settings file.
#include "FifoGuard.h"
#include "HelpFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QString readPage(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList matches(const QString& text, const QString& pattern)
{
    QStringList found;
    QRegularExpression re(pattern);
    for (const auto& m : re.globalMatch(text))
        found << m.captured(1);
    return found;
}

} // namespace

class TestHelpFile : public QObject {
    Q_OBJECT

private slots:
    void blankNameMeansNoHelp()
    {
        QTemporaryDir tmp;
        writeFile(tmp.filePath("help/index.html"), "<p>x</p>");
        for (const QString& name : {QString(), QStringLiteral("  ")}) {
            const HelpFile::Request r = HelpFile::locate(tmp.path(), QStringLiteral("help"), name);
            QCOMPARE(r.outcome, HelpFile::Outcome::NotConfigured);
            QVERIFY(r.path.isEmpty());
        }
    }

    void foundRelativeToTheProgramsOrAbsolute()
    {
        QTemporaryDir tmp;
        QDir().mkpath(tmp.filePath("bin"));
        const QString page = tmp.filePath("share/zelclock/help/index.html");
        writeFile(page, "<p>x</p>");
        const auto r =
            HelpFile::locate(tmp.filePath("bin"), QStringLiteral("../share/zelclock/help"),
                             QStringLiteral("index.html"));
        QCOMPARE(r.outcome, HelpFile::Outcome::Show);
        QCOMPARE(r.path, QDir::cleanPath(page));
        QVERIFY(r.error.isEmpty());

        // An absolute name (a help file kept elsewhere) is taken as it stands.
        const auto absolute =
            HelpFile::locate(tmp.filePath("bin"), QStringLiteral("nowhere"), page);
        QCOMPARE(absolute.outcome, HelpFile::Outcome::Show);
        QCOMPARE(absolute.path, QDir::cleanPath(page));
    }

    void pagesThatCannotBeShownSayWhichAndWhy()
    {
        QTemporaryDir tmp;
        QDir().mkpath(tmp.filePath("help/folder.html"));
        writeFile(tmp.filePath("help/empty.html"), QByteArray());
        const QString fifo = tmp.filePath("help/fifo.html");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const FifoGuard guard({fifo});
        const struct {
            const char* name;
            const char* why;
        } cases[] = {{"missing.html", "No such file"},
                     {"folder.html", "directory"},
                     {"empty.html", "empty"},
                     {"fifo.html", "not a regular file"}};
        for (const auto& c : cases) {
            const auto r =
                HelpFile::locate(tmp.path(), QStringLiteral("help"), QString::fromLatin1(c.name));
            QCOMPARE(r.outcome, HelpFile::Outcome::CannotOpen);
            const QString text = HelpFile::errorText(r);
            QVERIFY2(text.contains(QDir::toNativeSeparators(tmp.filePath("help/") + c.name)),
                     qPrintable(text));
            QVERIFY2(text.contains(QLatin1String(c.why), Qt::CaseInsensitive), qPrintable(text));
        }
        QVERIFY(!guard.fired());
    }

    void unreadablePage()
    {
        QTemporaryDir tmp;
        const QString page = tmp.filePath("index.html");
        writeFile(page, "<p>x</p>");
        QFile::setPermissions(page, QFileDevice::WriteOwner);
        QFile probe(page);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("running with rights that read any file");
        const auto r = HelpFile::locate(tmp.path(), QString(), QStringLiteral("index.html"));
        QCOMPARE(r.outcome, HelpFile::Outcome::CannotOpen);
        QVERIFY2(HelpFile::errorText(r).contains(QLatin1String("ermission")),
                 qPrintable(HelpFile::errorText(r)));
    }

    // This test sits in the build's tests/ folder, beside bin/: the build's own help is found
    // exactly as a program in bin/ finds it.
    void theBuildFindsItsOwnHelp()
    {
        const auto r = HelpFile::locateConfigured();
        if (QStringLiteral(ZEL_HELP_CONFIGURED).isEmpty()) {
            QCOMPARE(r.outcome, HelpFile::Outcome::NotConfigured);
            return;
        }
        QCOMPARE(r.outcome, HelpFile::Outcome::Show);
        // The tests run in English: the English contents page.
        QCOMPARE(QFileInfo(r.path).canonicalFilePath(),
                 QFileInfo(QStringLiteral(ZEL_HELP_BUILD_DIR "/en-" ZEL_HELP_CONFIGURED))
                     .canonicalFilePath());
    }

    void everyLinkLeadsSomewhereAndEveryPageIsReached()
    {
        const QDir dir(QStringLiteral(ZEL_HELP_BUILD_DIR));
        const QStringList pages = dir.entryList({QStringLiteral("*.html")}, QDir::Files);
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        QSet<QString> reached{QStringLiteral("index.html")};
        QStringList queue{QStringLiteral("index.html")};
        while (!queue.isEmpty()) {
            const QString page = queue.takeFirst();
            const QString text = readPage(dir.filePath(page));
            QVERIFY2(!text.isEmpty(), qPrintable(page));
            QVERIFY2(text.contains(QLatin1String("<meta charset=\"utf-8\">")), qPrintable(page));
            QVERIFY2(!matches(text, QStringLiteral("<title>([^<]+)</title>")).isEmpty(),
                     qPrintable(page));
            // The help window reads a style sheet only when its type is given.
            for (const QString& tag : matches(text, QStringLiteral("(<link [^>]*>)")))
                QVERIFY2(tag.contains(QLatin1String("type=\"text/css\"")), qPrintable(page));
            const QStringList links = matches(text, QStringLiteral("(?:href|src)=\"([^\"]*)\""));
            for (const QString& link : links) {
                if (link.contains(QLatin1Char(':')))
                    continue; // the home page, in the user's browser
                const QString file = link.section(QLatin1Char('#'), 0, 0);
                const QString fragment = link.section(QLatin1Char('#'), 1);
                const QString target = file.isEmpty() ? page : file;
                QVERIFY2(dir.exists(target), qPrintable(page + " links to " + link));
                if (!fragment.isEmpty())
                    QVERIFY2(readPage(dir.filePath(target))
                                 .contains(QStringLiteral("id=\"%1\"").arg(fragment)),
                             qPrintable(page + " links to a missing anchor " + link));
                if (target.endsWith(QLatin1String(".html")) && !reached.contains(target)) {
                    reached.insert(target);
                    queue << target;
                }
            }
        }
        for (const QString& page : pages)
            QVERIFY2(reached.contains(page),
                     qPrintable(page + " is not reached from the contents"));
    }

    // What a user most needs from each language: every program, the two other styles, and
    // where the settings are kept.
    void bothLanguagesCoverTheSuite()
    {
        const QDir dir(QStringLiteral(ZEL_HELP_BUILD_DIR));
        for (const QString& prefix : {QStringLiteral("en-"), QStringLiteral("ja-")}) {
            QString all;
            for (const QString& page :
                 dir.entryList({prefix + QStringLiteral("*.html")}, QDir::Files))
                all += readPage(dir.filePath(page));
            QVERIFY2(!all.isEmpty(), qPrintable(prefix));
            for (const char* word : {"zelhome", "zelpane", "zelroll", "zelsetup", "zelcaption",
                                     "zelband", "ZelClock/ZelClock.conf", "21:00", "06:59"})
                QVERIFY2(all.contains(QLatin1String(word)), qPrintable(prefix + word));
        }
    }
};

QTEST_GUILESS_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
