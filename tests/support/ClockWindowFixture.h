#pragma once

#include "FakeClock.h"
#include "FakeForeground.h"
#include "HandOver.h"
#include "RecordingBackend.h"
#include "RecordingStarter.h"
#include "SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

// What a clock window is made from in a test: an in-memory store that logs its writes, a clock
// that stands still until moved (at `utc` on the first of January 2026), a foreground window
// the test sets (none at first), a starter that only records, and an empty folder of programs.
struct ClockWindowFixture {
    RecordingBackend* backend = new RecordingBackend; // owned by the store
    SettingsStore store{std::unique_ptr<StoreBackend>(backend)};
    FakeClock clock;
    FakeForeground foreground;
    RecordingStarter starter;
    QTemporaryDir programs;

    explicit ClockWindowFixture(QTime utc = QTime(12, 0))
    {
        setNow(QDateTime(QDate(2026, 1, 1), utc, Qt::UTC));
    }
    // The wall clock's time, read as the same figures in UTC and in local time.
    void setNow(const QDateTime& utc)
    {
        clock.utc = utc;
        clock.local = QDateTime(utc.date(), utc.time(), Qt::LocalTime);
    }
    // A key of the store's "Data" section, written as another program would.
    void set(const QString& key, const QString& value)
    {
        store.setRawText(SettingsStore::Section::Data, key, value);
    }
    // The folder the window looks for the other programs in, with its trailing separator.
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
    QString install(SuiteProgram program) const { return install(HandOver::fileName(program)); }
};
