#include "TitleBarStyle.h"

#include <QHash>
#include <QImage>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace TitleBarStyle {

namespace {

struct KnownTheme {
    QStringView namePrefix;
    TitleBarTheme theme;
};

// Measured from each window manager's Debian 12 default theme, an xterm's frame at its usual
// height: the right end to the first button's left edge, plus a quarter of the height.
// openbox (Clearlooks, 20 px): three 16 px buttons from 51 px in, the title centred.
// IceWM 3.3: five 20 px buttons from 110 px in of a 24 px bar, the title centred.
// Xfwm4 (Default): four buttons from 92 px in of a 29 px bar, the title centred.
// KWin (Breeze): three buttons from 94 px in of a 37 px bar, the title centred.
// Mutter (Adwaita, the close button alone): 46 px in of a 37 px bar, the title centred.
constexpr std::array kThemes{
    KnownTheme{u"Openbox", {2.8, 1.2, TitleAlignment::Centre}},
    KnownTheme{u"IceWM", {4.85, 2.0, TitleAlignment::Centre}},
    KnownTheme{u"Xfwm4", {3.45, 1.2, TitleAlignment::Centre}},
    KnownTheme{u"KWin", {2.7, 1.2, TitleAlignment::Centre}},
    KnownTheme{u"Mutter", {1.5, 0.5, TitleAlignment::Centre}},
    KnownTheme{u"GNOME Shell", {1.5, 0.5, TitleAlignment::Centre}},
};
constexpr TitleBarTheme kGeneric{3.25, 1.25, TitleAlignment::Left};

// How far apart two colours look: the largest of the channel differences.
int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// How many pixels of `image` have each colour; rows of one colour left out where `skipPlainRows`
// says so.
QHash<QRgb, int> histogram(const QImage& image, bool skipPlainRows = false)
{
    QHash<QRgb, int> counts;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        if (skipPlainRows &&
            std::all_of(line, line + rgb.width(), [first = line[0]](QRgb c) { return c == first; }))
            continue;
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xff000000U];
    }
    return counts;
}

} // namespace

TitleBarTheme themeOf(QStringView windowManager)
{
    for (const KnownTheme& known : kThemes) {
        if (windowManager.startsWith(known.namePrefix, Qt::CaseInsensitive))
            return known.theme;
    }
    return kGeneric;
}

QColor background(const QImage& ground)
{
    const QHash<QRgb, int> counts = histogram(ground);
    if (counts.isEmpty())
        return {};
    const auto most = std::max_element(counts.cbegin(), counts.cend());
    return QColor::fromRgb(most.key());
}

QColor text(const QImage& title, const QColor& background)
{
    // Farther from the ground than anti-aliased edges and gradients go.
    constexpr int kTextDistance = 96;
    // A row of one colour is ground or a border line (openbox's runs under its title), never
    // the title's strokes.
    const QHash<QRgb, int> counts = histogram(title, true);
    const QRgb ground = background.rgb();
    std::optional<QRgb> best;
    int bestCount = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (distance(it.key(), ground) >= kTextDistance && it.value() > bestCount) {
            best = it.key();
            bestCount = it.value();
        }
    }
    return best ? QColor::fromRgb(*best) : contrasting(background);
}

bool plain(const QImage& image)
{
    return !image.isNull() && histogram(image).size() == 1;
}

QColor contrasting(const QColor& background)
{
    constexpr int kMidGrey = 128;
    return background.isValid() && background.lightness() < kMidGrey ? QColor(Qt::white)
                                                                     : QColor(Qt::black);
}

} // namespace TitleBarStyle
