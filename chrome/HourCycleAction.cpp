#include "HourCycleAction.h"

#include "HourCycle.h"
#include "SettingsStore.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

QAction* addHourCycleAction(QMenu& menu, SettingsStore& store, QAction* before)
{
    auto* action = new QAction(QCoreApplication::translate("HourCycle", "12-hour clock"), &menu);
    action->setObjectName(QStringLiteral("actClock12"));
    action->setCheckable(true);
    const auto showStored = [action, &store] {
        action->setChecked(HourCycles::load(store) == HourCycle::Twelve);
    };
    showStored();
    menu.insertAction(before, action);
    QObject::connect(&menu, &QMenu::aboutToShow, action, showStored);
    QObject::connect(action, &QAction::triggered, action, [showStored, &store](bool on) {
        const WriteResult written =
            HourCycles::save(store, on ? HourCycle::Twelve : HourCycle::TwentyFour);
        showStored();
        if (written)
            return;
        // Not modal: the clock keeps ticking while the message is up.
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("ZelClock"),
                                    written.error()->message());
        box->setObjectName(QStringLiteral("clock12Failure"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    return action;
}
