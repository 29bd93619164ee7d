#pragma once

#include "FakeClock.h"
#include "HandOver.h"
#include "RecordingBackend.h"
#include "RecordingStarter.h"
#include "SettingsStore.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// What a clock's logic is tested with: an in-memory store that logs its writes, a clock that
// stands still until moved (at `utc`, by default midnight on the first of January 2026), a
// starter that only records, and an empty folder of programs.
struct StoreClockFixture {
    RecordingBackend* backend = new RecordingBackend; // owned by the store
    SettingsStore store{std::unique_ptr<StoreBackend>(backend)};
    FakeClock clock;
    RecordingStarter starter;
    QTemporaryDir programs;

    explicit StoreClockFixture(const QDateTime& utc = QDateTime(QDate(2026, 1, 1), QTime(0, 0),
                                                                Qt::UTC))
    {
        setNow(utc);
    }
    // The wall clock's time; the computer's own clock reads the same figures, as under TZ=UTC,
    // unless given apart.
    void setNow(const QDateTime& utc)
    {
        setNow(utc, QDateTime(utc.date(), utc.time(), Qt::LocalTime));
    }
    void setNow(const QDateTime& utc, const QDateTime& local)
    {
        clock.utc = utc;
        clock.local = local;
    }
    // A key of the store's "Data" section, written as another program would.
    void set(const QString& key, const QString& value)
    {
        QVERIFY(store.setRawText(SettingsStore::Section::Data, key, value));
    }
    // A place in `slot` at a fixed offset from UTC.
    void addPlace(int slot, const QString& name, int hours, int minutes = 0)
    {
        QVERIFY(store.set(StoreKeys::WP, slot, name));
        QVERIFY(store.set(StoreKeys::WD, slot, hours));
        QVERIFY(store.set(StoreKeys::WDM, slot, minutes));
    }
    // Places named by their zones, from slot 0 on, and as many of them counted.
    void addZones(const QStringList& zones)
    {
        QVERIFY(store.set(StoreKeys::PlcCount, int(zones.size()) - 1));
        for (int i = 0; i < zones.size(); ++i) {
            QVERIFY(store.set(StoreKeys::WP, i, zones[i]));
            QVERIFY(store.set(StoreKeys::TZ, i, zones[i]));
        }
    }
    // The folder the logic looks for the other programs in, with its trailing separator.
    QString folder() const { return programs.path() + '/'; }
    // An executable file standing in for a program of the suite; its path.
    QString install(const QString& fileName) const
    {
        QString path = programs.filePath(fileName);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("#!/bin/sh\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    QString install(Program program) const { return install(HandOver::fileName(program)); }
};
