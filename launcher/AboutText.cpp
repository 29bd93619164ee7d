#include "AboutText.h"

namespace AboutText {

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

} // namespace AboutText
