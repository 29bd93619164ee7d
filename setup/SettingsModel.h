#pragma once

#include "HandOver.h"
#include "PlaceSearch.h"
#include "StoreKeys.h"
#include "SummerRule.h"
#include "WorldDb.h"
#include "ZoneOffset.h"

#include <QHash>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class Clock;
class ProgramStarter;
class SettingsStore;
class WorldDb;

// Which of the four pick lists is in use: the language of the names and what is picked.
enum class PickList { CountryEnglish, CityEnglish, CountryJapanese, CityJapanese };

// The summer mark beside a slot's time: hidden for places without summer time, light orange
// where the summer rule applies, cyan where it is unknown whether the place observes it.
enum class SummerMark { Hidden, Orange, Cyan };

struct SlotView {
    QString name; // the user's name, else the pick list's row text; empty for an empty slot
    QString time; // "hh:mm", "24:00" before the first tick, empty for an empty slot
    bool filled = false;
    SummerMark mark = SummerMark::Hidden;
    bool summer = false; // the mark reads "+1"
};

// What the details panel shows for the place of the current slot.
struct DetailsView {
    QString officialName;
    QString capital;
    QString language;
    QString currency;
    QString exchange;
    int flag = -1; // picture index; -1 before the first display
    QString utcOffset = QStringLiteral("Label1");
    QString localOffset = QStringLiteral("Label1");
    // Where the cross-hair lines cross, in twips of the window; none for the "none" row.
    std::optional<QPointF> crossHair;
};

// The settings program's state and every user action on it, without any widget. The window
// shows what this holds and forwards clicks and key presses here. Selecting a slot or a list
// row from code behaves as the user's own click would, so the handlers call one another here
// directly, in a fixed order, instead of relying on widget signals.
class SettingsModel {
public:
    SettingsModel(const WorldDb& db, SettingsStore& store, const Clock& clock);

    // Reads the stored choices and draws the slots with slot 0 current.
    void load();

    // User actions.
    void pick(int row);                 // a row of the pick list in use
    void pick(const FoundPlace& place); // a place the search found
    // The user's own name for the slot's place; an empty one, or the place's own, drops it.
    void rename(int slot, const QString& name);
    void selectSlot(int slot);           // a slot's option button
    void switchLanguage(int index);      // 0 Japanese, 1 English
    void switchSelectPattern(int index); // 0 by country, 1 by city
    void toggleSummer(int slot);         // the slot's summer mark
    void nextStyle();                    // the style chooser
    void nextInterval();                 // the interval chooser
    void tick();                         // the 500 ms timer

    // OK: packs the filled slots to the front and stores every choice, "Change" and the hand-over
    // in one write, then starts the display of the style shown. Cancel: the hand-over alone.
    // When the write fails nothing is started; on a failed start "Start" is back at "0". Either
    // failure is returned, and the window then stays open.
    std::optional<StartFailure> accept(ProgramStarter& starter, const QString& startDir,
                                       const QString& ownDir);
    std::optional<StartFailure> reject(ProgramStarter& starter, const QString& startDir,
                                       const QString& ownDir);

    // Every place with a name that starts with or contains the text, named in the language of
    // the lists; nothing for an empty text.
    std::vector<FoundPlace> find(const QString& text);

    // What the window shows.
    PickList pickList() const;
    int rowCount(PickList list) const;
    QString rowText(PickList list, int row) const;
    // Of the list in use; -1 for a zone's place of which the database has no entry.
    int selectedRow() const { return m_slots[m_current].row; }
    int checkedSlot() const { return m_checkedSlot; } // whose option is on; -1 before load
    SlotView slot(int n) const;
    const DetailsView& details() const { return m_details; }
    QString styleCaption() const;
    QString intervalCaption() const { return intervalText(m_interval); }

    int language() const { return m_language; }
    int selectPattern() const { return m_selectPattern; }

    // " 5 Sec.": the number with a blank (or its "-") in front.
    static QString intervalText(int seconds);
    // "+5:45", "-0:30", "+13:00".
    static QString offsetText(int minutes);
    // The style's name; empty for a style outside 0 to 3.
    static QString styleName(int kind);

private:
    static constexpr int kNoneRow = 0; // the first row of every pick list
    // The row of a place found by its zone's city where the database has no entry of that zone;
    // saved as its "No", which older versions read as an empty slot.
    static constexpr int kZoneOnlyRow = -1;

    // One place slot as the window edits it.
    struct Slot {
        int row = kNoneRow; // of the pick list in use
        int summer = 0;     // "SA": 1 where the summer hour is added
        int hours = 0;      // the standard hours plus the summer hour
        int minutes = 0;
        ZoneOffset zone; // the zone the slot's time is shown with; invalid where the offset counts
        // A place found by its zone's city: that zone, the place's offsets and summer time and
        // name; row is then the database's place of the same zone, or kZoneOnlyRow.
        QByteArray foundZone;
        QString ownName;                        // the user's name for the place; empty for its own
        QString time = QStringLiteral("24:00"); // as shown: "24:00" until the first tick
        bool filled() const { return row != kNoneRow; }
    };

    bool byCity() const { return m_selectPattern == 1; }
    bool english() const { return m_language != 0; }
    void redrawSlots(int current);
    // The English country row of the slot's place.
    int entryRow(int n) const;
    // The slot's country entry, with the offset and summer code of its zone for a zone's place.
    CountryEntry placeEntry(int n) const;
    // The place's own name, in the language of the lists.
    QString placeName(int n) const;
    // The row, in the list in use, of a database place in the zone; kZoneOnlyRow for none.
    int zoneRow(const QByteArray& zone) const;
    int countryRowInUse(int coNo) const;
    int cityRowInUse(int ciNo) const;
    // A new place in the current slot: its summer time is decided anew and its own name goes.
    void setPlace(int row, const QByteArray& foundZone);
    // Moves the filled slots to the front and redraws them; gives the keys that save every
    // choice, "Change" last, for the caller to write with the hand-over.
    StoreBatch packSlots();
    std::optional<StartFailure> startDisplay(ProgramStarter& starter, const QString& startDir,
                                             const QString& ownDir, StoreBatch first);
    void drawSlot(int n, int target);
    void decideSummer(int n, int row);
    void showDetails(const CountryEntry& entry, int row);
    static int found(int row) { return row < 0 ? 0 : row; }
    // The zone slot n's place follows (none where the user decides) and the code its summer
    // hour is decided by.
    struct PlaceZone {
        SummerCode code = SummerCode::None;
        QByteArray zone;
    };
    PlaceZone placeZone(int n) const;

    const WorldDb& m_db;
    SettingsStore& m_store;
    const Clock& m_clock;

    std::array<Slot, StoreKeys::kSlotCount> m_slots{};
    int m_current = 0;
    int m_checkedSlot = -1;
    std::optional<int> m_pickedSlot; // a new place was just picked there
    int m_plcCount = 0;
    int m_language = 2;
    qint16 m_selectPattern = 0;
    int m_kind = 1;
    int m_interval = 1;
    bool m_loaded = false;
    DetailsView m_details;
    std::optional<PlaceSearch> m_search; // made at the first search
    // The first English city row of each zone, by ICU's canonical id; made when first asked.
    mutable QHash<QByteArray, int> m_cityOfZone;
};
