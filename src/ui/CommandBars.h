// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QHash>
#include <QObject>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;

namespace paginor {

// The window's menus and command actions, built from the command set: "&File", "&Skin" and
// "&Help" on the menu bar, and the commands that sit on no menu as actions of the window.
// "Paginor &Help" heads the Help menu and holds F1.
// Every command, when triggered, is handed to `execute` by number; before a menu shows, each
// of its actions is handed to `update` so the owner can set its state.
class CommandBars : public QObject
{
    Q_OBJECT
public:
    using Execute = std::function<void(int id)>;
    using Update = std::function<void(int id, QAction* action)>;

    CommandBars(QMainWindow* window, Execute execute, Update update);

    // The action of a command number, or nullptr.
    QAction* action(int id) const { return m_actions.value(id, nullptr); }
    // The menu of a menu-bar command (ID_FILE, ID_SKIN, ID_HELP), or nullptr.
    QMenu* menu(int id) const { return m_menus.value(id, nullptr); }

    // Runs `update` on every action of `menu`, as happens before it shows.
    void refresh(QMenu* menu);

private:
    Execute m_execute;
    Update m_update;
    QHash<int, QAction*> m_actions;
    QHash<int, QMenu*> m_menus;
};

} // namespace paginor
