#include "HelpFile.h"

#include "HelpConfig.h"
#include "UiLanguage.h"
#include "platform/HostSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

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

Request locateConfigured()
{
    return locate(QCoreApplication::applicationDirPath(),
                  QString::fromUtf16(HelpConfig::kHelpDirFromPrograms),
                  QString::fromUtf16(HelpConfig::kHelpFile), UiLanguage::current());
}

QString errorText(const Request& request)
{
    return QCoreApplication::translate("HelpFile", "The help file \"%1\" cannot be opened: %2.")
        .arg(QDir::toNativeSeparators(request.path), request.error);
}

} // namespace HelpFile
