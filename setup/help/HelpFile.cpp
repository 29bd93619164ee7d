#include "HelpFile.h"

#include "HelpConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace HelpFile {

Request locate(const QString& programDir, const QString& helpDir, const QString& fileName)
{
    if (fileName.trimmed().isEmpty())
        return {};
    const QDir dir(QDir(programDir).filePath(helpDir));
    Request request{Outcome::Show, QDir::cleanPath(dir.absoluteFilePath(fileName)), {}};
    QFile file(request.path);
    if (!file.open(QIODevice::ReadOnly)) {
        request.outcome = Outcome::CannotOpen;
        request.error = file.errorString();
    } else if (file.size() == 0) {
        // A page cut short by a failed copy would show as a blank window without a word why.
        request.outcome = Outcome::CannotOpen;
        request.error = QStringLiteral("the file is empty");
    }
    return request;
}

Request locateConfigured()
{
    return locate(QCoreApplication::applicationDirPath(),
                  QString::fromUtf16(HelpConfig::kHelpDirFromPrograms),
                  QString::fromUtf16(HelpConfig::kHelpFile));
}

QString errorText(const Request& request)
{
    return QStringLiteral("The help file \"%1\" cannot be opened: %2.")
        .arg(QDir::toNativeSeparators(request.path), request.error);
}

} // namespace HelpFile
