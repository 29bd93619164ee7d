#include "PlaceReload.h"

#include "Clock.h"
#include "SettingsStore.h"

void PlaceReload::acknowledge()
{
    if (m_store.tryWrite(StoreBatch().set(StoreKeys::Change, 0)))
        m_failedAt.reset();
    else
        m_failedAt = m_clock.seconds();
}

bool PlaceReload::due()
{
    if (m_failedAt) {
        if (m_clock.seconds() < *retryAt())
            return false;
        acknowledge();
        return !m_failedAt;
    }
    if (m_store.get(StoreKeys::Change, StoreReader::Clocks) != 1)
        return false;
    acknowledge();
    return true;
}

std::optional<double> PlaceReload::retryAt() const
{
    if (!m_failedAt)
        return std::nullopt;
    return *m_failedAt + kRetrySecs;
}
