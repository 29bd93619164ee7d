#include "SettingsStore.h"

#include "IniFileBackend.h"
#ifdef Q_OS_WIN
#include "RegistryBackend.h"
#endif

#include <QDir>
#include <QStandardPaths>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

QStringView sectionName(SettingsStore::Section s)
{
    return s == SettingsStore::Section::Settings ? u"Settings" : u"Data";
}

QString slotKey(QStringView prefix, int slot)
{
    return prefix.toString() + QString::number(slot);
}

using Section = SettingsStore::Section;

} // namespace

SettingsStore::SettingsStore(std::unique_ptr<StoreBackend> backend) : m_backend(std::move(backend))
{
}

QString SettingsStore::userStoreFile(const QString& application)
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QString folder = application;
    // File systems here are case-sensitive but the store's names are not: reuse the folder
    // that another program of the suite created, whatever its spelling.
    const QStringList existing = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : existing) {
        if (name.compare(application, Qt::CaseInsensitive) == 0) {
            folder = name;
            break;
        }
    }
    QString file = folder + QStringLiteral(".conf");
    const QStringList files = QDir(base + u'/' + folder).entryList(QDir::Files);
    for (const QString& name : files) {
        if (name.compare(file, Qt::CaseInsensitive) == 0) {
            file = name;
            break;
        }
    }
    return base + u'/' + folder + u'/' + file;
}

SettingsStore SettingsStore::openUser(const QString& application)
{
#ifdef Q_OS_WIN
    return SettingsStore(std::make_unique<RegistryBackend>(application));
#else
    return SettingsStore(std::make_unique<IniFileBackend>(userStoreFile(application)));
#endif
}

QString SettingsStore::readText(Section section, QStringView key, const QString& fallback)
{
    return m_backend->read(sectionName(section), key).value_or(fallback);
}

bool SettingsStore::writeText(Section section, QStringView key, const QString& value)
{
    return m_backend->write(sectionName(section), key, value);
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

int SettingsStore::readInt(Section section, QStringView key, int fallback)
{
    const std::optional<QString> text = m_backend->read(sectionName(section), key);
    if (!text)
        return fallback;
    return toInt32(*text).value_or(fallback);
}

bool SettingsStore::writeInt(Section section, QStringView key, int value)
{
    return writeText(section, key, QString::number(value));
}

float SettingsStore::readFloat(Section section, QStringView key, float fallback)
{
    const std::optional<QString> text = m_backend->read(sectionName(section), key);
    if (!text)
        return fallback;
    return toFloat(*text).value_or(fallback);
}

WindowPlacement SettingsStore::readPlacement(QStringView left, QStringView top, QStringView width,
                                             const WindowPlacement& fallback)
{
    return {readFloat(Section::Settings, left, fallback.left),
            readFloat(Section::Settings, top, fallback.top),
            readFloat(Section::Settings, width, fallback.width)};
}

bool SettingsStore::writePlacement(QStringView left, QStringView top, QStringView width,
                                   const WindowPlacement& p)
{
    const bool a = writeText(Section::Settings, left, fromFloat(p.left));
    const bool b = writeText(Section::Settings, top, fromFloat(p.top));
    const bool c = writeText(Section::Settings, width, fromFloat(p.width));
    return a && b && c;
}

int SettingsStore::start()
{
    return readInt(Section::Settings, u"Start", 0);
}

bool SettingsStore::setStart(int value)
{
    return writeInt(Section::Settings, u"Start", value);
}

int SettingsStore::kind(int fallback)
{
    return readInt(Section::Settings, u"Kind", fallback);
}

bool SettingsStore::setKind(int value)
{
    return writeInt(Section::Settings, u"Kind", value);
}

int SettingsStore::language(int fallback)
{
    return readInt(Section::Settings, u"JE", fallback);
}

bool SettingsStore::setLanguage(int value)
{
    return writeInt(Section::Settings, u"JE", value);
}

qint16 SettingsStore::selectPattern(qint16 fallback)
{
    const std::optional<QString> text =
        m_backend->read(sectionName(Section::Settings), u"SelectPattern");
    return text ? toInt16(*text).value_or(fallback) : fallback;
}

bool SettingsStore::setSelectPattern(qint16 value)
{
    return writeInt(Section::Settings, u"SelectPattern", value);
}

WindowPlacement SettingsStore::panelPlacement()
{
    return readPlacement(u"MainLeft", u"MainTop", u"MainWidth", {1000, 0, 5000});
}

bool SettingsStore::setPanelPlacement(const WindowPlacement& p)
{
    return writePlacement(u"MainLeft", u"MainTop", u"MainWidth", p);
}

WindowPlacement SettingsStore::listPlacement()
{
    return readPlacement(u"MainLLeft", u"MainLTop", u"MainLWidth", {300, 100, 8175});
}

bool SettingsStore::setListPlacement(const WindowPlacement& p)
{
    return writePlacement(u"MainLLeft", u"MainLTop", u"MainLWidth", p);
}

int SettingsStore::plcCount(int fallback)
{
    return readInt(Section::Data, u"PlcCount", fallback);
}

bool SettingsStore::setPlcCount(int value)
{
    return writeInt(Section::Data, u"PlcCount", value);
}

int SettingsStore::changeInterval(int fallback)
{
    return readInt(Section::Data, u"CT", fallback);
}

bool SettingsStore::setChangeInterval(int value)
{
    return writeInt(Section::Data, u"CT", value);
}

int SettingsStore::change()
{
    return readInt(Section::Data, u"Change", 0);
}

bool SettingsStore::setChange(int value)
{
    return writeInt(Section::Data, u"Change", value);
}

QString SettingsStore::placeName(int slot, const QString& fallback)
{
    return readText(Section::Data, slotKey(u"WP", slot), fallback);
}

bool SettingsStore::setPlaceName(int slot, const QString& value)
{
    return writeText(Section::Data, slotKey(u"WP", slot), value);
}

int SettingsStore::placeHours(int slot, int fallback)
{
    return readInt(Section::Data, slotKey(u"WD", slot), fallback);
}

bool SettingsStore::setPlaceHours(int slot, int value)
{
    return writeInt(Section::Data, slotKey(u"WD", slot), value);
}

int SettingsStore::placeMinutes(int slot, int fallback)
{
    return readInt(Section::Data, slotKey(u"WDM", slot), fallback);
}

bool SettingsStore::setPlaceMinutes(int slot, int value)
{
    return writeInt(Section::Data, slotKey(u"WDM", slot), value);
}

int SettingsStore::slotNumber(int slot, int fallback)
{
    return readInt(Section::Data, slotKey(u"No", slot), fallback);
}

bool SettingsStore::setSlotNumber(int slot, int value)
{
    return writeInt(Section::Data, slotKey(u"No", slot), value);
}

int SettingsStore::slotSummer(int slot, int fallback)
{
    return readInt(Section::Data, slotKey(u"SA", slot), fallback);
}

bool SettingsStore::setSlotSummer(int slot, int value)
{
    return writeInt(Section::Data, slotKey(u"SA", slot), value);
}
