#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// An INI text as the settings file holds it. Section and key names keep the spelling they were
// first written with but are looked up without regard to case, so a hand-edited "plccount" under
// "[data]" is the same value as "PlcCount" under "[Data]". Values that would not survive a plain
// "key=value" line (blanks at either end, a leading quote, control characters) are written in
// double quotes with backslash escapes; every other value is written as it stands.
class IniDocument {
public:
    static IniDocument parse(const QByteArray& utf8);
    QByteArray serialize() const;

    std::optional<QString> value(QStringView section, QStringView key) const;
    // Returns false when the value was already there, so that callers can skip the write.
    bool setValue(QStringView section, QStringView key, const QString& value);

    static QString encodeValue(const QString& value);
    static QString decodeValue(QStringView text);

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        std::vector<Entry> entries;
    };

    const Section* findSection(QStringView name) const;
    Section* findSection(QStringView name);

    std::vector<Section> m_sections;
};
