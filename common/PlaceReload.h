#pragma once

class SettingsStore;

// The clocks' side of "Change": the settings program sets it to 1 once it has saved new
// places; a clock acknowledges with 0 and then reads the places again, so that a save after
// that read raises it anew. The acknowledgement is the clock's own bookkeeping and never waits
// for the store's lock, which another program may hold for seconds: when it cannot be written
// now it is tried again at the next check, and once written the places are read once more, as
// a save may have come in between. A failed acknowledgement thus never makes every tick reload.
class PlaceReload {
public:
    explicit PlaceReload(SettingsStore& store) : m_store(store) {}

    // Acknowledges whatever "Change" holds; before the first load.
    void acknowledge();
    // Whether the places are to be read now: "Change" is exactly 1 (then acknowledged), or an
    // acknowledgement that failed has now been written.
    bool due();

private:
    SettingsStore& m_store;
    bool m_pending = false;
};
