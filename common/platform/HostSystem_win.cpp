#include "platform/HostSystem.h"

namespace HostSystem {

QString executableName(const QString& base)
{
    return base + QStringLiteral(".exe");
}

} // namespace HostSystem
