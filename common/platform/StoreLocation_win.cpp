#include "StoreLocation.h"

#include "platform/RegistryBackend.h"

namespace StoreLocation {

std::unique_ptr<StoreBackend> userBackend(const QString& application)
{
    return std::make_unique<RegistryBackend>(application);
}

} // namespace StoreLocation
