#include "SwitchProgram.h"

#include <QMessageBox>
#include <QWidget>

std::optional<StartFailure> SwitchProgram(QWidget* window, SettingsStore& store,
                                          ProgramStarter& starter, const SwitchTarget& target,
                                          const QString& folder)
{
    std::optional<StartFailure> failure =
        HandOver::handOver(store, starter, target.program, folder, target.kind);
    if (!failure) {
        window->close();
        return std::nullopt;
    }
    // Not modal: the clock keeps ticking while the message is up.
    auto* box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), failure->message(),
                                QMessageBox::Ok, window); // owned by the window
    box->setObjectName(QStringLiteral("switchFailure"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return failure;
}
