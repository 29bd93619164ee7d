#pragma once

#include <optional>

// The programs of the suite, which the switches, the menus and the launcher lead to. The four
// clocks come first, numbered as the store's "Kind" holds them; the settings program and the
// launcher have no number there.
enum class Program {
    TitleBarClock = 0,
    PanelClock = 1,
    ListClock = 2,
    TaskBarClock = 3,
    Settings,
    Launcher,
};

// The clock that a stored "Kind" names; nothing for a number that names none.
constexpr std::optional<Program> clockOfKind(int kind)
{
    if (kind < int(Program::TitleBarClock) || kind > int(Program::TaskBarClock))
        return std::nullopt;
    return Program(kind);
}
