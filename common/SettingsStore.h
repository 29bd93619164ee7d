#pragma once

#include "StoreBackend.h"
#include "StoreKeys.h"

#include <QString>
#include <QStringView>
#include <memory>
#include <optional>
#include <type_traits>
#include <vector>

// Keys to write together, in the order set: SettingsStore::write stores them in one go, so that a
// reader never sees some of them new and others old, and a running clock wakes once for all.
class StoreBatch {
public:
    template <typename T>
    StoreBatch& set(const StoreKey<T>& key, const std::type_identity_t<T>& value);
    template <typename T>
    StoreBatch& set(const StoreSlotKey<T>& key, int slot, const std::type_identity_t<T>& value);
    StoreBatch& setPlacement(const PlacementKeys& keys, const WindowPlacement& p);

    const std::vector<StoreEntry>& entries() const { return m_entries; }

private:
    std::vector<StoreEntry> m_entries;
};

// The one store that the six programs share, and the only code that touches its file. Every
// value is text; the typed readers give the reader's default for a missing key and also for
// text that does not convert whole to the type or is out of its range, so a hand-edited or
// damaged store never yields a half-parsed number.
class SettingsStore {
public:
    using Section = StoreSection;

    explicit SettingsStore(std::unique_ptr<StoreBackend> backend);

    // The per-user store of the application, where StoreLocation says: a file under the user's
    // configuration folder, or the registry key HKEY_CURRENT_USER\Software\<app> on Windows.
    static SettingsStore openUser(const QString& application = QStringLiteral("ZelClock"));

    // The file that holds the store, empty when it is no file (the registry).
    QString filePath() const { return m_backend->filePath(); }

    // Typed access. Writes of the value already stored leave the store untouched; a write
    // that fails leaves the store as it was and says why (a result that is false).
    template <typename T> T get(const StoreKey<T>& key, StoreReader reader);
    // A read with a default of the caller's own instead of the reader's.
    template <typename T> T getOr(const StoreKey<T>& key, std::type_identity_t<T> fallback);
    template <typename T>
    WriteResult set(const StoreKey<T>& key, const std::type_identity_t<T>& value);

    // Reads the key and writes `value` in its place in one step, so that of several programs
    // doing so at once only one finds what another program left there: the value found, or
    // nothing when the store could not be written.
    template <typename T>
    std::optional<T> exchange(const StoreKey<T>& key, StoreReader reader,
                              const std::type_identity_t<T>& value);

    // Per-slot keys; slots are 0 to StoreKeys::kSlotCount - 1.
    template <typename T> T get(const StoreSlotKey<T>& key, int slot, StoreReader reader);
    template <typename T>
    WriteResult set(const StoreSlotKey<T>& key, int slot, const std::type_identity_t<T>& value);

    // Every key of the batch at once, or none of them and why not.
    WriteResult write(const StoreBatch& batch);
    // The same, but failing at once, never waiting, while another program holds the store's
    // lock: for the clocks' own bookkeeping, which they try again later.
    WriteResult tryWrite(const StoreBatch& batch);

    WindowPlacement placement(const PlacementKeys& keys, StoreReader reader = StoreReader::Clocks);
    WriteResult setPlacement(const PlacementKeys& keys, const WindowPlacement& p);

    // A key's stored text as it stands, or nothing when missing, and a write of any text,
    // for tests and tools that look at or damage the store on purpose.
    template <typename T> std::optional<QString> text(const StoreKey<T>& key)
    {
        return rawText(key.section, key.name);
    }
    template <typename T> WriteResult setText(const StoreKey<T>& key, const QString& value)
    {
        return setRawText(key.section, key.name, value);
    }
    template <typename T> std::optional<QString> text(const StoreSlotKey<T>& key, int slot)
    {
        return rawText(key.section, slotKeyName(key.prefix, slot));
    }
    template <typename T>
    WriteResult setText(const StoreSlotKey<T>& key, int slot, const QString& value)
    {
        return setRawText(key.section, slotKeyName(key.prefix, slot), value);
    }
    // Any name at all, for the store tool and the concurrency tests' writer.
    std::optional<QString> rawText(StoreSection section, QStringView name);
    WriteResult setRawText(StoreSection section, QStringView name, const QString& value);

    // Conversions used by the typed readers; empty when the text is no whole number of the type.
    static std::optional<qint32> toInt32(QStringView text);
    static std::optional<qint16> toInt16(QStringView text);
    static std::optional<float> toFloat(QStringView text);
    static QString fromFloat(float value);

    static QStringView sectionName(StoreSection section);
    static QString slotKeyName(QStringView prefix, int slot);

private:
    std::unique_ptr<StoreBackend> m_backend;
};
