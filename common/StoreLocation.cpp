#include "StoreLocation.h"

#include <QDir>
#include <QStandardPaths>

namespace StoreLocation {

QString configHome()
{
    // Qt takes $XDG_CONFIG_HOME as it stands, relative or not; elsewhere its answer is absolute.
    QString qtHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (QDir::isRelativePath(qtHome))
        return QDir::homePath() + QStringLiteral("/.config");
    return qtHome;
}

QString userFile(const QString& application)
{
    const QString base = configHome();
    QString folder = application;
    // File systems here are case-sensitive but the store's names are not: reuse the folder
    // that another program of the suite created, whatever its spelling.
    const QStringList existing = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : existing) {
        if (name.compare(application, Qt::CaseInsensitive) == 0) {
            folder = name;
            break;
        }
    }
    QString file = folder + QStringLiteral(".conf");
    const QStringList files = QDir(base + u'/' + folder).entryList(QDir::Files);
    for (const QString& name : files) {
        if (name.compare(file, Qt::CaseInsensitive) == 0) {
            file = name;
            break;
        }
    }
    return base + u'/' + folder + u'/' + file;
}

} // namespace StoreLocation
