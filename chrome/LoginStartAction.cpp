#include "LoginStartAction.h"

#include "platform/LoginStart.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

QAction* addLoginStartAction(QMenu& menu, QAction* before, const QString& launcher)
{
    if (!LoginStart::available())
        return nullptr;
    auto* action = new QAction(QCoreApplication::translate("LoginStart", "Start at login"), &menu);
    action->setObjectName(QStringLiteral("actLoginStart"));
    action->setCheckable(true);
    action->setChecked(LoginStart::isOn());
    menu.insertAction(before, action);
    QObject::connect(&menu, &QMenu::aboutToShow, action,
                     [action] { action->setChecked(LoginStart::isOn()); });
    QObject::connect(action, &QAction::triggered, action, [action, launcher](bool on) {
        if (LoginStart::set(on, launcher))
            return;
        action->setChecked(LoginStart::isOn());
        // Not modal: the clock keeps ticking while the message is up.
        auto* box =
            new QMessageBox(QMessageBox::Warning, QStringLiteral("ZelClock"),
                            QCoreApplication::translate("LoginStart", "Could not change %1.")
                                .arg(LoginStart::entryPath()));
        box->setObjectName(QStringLiteral("loginStartFailure"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    return action;
}
