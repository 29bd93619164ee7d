#pragma once

#include "StoreBackend.h"

#include <QMap>
#include <QStringList>

// A store in memory that keeps a log of every write, "Section/Key=value", in order.
class RecordingBackend final : public StoreBackend {
public:
    std::optional<QString> read(QStringView section, QStringView key) override
    {
        const auto it = values.constFind(name(section, key));
        if (it == values.constEnd())
            return std::nullopt;
        return *it;
    }
    bool write(QStringView section, QStringView key, const QString& value) override
    {
        values.insert(name(section, key), value);
        writes.push_back(section.toString() + '/' + key.toString() + '=' + value);
        return true;
    }

    QMap<QString, QString> values;
    QStringList writes;

private:
    static QString name(QStringView section, QStringView key)
    {
        return (section.toString() + '/' + key.toString()).toLower();
    }
};
