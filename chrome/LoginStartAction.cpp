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
        const QString failed = LoginStart::set(on, launcher);
        action->setChecked(LoginStart::isOn());
        if (failed.isEmpty())
            return;
        // Not modal: the clock keeps ticking while the message is up.
        auto* box =
            new QMessageBox(QMessageBox::Warning, QStringLiteral("ZelClock"),
                            //: %1 is the login entry's file, %2 why it could not be changed
                            QCoreApplication::translate("LoginStart", "Could not change %1: %2.")
                                .arg(LoginStart::entryPath(), failed));
        box->setObjectName(QStringLiteral("loginStartFailure"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
    return action;
}
