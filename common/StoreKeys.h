#pragma once

#include <QString>
#include <QStringView>
#include <limits>
#include <optional>
#include <type_traits>

// Window position as the clocks keep it: twips, single precision.
struct WindowPlacement {
    float left = 0;
    float top = 0;
    float width = 0;
    bool operator==(const WindowPlacement&) const = default;
};

enum class StoreSection { Settings, Data };

// The programs that read the store. A key missing from the store reads as a value that depends
// on who reads it ("PlcCount" is 0 for the settings program but 1 for the clocks), so every read
// names its reader.
enum class StoreReader { SettingsProgram, Clocks, Launcher };

// Texts are kept in the key table as views of string literals so that the table is constexpr.
template <typename T>
using StoreDefault = std::conditional_t<std::is_same_v<T, QString>, QStringView, T>;

// The value a key reads as when it is missing, for each reader. A reader that never reads the
// key keeps the zero value (or the empty text).
template <typename T> struct ReaderDefaults {
    StoreDefault<T> settingsProgram{};
    StoreDefault<T> clocks{};
    StoreDefault<T> launcher{};

    constexpr StoreDefault<T> operator()(StoreReader reader) const
    {
        switch (reader) {
        case StoreReader::SettingsProgram:
            return settingsProgram;
        case StoreReader::Clocks:
            return clocks;
        case StoreReader::Launcher:
            return launcher;
        }
        return {};
    }
};

// The values a number key accepts; a stored number outside reads as the reader's default, so
// that no caller converts or multiplies a value it cannot hold ("1e30" twips, "WD" 2e9 hours).
struct StoreRange {
    double min = -std::numeric_limits<double>::infinity();
    double max = std::numeric_limits<double>::infinity();
};

// One key of the store: where it lives, how it is spelled and what its text converts to
// (qint32, qint16, float for window twips, or QString).
template <typename T> struct StoreKey {
    using Value = T;
    StoreSection section;
    QStringView name;
    ReaderDefaults<T> defaults;
    StoreRange range{};
};

// A key per place slot: the prefix followed by the slot's digit ("WD" + 3 is "WD3").
template <typename T> struct StoreSlotKey {
    using Value = T;
    StoreSection section;
    QStringView prefix;
    ReaderDefaults<T> defaults;
    // Slot 0 of "No" reads with its own default; every other slot key uses `defaults` throughout.
    std::optional<ReaderDefaults<T>> firstSlotDefaults{};
    StoreRange range{};
};

// The three keys of one window's saved position.
struct PlacementKeys {
    StoreKey<float> left;
    StoreKey<float> top;
    StoreKey<float> width;
};

