#include "StoreLocation.h"

#include "IniFileBackend.h"

namespace StoreLocation {

std::unique_ptr<StoreBackend> userBackend(const QString& application)
{
    return std::make_unique<IniFileBackend>(userFile(application));
}

} // namespace StoreLocation
