#include "SettingsStore.h"

#include "StoreLocation.h"

#include <charconv>
#include <cmath>
#include <limits>

SettingsStore::SettingsStore(std::unique_ptr<StoreBackend> backend) : m_backend(std::move(backend))
{
}

SettingsStore SettingsStore::openUser(const QString& application)
{
    return SettingsStore(StoreLocation::userBackend(application));
}

QStringView SettingsStore::sectionName(StoreSection section)
{
    return section == StoreSection::Settings ? u"Settings" : u"Data";
}

QString SettingsStore::slotKeyName(QStringView prefix, int slot)
{
    return prefix.toString() + QString::number(slot);
}

std::optional<QString> SettingsStore::rawText(StoreSection section, QStringView name)
{
    return m_backend->read(sectionName(section), name);
}

WriteResult SettingsStore::setRawText(StoreSection section, QStringView name, const QString& value)
{
    return m_backend->write(sectionName(section), name, value);
}

std::optional<qint32> SettingsStore::toInt32(QStringView text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok, 10);
    return ok ? std::optional<qint32>(v) : std::nullopt;
}

std::optional<qint16> SettingsStore::toInt16(QStringView text)
{
    bool ok = false;
    const short v = text.trimmed().toShort(&ok, 10);
    return ok ? std::optional<qint16>(v) : std::nullopt;
}

