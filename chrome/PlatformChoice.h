#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Which of Qt's window-system platforms a program of the suite starts on, decided before
// QApplication exists (Qt aborts the process when its platform fails). Window-free: the
// desktop is described to it.

// Whether the program places itself over other windows or follows them: those need X, where
// the foreground window and everyone's positions can be seen; the others may use either.
enum class PlatformNeed { Either, X11 };

// What the desktop offers, as found at start.
struct DisplayEnvironment {
    QByteArray userPlatform;         // QT_QPA_PLATFORM as the user set it; empty when unset
    std::optional<QString> xProblem; // why no X display can be opened; nothing when one can
    bool wayland = false;            // a Wayland compositor's socket is there
    bool waylandPlugin = false;      // and Qt's Wayland platform is installed
};

struct PlatformDecision {
    QByteArray platform;            // for QT_QPA_PLATFORM; empty leaves it to the user or Qt
    std::optional<QString> refusal; // no window can be shown, and why
    bool operator==(const PlatformDecision&) const = default;
};

namespace PlatformChoice {

PlatformDecision decide(const DisplayEnvironment& env, PlatformNeed need);

// Said when a Wayland socket is there but Qt cannot use it.
QString missingWaylandPlugin();

} // namespace PlatformChoice
