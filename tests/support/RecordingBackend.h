#pragma once

#include "StoreBackend.h"

#include <QMap>
#include <QStringList>

// A store in memory that keeps a log of every write, "Section/Key=value", in order, and counts
// the writes to the store as a whole (a write of several keys at once counts one).
class RecordingBackend final : public StoreBackend {
public:
    std::optional<QString> read(QStringView section, QStringView key) override
    {
        const auto it = values.constFind(name(section, key));
        if (it == values.constEnd())
            return std::nullopt;
        return *it;
    }
    WriteResult write(QStringView section, QStringView key, const QString& value) override
    {
        ++rounds;
        record(section, key, value);
        return {};
    }
    WriteResult writeAll(std::span<const StoreEntry> entries) override
    {
        ++rounds;
        for (const StoreEntry& e : entries)
            record(e.section, e.key, e.value);
        return {};
    }

    QMap<QString, QString> values;
    QStringList writes;
    int rounds = 0;

private:
    void record(QStringView section, QStringView key, const QString& value)
    {
        values.insert(name(section, key), value);
        writes.push_back(section.toString() + '/' + key.toString() + '=' + value);
    }
    static QString name(QStringView section, QStringView key)
    {
        return (section.toString() + '/' + key.toString()).toLower();
    }
};
