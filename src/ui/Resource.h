// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <optional>

namespace paginor {

// The command identifiers of the menus and of the commands that sit on no menu.
enum CommandId : int
{
    ID_FILE = 1020,
    ID_HELP = 1033,
    ID_CONTENTS = 1034,
    ID_ABOUT = 1035,
    ID_PAGINORHELP = 1036,
    ID_Exit = 1040,
    ID_SKIN = 1050,
    ID_AQUA = 1052,
    ID_NOSKIN = 1053,
    ID_OPEN = 1054,
    ID_CONVERT = 1055,
    ID_BLUE = 1058,
    ID_LIGHTBLUE = 1059,
    ID_SILVER = 1060,
    ID_BLACK = 1061,
    ID_MOREPDFFREEWARE = 1063,
};

// Where a command is placed.
enum class CommandPlace
{
    MenuBar,
    FileMenu,
    SkinMenu,
    HelpMenu,
    Nowhere, // defined and dispatched, but on no menu
};

struct Command
{
    int id;
    const char* name;
    const char* caption;
    const char* tooltip;
    CommandPlace place;
};

// The whole command set, in menu order within each place.
const Command* commandSetBegin();
const Command* commandSetEnd();

// The command with this number, or nullptr.
const Command* findCommand(int id);

// The skin number a skin command selects (ID_BLUE 0 ... ID_BLACK 4, ID_NOSKIN 5); nothing for
// other commands.
std::optional<int> skinOfCommand(int id);

// The check-mark rule: nothing for commands other than the six skin commands; otherwise
// whether the command is checked when `skinNumber` is current (none is for numbers outside
// 0 to 5).
std::optional<bool> skinCheckState(int id, int skinNumber);

} // namespace paginor
