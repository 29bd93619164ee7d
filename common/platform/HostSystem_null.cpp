#include "platform/HostSystem.h"

#include "IniFileBackend.h"
#include "SettingsStore.h"

// A system that is neither POSIX nor Windows: what Qt alone can tell.
namespace HostSystem {

std::unique_ptr<StoreBackend> userStoreBackend(const QString& application)
{
    return std::make_unique<IniFileBackend>(SettingsStore::userStoreFile(application));
}

QString executableName(const QString& base)
{
    return base;
}

} // namespace HostSystem
