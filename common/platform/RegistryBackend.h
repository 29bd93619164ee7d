#pragma once

#include "StoreBackend.h"

#include <QSettings>

// The settings under HKEY_CURRENT_USER\Software\<application> with one subkey per section.
// The registry compares names without regard to case by itself and reads are not cached, so
// another program's write is seen at once.
class RegistryBackend final : public StoreBackend {
public:
    explicit RegistryBackend(const QString& application);

    std::optional<QString> read(QStringView section, QStringView key) override;
    WriteResult write(QStringView section, QStringView key, const QString& value) override;

private:
    QSettings m_settings;
};
