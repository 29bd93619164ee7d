#include "RegistryBackend.h"

RegistryBackend::RegistryBackend(const QString& application)
    : m_settings(QStringLiteral("HKEY_CURRENT_USER\\Software\\") + application,
                 QSettings::NativeFormat)
{
}

std::optional<QString> RegistryBackend::read(QStringView section, QStringView key)
{
    const QString path = section.toString() + u'/' + key.toString();
    const QVariant v = m_settings.value(path);
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

bool RegistryBackend::write(QStringView section, QStringView key, const QString& value)
{
    const QString path = section.toString() + u'/' + key.toString();
    if (m_settings.value(path).toString() == value && m_settings.contains(path))
        return true;
    m_settings.setValue(path, value);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
