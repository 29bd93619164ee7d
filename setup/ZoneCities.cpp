#include "ZoneCities.h"

#include <QLocale>
#include <QTimeZone>
#include <memory>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/tznames.h>
#include <unicode/unistr.h>

namespace {

// Zones for no place (UTC, Etc/GMT+5) lie in this UN M.49 region, the world.
const icu::UnicodeString kWorldRegion(u"001");

icu::UnicodeString icuText(QByteArrayView text)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), int32_t(text.size())));
}

QString qtText(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

std::unique_ptr<icu::TimeZoneNames> namesIn(const char* locale)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::TimeZoneNames> names(
        icu::TimeZoneNames::createInstance(icu::Locale(locale), status));
    return U_SUCCESS(status) ? std::move(names) : nullptr;
}

QString cityIn(const icu::TimeZoneNames* names, QByteArrayView zone)
{
    if (!names)
        return {};
    icu::UnicodeString city;
    names->getExemplarLocationName(icuText(zone), city);
    return city.isBogus() ? QString() : qtText(city);
}

bool placed(QByteArrayView zone)
{
    UErrorCode status = U_ZERO_ERROR;
    char region[8] = {};
    icu::TimeZone::getRegion(icuText(zone), region, sizeof region, status);
    return U_SUCCESS(status) && icu::UnicodeString(region) != kWorldRegion;
}

} // namespace

namespace ZoneCities {

std::vector<ZoneCity> all()
{
    const auto english = namesIn("en");
    const auto japanese = namesIn("ja");
    const QLocale ui;
    std::unique_ptr<icu::TimeZoneNames> local;
    if (ui.language() != QLocale::English && ui.language() != QLocale::Japanese)
        local = namesIn(ui.name().toLatin1().constData());
    std::vector<ZoneCity> zones;
    for (const QByteArray& zone : QTimeZone::availableTimeZoneIds()) {
        if (!placed(zone))
            continue;
        ZoneCity z{zone, canonical(zone), cityIn(english.get(), zone), cityIn(japanese.get(), zone),
                   cityIn(local.get(), zone)};
        if (!z.english.isEmpty())
            zones.push_back(std::move(z));
    }
    return zones;
}

QString city(QByteArrayView zone, bool english)
{
    // Made once: each holds the language's zone names, and a redraw of the slots asks often.
    static const auto inEnglish = namesIn("en");
    static const auto inJapanese = namesIn("ja");
    return cityIn(english ? inEnglish.get() : inJapanese.get(), zone);
}

QByteArray canonical(QByteArrayView zone)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString id;
    icu::TimeZone::getCanonicalID(icuText(zone), id, status);
    if (U_FAILURE(status) || id.isEmpty())
        return zone.toByteArray();
    std::string utf8;
    id.toUTF8String(utf8);
    return QByteArray::fromStdString(utf8);
}

} // namespace ZoneCities
