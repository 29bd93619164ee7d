#include "PlaceTable.h"

#include "SettingsStore.h"

#include <algorithm>

void PlaceTable::load(SettingsStore& store)
{
    // The settings program never stores more than six places; a larger or smaller number from
    // a damaged store is kept inside the table instead of reading past it.
    plcCount = std::clamp(store.get(StoreKeys::PlcCount, StoreReader::Clocks), -1,
                          StoreKeys::kSlotCount - 1);
    hourCycle = HourCycles::load(store);
    for (int i = 0; i <= plcCount; ++i) {
        Place& p = places[std::size_t(i)];
        p.name = store.get(StoreKeys::WP, i, StoreReader::Clocks);
        p.hours = store.get(StoreKeys::WD, i, StoreReader::Clocks);
        p.minutes = store.get(StoreKeys::WDM, i, StoreReader::Clocks);
        p.summer = store.get(StoreKeys::SA, i, StoreReader::Clocks) == 1;
        p.zone = ZoneOffset(store.get(StoreKeys::TZ, i, StoreReader::Clocks).toUtf8());
        p.showWhile = store.get(StoreKeys::ShowWhile, i, StoreReader::Clocks).trimmed();
    }
}
