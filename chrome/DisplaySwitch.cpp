#include "DisplaySwitch.h"

#include "BusyCursor.h"
#include "HourCycleAction.h"
#include "LoginStartAction.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>
#include <array>
#include <utility>

namespace {

struct MenuEntry {
    Program display;
    const char* name; // objectName of the menu's action
    const char* text; // the words of the clocks' matching buttons
};

// In the order the menus show them.
constexpr std::array kMenuEntries{
    MenuEntry{Program::TitleBarClock, "actTitleBar",
              QT_TRANSLATE_NOOP("ClockButtons", "Put into the title bar")},
    MenuEntry{Program::PanelClock, "actPanel",
              QT_TRANSLATE_NOOP("ClockButtons", "Show as a separate clock")},
    MenuEntry{Program::ListClock, "actList",
              QT_TRANSLATE_NOOP("ClockButtons", "Show time differences as a picture")},
    MenuEntry{Program::TaskBarClock, "actTaskBar",
              QT_TRANSLATE_NOOP("ClockButtons", "Show in the task bar")},
    MenuEntry{Program::Settings, "actSettings", QT_TRANSLATE_NOOP("ClockButtons", "Settings")},
};

std::optional<Program> kindWritten(Program display)
{
    if (display == Program::Settings || display == Program::TaskBarClock)
        return std::nullopt;
    return display;
}

QAction* addAction(QMenu& menu, const char* name, const char* text)
{
    QAction* action = menu.addAction(QCoreApplication::translate("ClockButtons", text));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

DisplaySwitch::DisplaySwitch(SettingsStore& store, ProgramStarter& starter, QString folder,
                             QWidget& window, QString title)
    : m_store(store), m_starter(starter), m_folder(std::move(folder)), m_window(window),
      m_title(std::move(title))
{
}

bool DisplaySwitch::switchTo(const SwitchTarget& target) const
{
    std::optional<StartFailure> failure;
    {
        const BusyCursor busy;
        failure = HandOver::handOver(m_store, m_starter, target.program, m_folder, target.kind);
    }
    if (!failure)
        return true;
    auto* box = new QMessageBox(QMessageBox::Warning, m_title, failure->message(), QMessageBox::Ok,
                                &m_window); // deleted when closed
    box->setObjectName(QStringLiteral("switchFailure"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return false;
}

void DisplaySwitch::fillMenu(QMenu& menu, Program self, const std::function<void()>& end) const
{
    for (const MenuEntry& e : kMenuEntries) {
        if (e.display == self)
            continue;
        QObject::connect(
            addAction(menu, e.name, e.text), &QAction::triggered, &menu,
            [displaySwitch = *this, end, to = SwitchTarget{e.display, kindWritten(e.display)}] {
                if (displaySwitch.switchTo(to))
                    end();
            });
    }
    QAction* endAction = addAction(menu, "actEnd", QT_TRANSLATE_NOOP("ClockButtons", "End"));
    QObject::connect(endAction, &QAction::triggered, &menu, end);
    addHourCycleAction(menu, m_store, endAction);
    addLoginStartAction(menu, endAction,
                        HandOver::withTrailingSeparator(m_folder) +
                            HandOver::fileName(Program::Launcher));
}
