#include "DisplayProbe.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <xcb/xcb.h>

namespace DisplayProbe {

namespace {

std::optional<QString> xProblem()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("no display to show a window on (DISPLAY is not set)");
    xcb_connection_t* c = xcb_connect(display.constData(), nullptr);
    const bool broken = xcb_connection_has_error(c) != 0;
    xcb_disconnect(c);
    if (broken)
        return QStringLiteral("cannot open the display \"%1\"")
            .arg(QString::fromLocal8Bit(display));
    return std::nullopt;
}

// The compositor's socket: WAYLAND_DISPLAY, a name in XDG_RUNTIME_DIR or a whole path.
bool waylandSocket()
{
    const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (name.isEmpty())
        return false;
    if (QDir::isAbsolutePath(name))
        return QFileInfo::exists(name);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(name));
}

bool waylandPlugin()
{
    QStringList folders =
        qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    folders.push_back(QLibraryInfo::path(QLibraryInfo::PluginsPath));
    for (const QString& folder : folders) {
        const QDir platforms(folder + QStringLiteral("/platforms"));
        if (!platforms.entryList({QStringLiteral("libqwayland*")}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

} // namespace

PlatformDecision decide(PlatformNeed need)
{
    DisplayEnvironment env;
    env.userPlatform = qgetenv("QT_QPA_PLATFORM");
    env.xProblem = xProblem();
    env.wayland = waylandSocket();
    env.waylandPlugin = env.wayland && waylandPlugin();
    return PlatformChoice::decide(env, need);
}

} // namespace DisplayProbe
