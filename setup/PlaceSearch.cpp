#include "PlaceSearch.h"

#include "WorldDb.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

// Hiragana that have a katakana twin, and how far it lies.
constexpr char16_t kFirstHiragana = u'\u3041';
constexpr char16_t kLastHiragana = u'\u3096';
constexpr char16_t kKatakanaShift = 0x60;
// Combining marks below this are accents of Latin, Greek and Cyrillic letters; the kana voicing
// marks lie above it and belong to their letters.
constexpr char16_t kFirstCjkMark = u'\u3000';

enum class Rank { StartsWith, Contains, None };

bool inJapaneseScript(const QString& name)
{
    return std::any_of(name.begin(), name.end(), [](QChar c) {
        const QChar::Script s = c.script();
        return s == QChar::Script_Han || s == QChar::Script_Hiragana || s == QChar::Script_Katakana;
    });
}

int rowOrNone(int row)
{
    return row < 0 ? 0 : row;
}

} // namespace

QString FoundPlace::text() const
{
    QString t = name.trimmed();
    if (!matched.isEmpty())
        t += QStringLiteral(" (%1)").arg(matched.trimmed());
    if (!where.isEmpty())
        t += QStringLiteral(" \u2013 ") + where.trimmed();
    return t;
}

QString PlaceSearch::folded(const QString& text)
{
    QString bare;
    for (const QChar c : text.normalized(QString::NormalizationForm_KD)) {
        if (c.category() != QChar::Mark_NonSpacing || c.unicode() >= kFirstCjkMark)
            bare += c;
    }
    QString key;
    for (QChar c : bare.normalized(QString::NormalizationForm_C)) {
        if (!c.isLetterOrNumber())
            continue;
        if (c.unicode() >= kFirstHiragana && c.unicode() <= kLastHiragana)
            c = QChar(char16_t(c.unicode() + kKatakanaShift));
        key += c.toCaseFolded();
    }
    return key;
}

void PlaceSearch::Place::addName(const QString& name)
{
    const QString key = folded(name);
    const bool known =
        std::any_of(names.begin(), names.end(), [&](const Name& n) { return n.folded == key; });
    if (!key.isEmpty() && !known)
        names.push_back({name.trimmed(), key});
}

PlaceSearch::PlaceSearch(const WorldDb& db, const std::vector<ZoneCity>& zones)
{
    using K = FoundPlace::Kind;
    for (int r = 1; r < db.rowCount(WorldTable::lstCountryName); ++r) {
        const CountryEntry& e = db.country(r);
        const CountryName& j = db.countryJ(rowOrNone(db.countryJRow(e.coNo)));
        Place p{K::Country, e.coNo, {}, e.name.trimmed(), j.name, {}, {}, {}};
        for (const QString& name : {e.name, j.name, j.reading})
            p.addName(name);
        m_places.push_back(std::move(p));
    }

    // Cities, each place once: a row naming another row's place adds its names to that one's.
    QHash<int, std::size_t> placeOfCity;
    QHash<QByteArray, std::vector<std::size_t>> citiesOfZone;
    for (const bool repeated : {false, true}) {
        for (int r = 1; r < db.rowCount(WorldTable::lstCityName); ++r) {
            const City& c = db.city(r);
            if ((c.sameAs != 0) != repeated)
                continue;
            const City& j = db.cityJ(rowOrNone(db.cityJRow(c.ciNo)));
            QStringList names{c.name, j.name, j.reading};
            names += c.aliases;
            if (repeated) {
                if (const auto it = placeOfCity.constFind(c.sameAs); it != placeOfCity.cend()) {
                    for (const QString& name : names)
                        m_places[*it].addName(name);
                }
                continue;
            }
            const int entry = rowOrNone(db.countryRow(c.coNo));
            Place p{K::City,
                    c.ciNo,
                    {},
                    c.name.trimmed(),
                    j.name,
                    db.country(entry).name,
                    db.countryJ(rowOrNone(db.countryJRow(c.coNo))).name,
                    {}};
            for (const QString& name : names)
                p.addName(name);
            placeOfCity.insert(c.ciNo, m_places.size());
            if (!c.timeZone.isEmpty())
                citiesOfZone[ZoneCities::canonical(c.timeZone.toUtf8())].push_back(m_places.size());
            m_places.push_back(std::move(p));
        }
    }

    QSet<QByteArray> seen;
    for (const ZoneCity& z : zones) {
        if (seen.contains(z.canonical))
            continue;
        seen.insert(z.canonical);
        const QStringList names{z.english, z.japanese, z.local};
        const auto shares = [&](std::size_t city) {
            return std::any_of(names.begin(), names.end(), [&](const QString& name) {
                const QString key = folded(name);
                const auto& known = m_places[city].names;
                return std::any_of(known.begin(), known.end(), [&](const Name& n) {
                    return !key.isEmpty() && n.folded == key;
                });
            });
        };
        const std::vector<std::size_t>& cities = citiesOfZone.value(z.canonical);
        const auto same = std::find_if(cities.begin(), cities.end(), shares);
        if (same != cities.end()) {
            for (const QString& name : names)
                m_places[*same].addName(name);
            continue;
        }
        const QString id = QString::fromUtf8(z.zone);
        Place p{K::Zone, 0,  z.zone, z.english, z.japanese.isEmpty() ? z.english : z.japanese,
                id,      id, {}};
        for (const QString& name : names)
            p.addName(name);
        m_places.push_back(std::move(p));
    }
}

std::vector<FoundPlace> PlaceSearch::find(const QString& text, bool english) const
{
    const QString key = folded(text);
    if (key.isEmpty())
        return {};
    struct Hit {
        Rank rank;
        QString order;
        const Place* place;
        const Name* name;
    };
    std::vector<Hit> hits;
    for (const Place& p : m_places) {
        Hit hit{Rank::None, {}, &p, nullptr};
        for (const Name& n : p.names) {
            if (n.folded.startsWith(key)) {
                hit.rank = Rank::StartsWith;
                hit.name = &n;
                break;
            }
            if (hit.rank == Rank::None && n.folded.contains(key)) {
                hit.rank = Rank::Contains;
                hit.name = &n;
            }
        }
        if (hit.rank != Rank::None) {
            hit.order = folded(english ? p.english : p.japanese);
            hits.push_back(std::move(hit));
        }
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        if (a.rank != b.rank)
            return a.rank < b.rank;
        if (a.order != b.order)
            return a.order < b.order;
        return a.place->kind < b.place->kind;
    });

    std::vector<FoundPlace> found;
    found.reserve(hits.size());
    for (const Hit& h : hits) {
        const Place& p = *h.place;
        FoundPlace f{p.kind, p.number,
                     p.zone, english ? p.english : p.japanese,
                     {},     english ? p.whereEnglish : p.whereJapanese};
        if (h.name->folded != h.order)
            f.matched = h.name->shown;
        found.push_back(std::move(f));
    }
    return found;
}

int PlaceSearch::englishCount() const
{
    return int(std::count_if(m_places.begin(), m_places.end(),
                             [](const Place& p) { return !p.english.isEmpty(); }));
}

int PlaceSearch::japaneseCount() const
{
    return int(std::count_if(m_places.begin(), m_places.end(),
                             [](const Place& p) { return inJapaneseScript(p.japanese); }));
}
