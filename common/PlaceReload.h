#pragma once

#include <algorithm>
#include <optional>

class Clock;
class SettingsStore;

// The clocks' side of "Change": the settings program sets it to 1 once it has saved new
// places; a clock acknowledges with 0 and then reads the places again, so that a save after
// that read raises it anew. The acknowledgement is the clock's own bookkeeping and never waits
// for the store's lock, which another program may hold for seconds (or which the very writer
// that raised "Change" may still hold as the clock wakes): when it cannot be written now it is
// tried again a second later, and once written the places are read once more, as a save may
// have come in between. A failed acknowledgement thus never makes every tick reload.
class PlaceReload {
public:
    // How long a failed acknowledgement waits before it is tried again.
    static constexpr double kRetrySecs = 1.0;

    PlaceReload(SettingsStore& store, const Clock& clock) : m_store(store), m_clock(clock) {}

    // Acknowledges whatever "Change" holds; before the first load.
    void acknowledge();
    // Whether the places are to be read now: "Change" is exactly 1 (then acknowledged), or an
    // acknowledgement that failed has now been written.
    bool due();
    // When a failed acknowledgement is to be tried again, on the clock's seconds counter;
    // nothing when none is waiting.
    std::optional<double> retryAt() const;

    // The earlier of two moments that may each be missing.
    static std::optional<double> earliest(std::optional<double> a, std::optional<double> b)
    {
        return a && b ? std::min(*a, *b) : a ? a : b;
    }

private:
    SettingsStore& m_store;
    const Clock& m_clock;
    std::optional<double> m_failedAt;
};
