#include "PlaceReload.h"

#include "SettingsStore.h"

void PlaceReload::acknowledge()
{
    m_pending = !m_store.tryWrite(StoreBatch().set(StoreKeys::Change, 0));
}

bool PlaceReload::due()
{
    if (m_pending) {
        acknowledge();
        return !m_pending;
    }
    if (m_store.get(StoreKeys::Change, StoreReader::Clocks) != 1)
        return false;
    acknowledge();
    return true;
}
