#pragma once

#include "StoreError.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <span>

// One key's new text, as a write of several keys carries it.
struct StoreEntry {
    QStringView section; // one of the store's section names, which outlive every entry
    QString key;
    QString value;
};

// Where the settings live: a file on Unix, the registry on Windows. Names are compared without
// regard to case by every backend; values are opaque text that must come back exactly as written.
class StoreBackend {
public:
    virtual ~StoreBackend() = default;

    // The stored text, or nothing when the key was never written (or the store cannot be read).
    virtual std::optional<QString> read(QStringView section, QStringView key) = 0;

    // Stores the text, or says why the store could not be written; the store is then unchanged.
    virtual WriteResult write(QStringView section, QStringView key, const QString& value) = 0;

    // Stores several keys in the order given. A backend that can replaces the store once for
    // all of them, so that a reader (or a writer killed half-way) sees either none or all; this
    // fallback writes them one by one and stops at the first failure.
    virtual WriteResult writeAll(std::span<const StoreEntry> entries)
    {
        for (const StoreEntry& e : entries) {
            if (WriteResult r = write(e.section, e.key, e.value); !r)
                return r;
        }
        return {};
    }

    // The same, unless another program holds the store's lock: then nothing is written, at once.
    // For writes that no window may wait for; a backend without a lock of its own just writes.
    virtual WriteResult tryWriteAll(std::span<const StoreEntry> entries)
    {
        return writeAll(entries);
    }

    // What a key held, and how the write of a new text in its place went.
    struct Exchange {
        std::optional<QString> before;
        WriteResult written;
    };
    // Writes the text and gives what the key held just before, in one step where the backend
    // can: of several programs exchanging one key at once, each sees what the one before it
    // left, so that only one finds a value that all the others replace. This fallback reads,
    // then writes.
    virtual Exchange exchange(QStringView section, QStringView key, const QString& value)
    {
        Exchange taken{read(section, key), {}};
        if (taken.before != value)
            taken.written = write(section, key, value);
        return taken;
    }

    // The file that holds the store, for watching it; empty when the store is no file.
    virtual QString filePath() const { return {}; }
};
