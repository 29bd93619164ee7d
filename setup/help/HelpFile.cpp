#include "HelpFile.h"

#include "HelpConfig.h"
#include "UiLanguage.h"
#include "platform/HostSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

namespace HelpFile {

Request locate(const QString& programDir, const QString& helpDir, const QString& fileName,
               const QString& language)
{
    if (fileName.trimmed().isEmpty())
        return {};
    const QDir dir(QDir(programDir).filePath(helpDir));
    QString page = dir.absoluteFilePath(fileName);
    if (!language.isEmpty()) {
        const QString own = dir.absoluteFilePath(language + u'-' + fileName);
        if (QFileInfo::exists(own))
            page = own;
    }
    Request request{Outcome::Show, QDir::cleanPath(page), {}};
    // A FIFO there would hold the settings program for good in a plain open.
    QFile file;
    if (std::optional<QString> why = HostSystem::openRegularFile(file, request.path)) {
        request.outcome = Outcome::CannotOpen;
        request.error = std::move(*why);
    } else if (file.size() == 0) {
        // A page cut short by a failed copy would show as a blank window without a word why.
        request.outcome = Outcome::CannotOpen;
        request.error = QCoreApplication::translate("HelpFile", "the file is empty");
    }
    return request;
}

Request locateConfigured(const QString& page)
{
    return locate(QCoreApplication::applicationDirPath(),
                  QString::fromUtf16(HelpConfig::kHelpDirFromPrograms),
                  page.isEmpty() ? QString::fromUtf16(HelpConfig::kHelpFile) : page,
                  UiLanguage::current());
}

QString topicOf(const QString& objectName)
{
    struct Topic {
        QStringView control; // the objectName, without the index of a control array
        QStringView section;
    };
    static constexpr std::array kTopics{
        Topic{u"optClock", u"setup.html#slots"},
        Topic{u"lblClock", u"setup.html#slots"},
        Topic{u"lblTime", u"setup.html#slots"},
        Topic{u"lstCountryName", u"setup.html#slots"},
        Topic{u"lstCityName", u"setup.html#slots"},
        Topic{u"lstCountryNameJ", u"setup.html#slots"},
        Topic{u"lstCityNameJ", u"setup.html#slots"},
        Topic{u"txtSearch", u"setup.html#slots"},
        Topic{u"lstFound", u"setup.html#slots"},
        Topic{u"txtClock", u"setup.html#slots"},
        Topic{u"lblSummer", u"setup.html#summer"},
        Topic{u"lblCT", u"setup.html#frame"},
        Topic{u"lblCltp", u"setup.html#frame"},
        Topic{u"optJE", u"setup.html#frame"},
        Topic{u"optSelectPattern", u"setup.html#frame"},
        Topic{u"imgWorld", u"setup.html#details"},
        Topic{u"imgFlag", u"setup.html#details"},
        Topic{u"cmdOK", u"setup.html#buttons"},
        Topic{u"cmdHelp", u"setup.html#buttons"},
        Topic{u"cmdAbout", u"setup.html#buttons"},
    };
    const QStringView control = QStringView(objectName).left(objectName.indexOf(u'_'));
    for (const Topic& t : kTopics) {
        if (t.control == control)
            return t.section.toString();
    }
    return {};
}

QString errorText(const Request& request)
{
    return QCoreApplication::translate("HelpFile", "The help file \"%1\" cannot be opened: %2.")
        .arg(QDir::toNativeSeparators(request.path), request.error);
}

} // namespace HelpFile
