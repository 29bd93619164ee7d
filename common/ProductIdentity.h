#pragma once

#include <QString>

// Who the suite is: its name, version, copyright, home page and the licences of the data it
// ships, shown alike by the launcher's about window and the settings program's about box.
namespace ProductIdentity {

inline constexpr char16_t kProductName[] = u"Zel's World Clock";
inline constexpr char16_t kCopyright[] = u"© 2026 The ZelClock Authors";

// The home-page link's tool tip, in the user's language.
QString linkToolTip();

// "Version 1.2.6" for major 1, minor 2, revision 6: decimal, no leading zeros.
QString versionText(int major, int minor, int revision);
// This build's version, from project() in the top-level CMakeLists.txt.
QString versionText();
// The home page, from the ZEL_HOMEPAGE setting.
QString homePage();
// The data sources and their licences, as written in THIRD_PARTY.md.
QString thirdPartyNotice();

} // namespace ProductIdentity
