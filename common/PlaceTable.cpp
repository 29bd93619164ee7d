#include "PlaceTable.h"

#include "SettingsStore.h"

#include <algorithm>

void PlaceTable::load(SettingsStore& store)
{
    store.setChange(0);
    // The settings program never stores more than six places; a larger or smaller number from
    // a damaged store is kept inside the table instead of reading past it.
    plcCount = std::clamp(store.plcCount(1), -1, kMaxIndex);
    for (int i = 0; i <= plcCount; ++i) {
        Place& p = places[std::size_t(i)];
        p.name = store.placeName(i, QStringLiteral("Japan"));
        p.hours = store.placeHours(i, -9);
        p.minutes = store.placeMinutes(i, 0);
    }
}

bool PlaceTable::reloadRequested(SettingsStore& store)
{
    return store.change() == 1;
}
