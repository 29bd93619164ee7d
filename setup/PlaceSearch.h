#pragma once

#include "ZoneCities.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class WorldDb;

// A place the search finds: a country entry or a city of the world database, or a time zone of
// the system known by its city.
struct FoundPlace {
    enum class Kind { Country, City, Zone };
    Kind kind = Kind::City;
    int number = 0;  // the country number or the city number; 0 for a zone
    QByteArray zone; // a zone's id
    QString name;    // in the language asked for
    QString matched; // the name the text matched, where that is another one
    QString where;   // a city's country entry, a zone's id
    // As the list of found places shows it: "Oakland (Auckland) – New Zealand".
    QString text() const;
};

// Finds places by any of their names at once: the English and the Japanese names of the country
// entries and cities, their kana readings and today's names of cities listed under old ones, and
// every zone of the system by its city in English, Japanese and the interface language. A zone
// whose city the database lists already (the same zone, a name in common) is that city. Text and
// names are compared in one folded form: full-width and half-width forms alike, letter case,
// accents, hiragana and katakana, blanks and punctuation do not count.
class PlaceSearch {
public:
    PlaceSearch(const WorldDb& db, const std::vector<ZoneCity>& zones);

    // Every place with a name that starts with the text, then every place with a name that
    // contains it, each group in the order of the names; named in English or in Japanese.
    // Nothing for a text that folds to nothing.
    std::vector<FoundPlace> find(const QString& text, bool english) const;

    // How many places have a name in English, and in Japanese script.
    int englishCount() const;
    int japaneseCount() const;

    // The form in which names and text are compared.
    static QString folded(const QString& text);

private:
    struct Name {
        QString shown;
        QString folded;
    };
    struct Place {
        FoundPlace::Kind kind;
        int number = 0;
        QByteArray zone;
        QString english;
        QString japanese;
        QString whereEnglish;
        QString whereJapanese;
        std::vector<Name> names;
        void addName(const QString& name);
    };

    std::vector<Place> m_places;
};
