#pragma once

#include <QString>

// The texts of the about window that do not come from the build.
namespace AboutText {

inline constexpr char16_t kProductName[] = u"Zel's World Clock";
inline constexpr char16_t kCopyright[] = u"© 2026 The ZelClock Authors";
inline constexpr char16_t kLinkToolTip[] = u"ホームページを見てね";

// "Version 1.2.6" for major 1, minor 2, revision 6: decimal, no leading zeros.
QString versionText(int major, int minor, int revision);

} // namespace AboutText
