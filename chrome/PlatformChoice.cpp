#include "PlatformChoice.h"

namespace PlatformChoice {

namespace {

bool startsWithPlatform(const QByteArray& chosen, const char* name)
{
    // "xcb:option=value" names the platform before its options.
    return chosen == name || chosen.startsWith(QByteArray(name) + ':');
}

} // namespace

QString missingWaylandPlugin()
{
    return QStringLiteral("only a Wayland display is there, and Qt's Wayland platform is not "
                          "installed (Debian package qt6-wayland)");
}

PlatformDecision decide(const DisplayEnvironment& env, PlatformNeed need)
{
    const QByteArray& user = env.userPlatform;
    if (!user.isEmpty()) {
        // The user's word stands; only a platform that cannot come up is refused here, where it
        // can still be said in one line.
        if (startsWithPlatform(user, "xcb") && env.xProblem)
            return {{}, env.xProblem};
        if (startsWithPlatform(user, "wayland") && !env.wayland)
            return {{},
                    QStringLiteral("QT_QPA_PLATFORM asks for Wayland, and no Wayland "
                                   "display is there (WAYLAND_DISPLAY)")};
        return {};
    }
    if (!env.xProblem) {
        // Following, placing and keeping on top work for X windows only through X.
        if (need == PlatformNeed::X11 || !env.wayland || !env.waylandPlugin)
            return {QByteArrayLiteral("xcb"), std::nullopt};
        return {};
    }
    if (env.wayland)
        return env.waylandPlugin ? PlatformDecision{QByteArrayLiteral("wayland"), std::nullopt}
                                 : PlatformDecision{{}, missingWaylandPlugin()};
    return {{}, env.xProblem};
}

} // namespace PlatformChoice
