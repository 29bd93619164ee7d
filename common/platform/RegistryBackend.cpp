#include "RegistryBackend.h"

#include <QCoreApplication>

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

WriteResult RegistryBackend::write(QStringView section, QStringView key, const QString& value)
{
    const QString path = section.toString() + u'/' + key.toString();
    if (m_settings.value(path).toString() == value && m_settings.contains(path))
        return {};
    m_settings.setValue(path, value);
    m_settings.sync();
    switch (m_settings.status()) {
    case QSettings::NoError:
        return {};
    case QSettings::AccessError:
        return WriteResult::failure(
            m_settings.fileName(),
            QCoreApplication::translate("RegistryBackend", "the registry refused the change"));
    case QSettings::FormatError:
        break;
    }
    return WriteResult::failure(
        m_settings.fileName(),
        QCoreApplication::translate("RegistryBackend", "the registry key could not be written"));
}
