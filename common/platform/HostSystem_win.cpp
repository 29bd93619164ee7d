#include "platform/HostSystem.h"

#include "platform/RegistryBackend.h"

namespace HostSystem {

std::unique_ptr<StoreBackend> userStoreBackend(const QString& application)
{
    return std::make_unique<RegistryBackend>(application);
}

QString executableName(const QString& base)
{
    return base + QStringLiteral(".exe");
}

} // namespace HostSystem
