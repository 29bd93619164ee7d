#include "UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace UiLanguage {

namespace {

const QString kSuiteTranslator = QStringLiteral("zelclockTranslator");
const QString kQtTranslator = QStringLiteral("qtTranslator");
// Embedded by the build from translations/zelclock_<language>.ts.
const QString kResourceDir = QStringLiteral(":/i18n");
const QString kEnglish = QStringLiteral("en");

QTranslator* installed(const QString& name)
{
    QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr ? app->findChild<QTranslator*>(name, Qt::FindDirectChildrenOnly)
                          : nullptr;
}

void remove(const QString& name)
{
    // A child of the application that only this file installs: taken back and deleted here.
    const std::unique_ptr<QTranslator> old(installed(name));
    if (old)
        QCoreApplication::removeTranslator(old.get());
}

// Hands `translator` to the application, which deletes it at the end.
void adopt(std::unique_ptr<QTranslator> translator, const QString& name)
{
    translator->setObjectName(name);
    translator->setParent(QCoreApplication::instance());
    QCoreApplication::installTranslator(translator.release());
}

} // namespace

void install(const QLocale& locale)
{
    if (QCoreApplication::instance() == nullptr)
        return;
    remove(kSuiteTranslator);
    remove(kQtTranslator);
    auto suite = std::make_unique<QTranslator>();
    if (!suite->load(locale, QStringLiteral("zelclock"), QStringLiteral("_"), kResourceDir))
        return; // English, the language of the code
    // Qt's own dialogs and buttons in the same language, and only then: a Japanese "Cancel" in
    // an English window would be worse than none.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(suite->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        adopt(std::move(qt), kQtTranslator);
    adopt(std::move(suite), kSuiteTranslator);
}

QString current()
{
    const QTranslator* suite = installed(kSuiteTranslator);
    return suite != nullptr ? QLocale(suite->language()).name().section(u'_', 0, 0) : kEnglish;
}

} // namespace UiLanguage
