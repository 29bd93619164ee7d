#pragma once

#include "StoreBackend.h"

#include <QString>
#include <memory>
#include <optional>

// Window position as the clocks keep it: twips, single precision.
struct WindowPlacement {
    float left = 0;
    float top = 0;
    float width = 0;
    bool operator==(const WindowPlacement&) const = default;
};

// The one store that the four programs share, and the only code that knows how its values are
// spelled. Every value is text; the typed readers give the caller's default for a missing key
// and also for text that does not convert whole to the type or is out of its range, so a
// hand-edited or damaged store never yields a half-parsed number.
class SettingsStore {
public:
    enum class Section { Settings, Data };

    static constexpr int kSlotCount = 6;

    explicit SettingsStore(std::unique_ptr<StoreBackend> backend);

    // The per-user store of the application: $XDG_CONFIG_HOME/<app>/<app>.conf on Unix, the
    // registry key HKEY_CURRENT_USER\Software\<app> on Windows. The application name is matched
    // without regard to case, so "zelClock" opens the store that "ZelClock" wrote.
    static SettingsStore openUser(const QString& application = QStringLiteral("ZelClock"));
    static QString userStoreFile(const QString& application = QStringLiteral("ZelClock"));

    // Plain text access.
    QString readText(Section section, QStringView key, const QString& fallback);
    bool writeText(Section section, QStringView key, const QString& value);

    // Conversions used by the typed readers; empty when the text is no whole number of the type.
    static std::optional<qint32> toInt32(QStringView text);
    static std::optional<qint16> toInt16(QStringView text);
    static std::optional<float> toFloat(QStringView text);
    static QString fromFloat(float value);

    // "Settings"
    int start();
    bool setStart(int value);
    int kind(int fallback);
    bool setKind(int value);
    int language(int fallback); // "JE": 0 Japanese, anything else English
    bool setLanguage(int value);
    qint16 selectPattern(qint16 fallback);
    bool setSelectPattern(qint16 value);
    WindowPlacement panelPlacement();
    bool setPanelPlacement(const WindowPlacement& p);
    WindowPlacement listPlacement();
    bool setListPlacement(const WindowPlacement& p);

    // "Data"
    int plcCount(int fallback);
    bool setPlcCount(int value);
    int changeInterval(int fallback); // "CT", seconds
    bool setChangeInterval(int value);
    int change();
    bool setChange(int value);
    QString placeName(int slot, const QString& fallback); // "WP"n
    bool setPlaceName(int slot, const QString& value);
    int placeHours(int slot, int fallback); // "WD"n
    bool setPlaceHours(int slot, int value);
    int placeMinutes(int slot, int fallback); // "WDM"n
    bool setPlaceMinutes(int slot, int value);
    int slotNumber(int slot, int fallback); // "No"n: the pick-list row of the slot's place
    bool setSlotNumber(int slot, int value);
    int slotSummer(int slot, int fallback); // "SA"n
    bool setSlotSummer(int slot, int value);

private:
    int readInt(Section section, QStringView key, int fallback);
    bool writeInt(Section section, QStringView key, int value);
    float readFloat(Section section, QStringView key, float fallback);
    WindowPlacement readPlacement(QStringView left, QStringView top, QStringView width,
                                  const WindowPlacement& fallback);
    bool writePlacement(QStringView left, QStringView top, QStringView width,
                        const WindowPlacement& p);

    std::unique_ptr<StoreBackend> m_backend;
};
