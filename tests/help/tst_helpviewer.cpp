// The Help and About buttons' windows on the offscreen platform: the message of a program built
// without help, the error of a page that cannot be opened, the help window with its contents
// page and links, and the about box's version, home page and data licences.
#include "AboutBox.h"
#include "FifoGuard.h"
#include "HelpViewer.h"
#include "HelpWindow.h"
#include "UiTexts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <sys/stat.h>

namespace {

const QString kCaption = QStringLiteral("Zel's World Clock");

// Runs `inspect` on the first shown top-level widget of type T while `open` blocks in its
// event loop, then closes that widget. Returns whether it was found.
template <class T>
bool inspectModal(const std::function<void()>& open, const std::function<void(T*)>& inspect)
{
    bool found = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* t = qobject_cast<T*>(w);
            if (t == nullptr || !t->isVisible())
                continue;
            poll.stop();
            found = true;
            inspect(t);
            t->close();
            return;
        }
    });
    poll.start();
    open();
    poll.stop();
    return found;
}

struct BoxSeen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QWidget* parent = nullptr;
};

BoxSeen showAndRead(QWidget* window, const HelpFile::Request& request)
{
    BoxSeen seen;
    const bool found = inspectModal<QMessageBox>([&] { HelpViewer::showContents(window, request); },
                                                 [&](QMessageBox* box) {
                                                     seen.title = box->windowTitle();
                                                     seen.text = box->text();
                                                     seen.icon = box->icon();
                                                     for (QAbstractButton* b : box->buttons())
                                                         seen.buttons
                                                             << b->text().remove(QLatin1Char('&'));
                                                     seen.parent = box->parentWidget();
                                                 });
    if (!found)
        seen.title = QStringLiteral("(no message box)");
    return seen;
}

void writePage(const QString& path, const QString& title, const QString& body)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                           "<body>%2</body></html>")
                .arg(title, body)
                .toUtf8());
}

