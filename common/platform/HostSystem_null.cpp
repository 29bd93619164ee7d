#include "platform/HostSystem.h"

// A system that is neither POSIX nor Windows: what Qt alone can tell.
namespace HostSystem {

QString executableName(const QString& base)
{
    return base;
}

} // namespace HostSystem