std::optional<float> SettingsStore::toFloat(QStringView text)
{
    bool ok = false;
    const float v = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString SettingsStore::fromFloat(float value)
{
    // The shortest plain decimal that reads back as the same float: "4500", "1234.5".
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return QString::fromLatin1(buf, res.ptr - buf);
}

namespace {

// Text to the key's type; nothing when the text does not convert whole.
std::optional<qint32> convert(const QString& text, qint32*)
{
    return SettingsStore::toInt32(text);
}

std::optional<qint16> convert(const QString& text, qint16*)
{
    return SettingsStore::toInt16(text);
}

std::optional<float> convert(const QString& text, float*)
{
    return SettingsStore::toFloat(text);
}

std::optional<QString> convert(const QString& text, QString*)
{
    return text;
}

QString toText(qint32 value)
{
    return QString::number(value);
}

QString toText(qint16 value)
{
    return QString::number(value);
}

QString toText(float value)
{
    return SettingsStore::fromFloat(value);
}

QString toText(const QString& value)
{
    return value;
}

// Text to the key's type within the key's range.
template <typename T> std::optional<T> convertIn(const QString& text, const StoreRange& range)
{
    std::optional<T> v = convert(text, static_cast<T*>(nullptr));
    if constexpr (!std::is_same_v<T, QString>) {
        if (v && (double(*v) < range.min || double(*v) > range.max))
            return std::nullopt;
    }
    return v;
}

template <typename T> T fromDefault(StoreDefault<T> value)
{
    if constexpr (std::is_same_v<T, QString>)
        return value.toString();
    else
        return value;
}

bool isSlot(int slot)
{
    return slot >= 0 && slot < StoreKeys::kSlotCount;
}

} // namespace

template <typename T> T SettingsStore::get(const StoreKey<T>& key, StoreReader reader)
{
    return getOr(key, fromDefault<T>(key.defaults(reader)));
}

template <typename T>
T SettingsStore::getOr(const StoreKey<T>& key, std::type_identity_t<T> fallback)
{
    const std::optional<QString> stored = rawText(key.section, key.name);
    if (!stored)
        return fallback;
    return convertIn<T>(*stored, key.range).value_or(fallback);
}

template <typename T>
WriteResult SettingsStore::set(const StoreKey<T>& key, const std::type_identity_t<T>& value)
{
    return setRawText(key.section, key.name, toText(value));
}

template <typename T>
std::optional<T> SettingsStore::exchange(const StoreKey<T>& key, StoreReader reader,
                                         const std::type_identity_t<T>& value)
{
    const StoreBackend::Exchange taken =
        m_backend->exchange(sectionName(key.section), key.name, toText(value));
    if (!taken.written)
        return std::nullopt;
    const T fallback = fromDefault<T>(key.defaults(reader));
    return taken.before ? convertIn<T>(*taken.before, key.range).value_or(fallback) : fallback;
}

template <typename T> T SettingsStore::get(const StoreSlotKey<T>& key, int slot, StoreReader reader)
{
    const ReaderDefaults<T>& defaults =
        slot == 0 && key.firstSlotDefaults ? *key.firstSlotDefaults : key.defaults;
    T fallback = fromDefault<T>(defaults(reader));
    if (!isSlot(slot))
        return fallback;
    const std::optional<QString> stored = rawText(key.section, slotKeyName(key.prefix, slot));
    if (!stored)
        return fallback;
    return convertIn<T>(*stored, key.range).value_or(fallback);
}

template <typename T>
WriteResult SettingsStore::set(const StoreSlotKey<T>& key, int slot,
                               const std::type_identity_t<T>& value)
{
    if (!isSlot(slot))
        return WriteResult::failure(filePath(), QStringLiteral("no slot %1").arg(slot));
    return setRawText(key.section, slotKeyName(key.prefix, slot), toText(value));
}

template qint32 SettingsStore::get(const StoreKey<qint32>&, StoreReader);
template qint16 SettingsStore::get(const StoreKey<qint16>&, StoreReader);
template float SettingsStore::get(const StoreKey<float>&, StoreReader);
template QString SettingsStore::get(const StoreKey<QString>&, StoreReader);
template qint32 SettingsStore::getOr(const StoreKey<qint32>&, qint32);
template qint16 SettingsStore::getOr(const StoreKey<qint16>&, qint16);
template float SettingsStore::getOr(const StoreKey<float>&, float);
template QString SettingsStore::getOr(const StoreKey<QString>&, QString);
template WriteResult SettingsStore::set(const StoreKey<qint32>&, const qint32&);
template WriteResult SettingsStore::set(const StoreKey<qint16>&, const qint16&);
template WriteResult SettingsStore::set(const StoreKey<float>&, const float&);
template WriteResult SettingsStore::set(const StoreKey<QString>&, const QString&);
template std::optional<qint32> SettingsStore::exchange(const StoreKey<qint32>&, StoreReader,
                                                       const qint32&);
template qint32 SettingsStore::get(const StoreSlotKey<qint32>&, int, StoreReader);
template QString SettingsStore::get(const StoreSlotKey<QString>&, int, StoreReader);
template WriteResult SettingsStore::set(const StoreSlotKey<qint32>&, int, const qint32&);
template WriteResult SettingsStore::set(const StoreSlotKey<QString>&, int, const QString&);

WindowPlacement SettingsStore::placement(const PlacementKeys& keys, StoreReader reader)
{
    return {get(keys.left, reader), get(keys.top, reader), get(keys.width, reader)};
}

WriteResult SettingsStore::setPlacement(const PlacementKeys& keys, const WindowPlacement& p)
{
    return write(StoreBatch().setPlacement(keys, p));
}

WriteResult SettingsStore::write(const StoreBatch& batch)
{
    return m_backend->writeAll(batch.entries());
}

WriteResult SettingsStore::tryWrite(const StoreBatch& batch)
{
    return m_backend->tryWriteAll(batch.entries());
}

template <typename T>
StoreBatch& StoreBatch::set(const StoreKey<T>& key, const std::type_identity_t<T>& value)
{
    m_entries.push_back(
        {SettingsStore::sectionName(key.section), key.name.toString(), toText(value)});
    return *this;
}

template <typename T>
StoreBatch& StoreBatch::set(const StoreSlotKey<T>& key, int slot,
                            const std::type_identity_t<T>& value)
{
    if (isSlot(slot)) {
        m_entries.push_back({SettingsStore::sectionName(key.section),
                             SettingsStore::slotKeyName(key.prefix, slot), toText(value)});
    }
    return *this;
}

StoreBatch& StoreBatch::setPlacement(const PlacementKeys& keys, const WindowPlacement& p)
{
    return set(keys.left, p.left).set(keys.top, p.top).set(keys.width, p.width);
}

template StoreBatch& StoreBatch::set(const StoreKey<qint32>&, const qint32&);
template StoreBatch& StoreBatch::set(const StoreKey<qint16>&, const qint16&);
template StoreBatch& StoreBatch::set(const StoreKey<float>&, const float&);
template StoreBatch& StoreBatch::set(const StoreKey<QString>&, const QString&);
template StoreBatch& StoreBatch::set(const StoreSlotKey<qint32>&, int, const qint32&);
template StoreBatch& StoreBatch::set(const StoreSlotKey<QString>&, int, const QString&);
