#include "GuiStartup.h"

#include "UiLanguage.h"
#include "platform/DisplayProbe.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QLocale>
#include <QPixmap>
#include <cstdio>

namespace GuiStartup {

namespace {

constexpr char kPlatformVariable[] = "QT_QPA_PLATFORM";
bool g_platformChosenHere = false;

} // namespace

std::optional<int> choosePlatform(const char* program, PlatformNeed need)
{
    const PlatformDecision decision = DisplayProbe::decide(need);
    if (decision.refusal) {
        std::fprintf(stderr, "%s: %s\n", program, decision.refusal->toLocal8Bit().constData());
        return 1;
    }
    if (!decision.platform.isEmpty()) {
        qputenv(kPlatformVariable, decision.platform);
        g_platformChosenHere = true;
    }
    return std::nullopt;
}

QImage windowIcon()
{
    // The uncompressed bitmap, read as what it is: a reader left to find the format out loads
    // every image format plugin there is to ask each one, and a PNG would bring its library.
    QImageReader reader(QStringLiteral(":/chrome/zelclock.bmp"), "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

void setUpApplication()
{
    // Japanese Windows fonts and the classic Windows faces: the CJK font that install-deps
    // brings, and metric-compatible free faces.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans CJK"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(windowIcon())));
    // A Wayland compositor names and icons a window by its desktop entry, which each program
    // has under its own file name; X window managers read the window's class and icon instead.
    QGuiApplication::setDesktopFileName(QCoreApplication::applicationName());
    // The system's locale is LC_ALL, else LC_MESSAGES, else LANG.
    UiLanguage::install(QLocale::system());
    if (g_platformChosenHere)
        qunsetenv(kPlatformVariable);
}

} // namespace GuiStartup