HelpWindow* helpWindowOf(QWidget& window)
{
    const auto all = window.findChildren<HelpWindow*>();
    return all.size() == 1 ? all.first() : nullptr;
}

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_window.emplace();
        m_window->setWindowTitle(kCaption);
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        UiLanguage::install(QLocale::c());
    }

    void withoutHelpTheMessageJapaneseAsQuotedUnderJaJp_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("ja_JP") << QByteArray("ja_JP.UTF-8")
                               << QStringLiteral(
                                      "ﾍﾙﾌﾟの目次を表示できません。 "
                                      "このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。");
        QTest::newRow("en_US") << QByteArray("en_US.UTF-8")
                               << QStringLiteral("Cannot show the help contents. No help belongs "
                                                 "to this project.");
    }
    void withoutHelpTheMessageJapaneseAsQuotedUnderJaJp()
    {
        QFETCH(QByteArray, locale);
        QFETCH(QString, text);
        UiTexts::useLocale(locale.constData());
        QTemporaryDir tmp;
        const BoxSeen box =
            showAndRead(&*m_window, HelpFile::locate(tmp.path(), QString(), QString()));
        QCOMPARE(box.title, kCaption);
        QCOMPARE(box.text, text);
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")}); // "OK" in Japanese too
        QCOMPARE(box.parent, &*m_window);
        QVERIFY(helpWindowOf(*m_window) == nullptr);
        QVERIFY(m_window->isVisible());
    }

    void aPageThatCannotBeOpenedIsNamedWithTheReason()
    {
        QTemporaryDir tmp;
        const auto request = HelpFile::locate(tmp.path(), QStringLiteral("share/zelclock/help"),
                                              QStringLiteral("index.html"));
        const BoxSeen box = showAndRead(&*m_window, request);
        QVERIFY2(box.text.contains(tmp.filePath("share/zelclock/help/index.html")),
                 qPrintable(box.text));
        QVERIFY2(box.text.contains(QLatin1String("No such file or directory")),
                 qPrintable(box.text));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
        QCOMPARE(box.title, QApplication::applicationDisplayName());
        QVERIFY(helpWindowOf(*m_window) == nullptr);
        QVERIFY(m_window->isVisible());
    }

    void theHelpWindowOpensOnTheContentsAndFollowsLinks()
    {
        QTemporaryDir tmp;
        writePage(tmp.filePath("index.html"), QStringLiteral("Contents"),
                  QStringLiteral("<p><a href=\"clocks.html#list\">The list clock</a></p>"));
        writePage(tmp.filePath("clocks.html"), QStringLiteral("Clocks"),
                  QStringLiteral("<h2 id=\"list\">List</h2><p>zelroll</p>"));
        HelpViewer::showContents(
            &*m_window, HelpFile::locate(tmp.path(), QString(), QStringLiteral("index.html")));
        HelpWindow* help = helpWindowOf(*m_window);
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QVERIFY(help->isWindow());
        QCOMPARE(help->objectName(), QStringLiteral("helpWindow"));
        auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
        QCOMPARE(browser->documentTitle(), QStringLiteral("Contents"));
        QVERIFY(help->windowTitle().endsWith(QLatin1String("Contents")));
        auto* back = help->findChild<QPushButton*>(QStringLiteral("helpBack"));
        QVERIFY(!back->isEnabled());

        // The keyboard's way to a link: Tab selects it, Enter follows it.
        browser->setFocus();
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Return);
        QCOMPARE(browser->source().fileName(), QStringLiteral("clocks.html"));
        QVERIFY(browser->toPlainText().contains(QLatin1String("zelroll")));
        QVERIFY(help->windowTitle().endsWith(QLatin1String("Clocks")));
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Contents"));
        help->findChild<QPushButton*>(QStringLiteral("helpForward"))->click();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Clocks"));
        help->findChild<QPushButton*>(QStringLiteral("helpContents"))->click();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Contents"));

        // A second press reuses the window and starts again at the contents.
        browser->setSource(QUrl::fromLocalFile(tmp.filePath("clocks.html")));
        HelpViewer::showContents(
            &*m_window, HelpFile::locate(tmp.path(), QString(), QStringLiteral("index.html")));
        QCOMPARE(helpWindowOf(*m_window), help);
        QCOMPARE(browser->documentTitle(), QStringLiteral("Contents"));
        QVERIFY(!back->isEnabled());

        // Closing the help (Close, or Escape) leaves the settings window as it was.
        help->findChild<QPushButton*>(QStringLiteral("helpClose"))->click();
        QTRY_VERIFY(helpWindowOf(*m_window) == nullptr);
        QVERIFY(m_window->isVisible());
        HelpViewer::showContents(
            &*m_window, HelpFile::locate(tmp.path(), QString(), QStringLiteral("index.html")));
        QVERIFY(helpWindowOf(*m_window) != nullptr);
        QTest::keyClick(helpWindowOf(*m_window)->browser(), Qt::Key_Escape);
        QTRY_VERIFY(helpWindowOf(*m_window) == nullptr);
        QVERIFY(m_window->isVisible());
    }

    // Only regular files of the help folder are read, and never more than the limit: FIFOs (a
    // page, a link to one, a picture) would hold the window for good.
    void theHelpWindowReadsOnlyRegularFilesOfItsFolder()
    {
        QTemporaryDir tmp;
        QDir().mkdir(tmp.filePath("help"));
        const QString fifo = tmp.filePath("help/fifo.html");
        const QString picture = tmp.filePath("help/picture.png");
        for (const QString& f : {fifo, picture})
            QCOMPARE(::mkfifo(QFile::encodeName(f).constData(), 0600), 0);
        QVERIFY(QFile::link(fifo, tmp.filePath("help/to-fifo.html")));
        writePage(tmp.filePath("secret.html"), QStringLiteral("Secret"), QStringLiteral("secret"));
        QVERIFY(QFile::link(tmp.filePath("secret.html"), tmp.filePath("help/outside.html")));
        writePage(tmp.filePath("help/big.html"), QStringLiteral("Big"),
                  QString(HelpFolder::kFileLimit, u'x'));
        writePage(tmp.filePath("help/index.html"), QStringLiteral("Contents"),
                  QStringLiteral("<img src=\"picture.png\">"));

        const FifoGuard guard({fifo, picture});
        HelpViewer::showContents(&*m_window, HelpFile::locate(tmp.filePath("help"), QString(),
                                                              QStringLiteral("index.html")));
        QTextBrowser* browser = helpWindowOf(*m_window)->browser();
        QCOMPARE(browser->documentTitle(), QStringLiteral("Contents"));
        const auto follow = [browser](const char* link) {
            emit browser->anchorClicked(QUrl(QString::fromLatin1(link)));
            return browser->toPlainText();
        };
        for (const char* page : {"fifo.html", "to-fifo.html"})
            QVERIFY(follow(page).contains(QLatin1String("not a regular file")));
        QVERIFY(follow("big.html").contains(QLatin1String("larger than 4 MB")));
        // Links out of the folder lead nowhere, and the page stays.
        for (const char* link : {"outside.html", "../secret.html", "file:///etc/passwd"}) {
            QCOMPARE(browser->source().fileName(), QStringLiteral("big.html"));
            QVERIFY(!follow(link).contains(QLatin1String("secret")));
        }
        browser->setSource(QUrl::fromLocalFile(QStringLiteral("/etc/passwd")));
        QVERIFY(!browser->toPlainText().contains(QLatin1String("root:")));
        QVERIFY(!guard.fired());
    }

    // The program as built, run from the build: its own contents page in both languages.
    void theBuiltHelpOpensInTheLanguageOfTheLocale_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("otherLanguage"); // the link to the other page
        QTest::newRow("ja_JP") << QByteArray("ja_JP.UTF-8")
                               << QStringLiteral("ja-" ZEL_HELP_CONFIGURED)
                               << QStringLiteral("Zel's World Clock ヘルプ - 目次")
                               << QStringLiteral("English");
        QTest::newRow("en_US") << QByteArray("en_US.UTF-8")
                               << QStringLiteral("en-" ZEL_HELP_CONFIGURED)
                               << QStringLiteral("Zel's World Clock Help - Contents")
                               << QStringLiteral("日本語");
    }
    void theBuiltHelpOpensInTheLanguageOfTheLocale()
    {
        if (QStringLiteral(ZEL_HELP_CONFIGURED).isEmpty())
            QSKIP("built without help");
        QFETCH(QByteArray, locale);
        QFETCH(QString, page);
        QFETCH(QString, title);
        QFETCH(QString, otherLanguage);
        UiTexts::useLocale(locale.constData());
        HelpViewer::showContents(&*m_window);
        HelpWindow* help = helpWindowOf(*m_window);
        QVERIFY(help != nullptr);
        QCOMPARE(help->browser()->source().fileName(), page);
        QCOMPARE(help->windowTitle(), title);
        const QString text = help->browser()->toPlainText();
        QVERIFY2(text.contains(otherLanguage), qPrintable(text));
        if (!locale.startsWith("ja"))
            QVERIFY2(UiTexts::japaneseIn(help).isEmpty(),
                     qPrintable(UiTexts::japaneseIn(help).join(u'\n')));
    }

    void theAboutBoxNamesVersionHomePageAndDataLicences()
    {
        QString version, home, notice, product;
        QWidget* parent = nullptr;
        const bool found = inspectModal<QDialog>(
            [&] { AboutBox::show(&*m_window); },
            [&](QDialog* box) {
                parent = box->parentWidget();
                auto text = [box](const char* name) {
                    return box->findChild<QLabel*>(QLatin1String(name))->text();
                };
                product = text("aboutProductName");
                version = text("aboutVersion");
                home = text("aboutHomePage");
                notice = box->findChild<QTextBrowser*>("aboutThirdParty")->toPlainText();
            });
        QVERIFY(found);
        QCOMPARE(parent, &*m_window);
        QCOMPARE(product, kCaption);
        QCOMPARE(version, QStringLiteral("Version " ZEL_EXPECTED_VERSION));
        QVERIFY2(home.contains(QStringLiteral("href=\"" ZEL_EXPECTED_HOMEPAGE "\"")),
                 qPrintable(home));

        // Every source named in THIRD_PARTY.md is there, with its licence: the file as it is
        // now, not a copy typed once.
        QFile md(QStringLiteral(ZEL_THIRD_PARTY_MD));
        QVERIFY(md.open(QIODevice::ReadOnly));
        int rows = 0;
        int noticeLines = 0;
        bool inNotice = false;
        for (const QString& line : QString::fromUtf8(md.readAll()).split(QLatin1Char('\n'))) {
            // A licence's own notice (between ``` fences) must appear word for word.
            if (line.startsWith(QLatin1String("```"))) {
                inNotice = !inNotice;
                continue;
            }
            if (inNotice) {
                noticeLines += line.isEmpty() ? 0 : 1;
                QVERIFY2(notice.contains(line), qPrintable(line));
                continue;
            }
            const QStringList cells = line.split(QLatin1Char('|'));
            if (cells.size() < 5 || cells[1].contains(QLatin1String("---")) ||
                cells[1].trimmed() == QLatin1String("Source"))
                continue;
            ++rows;
            const QString source = cells[1].trimmed().remove(QLatin1Char('`'));
            const QString licence = cells[3].trimmed().remove(QLatin1Char('`'));
            QVERIFY2(notice.contains(source), qPrintable(source));
            QVERIFY2(notice.contains(licence), qPrintable(licence));
        }
        QVERIFY(rows >= 5);
        QVERIFY(noticeLines > 0);
        QVERIFY(notice.contains(QLatin1String("Unicode CLDR")));
        QVERIFY(notice.contains(QLatin1String("Unicode License v3")));
        QVERIFY(notice.contains(QLatin1String("COPYRIGHT AND PERMISSION NOTICE")));
        QVERIFY(m_window->isVisible());
    }

private:
    std::optional<QWidget> m_window;
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