// Every key of the store, the only place where their spellings appear. Use them with
// SettingsStore::get / set, e.g. store.get(StoreKeys::PlcCount, StoreReader::Clocks) or
// store.set(StoreKeys::WD, slot, -9).
namespace StoreKeys {

using S = StoreSection;

// How many places the store holds: every slot key runs from 0 to kSlotCount - 1, and "PlcCount"
// from -1 (none) to kSlotCount - 1.
inline constexpr int kSlotCount = 6;

// Window coordinates: up to 2^24 twips either way, where single precision still holds whole
// twips and pixels stay far inside int.
inline constexpr StoreRange kTwips{-16777216.0, 16777216.0};
// Offsets: a day either way is beyond any zone.
inline constexpr StoreRange kHours{-24, 24};
inline constexpr StoreRange kMinutes{-24 * 60, 24 * 60};

// Section "Settings"
inline constexpr StoreKey<qint32> JE{S::Settings, u"JE", {.settingsProgram = 2}};
// The settings program reads it twice at its start, first with 0 and then with getOr(..., 1).
inline constexpr StoreKey<qint16> SelectPattern{
    S::Settings, u"SelectPattern", {.settingsProgram = 0}};
inline constexpr StoreKey<qint32> Kind{S::Settings, u"Kind", {.settingsProgram = 1, .launcher = 1}};
inline constexpr StoreKey<qint32> Start{S::Settings, u"Start", {.settingsProgram = 0, .clocks = 0}};
inline constexpr StoreKey<float> MainLeft{S::Settings, u"MainLeft", {.clocks = 1000}, kTwips};
inline constexpr StoreKey<float> MainTop{S::Settings, u"MainTop", {.clocks = 0}, kTwips};
inline constexpr StoreKey<float> MainWidth{S::Settings, u"MainWidth", {.clocks = 5000}, kTwips};
inline constexpr StoreKey<float> MainLLeft{S::Settings, u"MainLLeft", {.clocks = 300}, kTwips};
inline constexpr StoreKey<float> MainLTop{S::Settings, u"MainLTop", {.clocks = 100}, kTwips};
inline constexpr StoreKey<float> MainLWidth{S::Settings, u"MainLWidth", {.clocks = 8175}, kTwips};
// The task-bar clock's own window where there is no tray. No default: the window then opens
// in the corner of the screen, which only the window knows.
inline constexpr StoreKey<float> BandLeft{S::Settings, u"BandLeft", {}, kTwips};
inline constexpr StoreKey<float> BandTop{S::Settings, u"BandTop", {}, kTwips};
// How far the title-bar clock's right end lies left of the title bar's right end, where the
// title bar's buttons are: the user's, set by dragging the clock along the title bar. The
// default clears three 32-pixel buttons, wider than the panel's fixed 60 pixels, which some
// window managers' button groups (icewm's four, GNOME's and Xfce's X11 themes) reach past.
inline constexpr StoreKey<float> CaptionGap{
    S::Settings, u"CaptionGap", {.clocks = 3 * 32 * 15}, {0, 16777216.0}};
// The list clock's working hours, in minutes after midnight at each place: the hours when every
// shown place is between them on a weekday are marked in its strips.
inline constexpr StoreRange kMinutesOfDay{0, 24 * 60};
inline constexpr StoreKey<qint32> WorkStart{
    S::Settings, u"WorkStart", {.clocks = 9 * 60}, kMinutesOfDay};
inline constexpr StoreKey<qint32> WorkEnd{
    S::Settings, u"WorkEnd", {.clocks = 18 * 60}, kMinutesOfDay};
// The clocks' times in 12 hours with the locale's AM/PM ("9:05 PM", "午後9:05") at 1, in 24 at 0.
inline constexpr StoreKey<qint32> Clock12{S::Settings, u"Clock12", {.clocks = 0}, {0, 1}};

// Section "Data"
// A place's own working hours, in minutes after midnight there; missing or -1 takes "WorkStart"
// and "WorkEnd".
inline constexpr StoreRange kOwnMinutesOfDay{-1, 24 * 60};
inline constexpr StoreSlotKey<qint32> WorkStartAt{
    S::Data, u"WorkStart", {.clocks = -1}, {}, kOwnMinutesOfDay};
inline constexpr StoreSlotKey<qint32> WorkEndAt{
    S::Data, u"WorkEnd", {.clocks = -1}, {}, kOwnMinutesOfDay};
// A word that ties the slot's place to windows: while the window in front has it in its title or
// class, ignoring case, the rotating clocks show that place. Empty (the default): never.
inline constexpr StoreSlotKey<QString> ShowWhile{S::Data, u"ShowWhile", {}};
inline constexpr StoreKey<qint32> PlcCount{
    S::Data, u"PlcCount", {.settingsProgram = 0, .clocks = 1}};
// Seconds each place is shown by the rotating clocks. The settings program offers 1 to 10; a
// stored 0 or less would turn the place at every tick and keep the clock awake.
inline constexpr StoreKey<qint32> CT{S::Data, u"CT", {.settingsProgram = 1, .clocks = 1}, {1, 10}};
inline constexpr StoreKey<qint32> Change{S::Data, u"Change", {.clocks = 0}};
// "No0" reads as 45, "No1" to "No5" as 0.
inline constexpr StoreSlotKey<qint32> No{
    S::Data, u"No", {.settingsProgram = 0}, ReaderDefaults<qint32>{.settingsProgram = 45}};
inline constexpr StoreSlotKey<qint32> SA{S::Data, u"SA", {.settingsProgram = 0}};
inline constexpr StoreSlotKey<QString> WP{S::Data, u"WP", {.clocks = u"Japan"}};
inline constexpr StoreSlotKey<qint32> WD{
    S::Data, u"WD", {.settingsProgram = 0, .clocks = 9}, {}, kHours};
inline constexpr StoreSlotKey<qint32> WDM{S::Data, u"WDM", {.clocks = 0}, {}, kMinutes};
// The IANA time zone of the slot's place ("America/New_York"), empty where the user decides its
// summer time; the clocks take the place's offset from it when the system knows it.
inline constexpr StoreSlotKey<QString> TZ{S::Data, u"TZ", {}};
// Read by the settings program alone, and only while "WP" and "TZ" still hold what it saved with
// them: an older version that saves the slot anew writes the place's own name and zone there
// and leaves these behind.
// The user's own name for the slot's place, which "WP" then holds; empty for the place's own.
inline constexpr StoreSlotKey<QString> Name{S::Data, u"Name", {}};
// The zone of a place found by its city among the system's time zones rather than in the world
// database, which "TZ" then holds; empty for a database place.
inline constexpr StoreSlotKey<QString> Zone{S::Data, u"Zone", {}};

// Window positions, in twips.
inline constexpr PlacementKeys PanelWindow{MainLeft, MainTop, MainWidth};
inline constexpr PlacementKeys ListWindow{MainLLeft, MainLTop, MainLWidth};

} // namespace StoreKeys
