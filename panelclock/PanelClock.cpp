#include "PanelClock.h"

#include "PanelButtons.h"

#include <QCoreApplication>

PanelClock::PanelClock(SettingsStore& store, const Clock& clock, const QLocale& locale)
    : m_rotation(store, clock, locale)
{
}

QString PanelClock::followToolTip() const
{
    if (!m_canFollow)
        return QCoreApplication::translate(
            "PanelClock", "This desktop does not show other programs' windows to the panel "
                          "(Wayland without X), so it cannot follow their title bars.");
    if (!m_toggled)
        return toolTipOf(entryOf(PanelButtons::table(), PanelButton::Follow));
    return m_following
               ? QCoreApplication::translate("PanelClock",
                                             "Change to \"Stop following the title bar\"")
               : QCoreApplication::translate("PanelClock", "Change to \"Follow the title bar\"");
}
