#include "SwitchProgram.h"

#include "BusyCursor.h"

#include <QMessageBox>
#include <QWidget>

std::optional<StartFailure> switchProgram(QWidget* window, SettingsStore& store,
                                          ProgramStarter& starter, const SwitchTarget& target,
                                          const QString& folder)
{
    std::optional<StartFailure> failure;
    {
        const BusyCursor busy; // the hand-over's save may wait for another program's lock
        failure = HandOver::handOver(store, starter, target.program, folder, target.kind);
    }
    if (!failure) {
        window->close();
        return std::nullopt;
    }
    showStartFailure(window, window->windowTitle(), *failure);
    return failure;
}

void showStartFailure(QWidget* parent, const QString& title, const StartFailure& failure)
{
    auto* box = new QMessageBox(QMessageBox::Warning, title, failure.message(), QMessageBox::Ok,
                                parent); // owned by the parent, deleted when closed
    box->setObjectName(QStringLiteral("switchFailure"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
