#include "LoginStart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace LoginStart {

namespace {

// An argument of Exec, quoted as desktop entries want when it holds anything but plain
// characters; the backslashes of the quoting are then escaped once more as in any string value.
QString execArgument(const QString& path)
{
    static const QString plain =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+,:@");
    if (std::all_of(path.begin(), path.end(), [](QChar c) { return plain.contains(c); }))
        return path;
    QString quoted;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += QStringLiteral("\\\\");
        quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    return u'"' + quoted + u'"';
}

// Keys of a desktop entry hold one line.
QString oneLine(QString value)
{
    return value.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
}

QString entryText(const QString& launcher)
{
    const QString folder = QFileInfo(launcher).absolutePath();
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Zel's World Clock\n"
                          "Comment=Starts the world clock at login\n"
                          "Exec=%1\n"
                          "TryExec=%2\n"
                          "Path=%3\n"
                          "Icon=zelclock\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(launcher), oneLine(launcher), oneLine(folder));
}

} // namespace

bool available()
{
    return true;
}

QString entryPath()
{
    // XDG_CONFIG_HOME, else ~/.config: where sessions look for the user's own entries.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/zelhome.desktop");
}

bool isOn()
{
    return QFile::exists(entryPath());
}

bool set(bool on, const QString& launcher)
{
    const QString path = entryPath();
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path); // whole or not at all
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(entryText(launcher).toUtf8());
    return file.commit();
}

} // namespace LoginStart
