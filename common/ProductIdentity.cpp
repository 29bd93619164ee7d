#include "ProductIdentity.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#include <QFile>

namespace ProductIdentity {

QString versionText(int major, int minor, int revision)
{
    //: %1.%2.%3 are the major, minor and revision numbers
    return QCoreApplication::translate("ProductIdentity", "Version %1.%2.%3")
        .arg(major)
        .arg(minor)
        .arg(revision);
}

QString linkToolTip()
{
    return QCoreApplication::translate("ProductIdentity", "Visit the home page");
}

QString versionText()
{
    return versionText(BuildInfo::kVersionMajor, BuildInfo::kVersionMinor,
                       BuildInfo::kVersionRevision);
}

QString homePage()
{
    return QString::fromUtf16(BuildInfo::kHomePage);
}

QString thirdPartyNotice()
{
    QFile file(QStringLiteral(":/identity/THIRD_PARTY.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace ProductIdentity
