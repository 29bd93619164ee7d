#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Where the settings live: a file on Unix, the registry on Windows. Names are compared without
// regard to case by every backend; values are opaque text that must come back exactly as written.
class StoreBackend {
public:
    virtual ~StoreBackend() = default;

    // The stored text, or nothing when the key was never written (or the store cannot be read).
    virtual std::optional<QString> read(QStringView section, QStringView key) = 0;

    // Stores the text. Returns false when the store cannot be written; the caller goes on.
    virtual bool write(QStringView section, QStringView key, const QString& value) = 0;

    // The file that holds the store, for watching it; empty when the store is no file.
    virtual QString filePath() const { return {}; }
};
