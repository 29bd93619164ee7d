#include "PanelClock.h"

#include "PanelButtons.h"

#include <QCoreApplication>

PanelClock::PanelClock(SettingsStore& store, const Clock& clock, QLocale locale)
    : m_rotation(store, clock, std::move(locale))
{
}

QString PanelClock::followToolTip() const
{
    if (!m_canFollow)
        return QCoreApplication::translate(
            "PanelClock", "This desktop does not show other programs' windows to the panel "
                          "(Wayland without X), so it cannot follow their title bars.");
    if (!m_toggled)
        return PanelButtons::entry(PanelButton::Follow).toolTip;
    return m_following ? QString::fromUtf8("「タイトルバーを追わない」に変更")
                       : QString::fromUtf8("「タイトルバーを追う」に変更");
}
