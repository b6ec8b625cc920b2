// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/CommandBars.h"

#include "ui/Resource.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace paginor {

CommandBars::CommandBars(QMainWindow* window, Execute execute, Update update)
    : QObject(window), m_execute(std::move(execute)), m_update(std::move(update))
{
    QMenuBar* bar = window->menuBar();
    bar->setObjectName(QStringLiteral("CommandBars1"));
    bar->setAccessibleName(tr("Menu Bar"));

    const QHash<CommandPlace, int> menuOf = {{CommandPlace::FileMenu, ID_FILE},
                                             {CommandPlace::SkinMenu, ID_SKIN},
                                             {CommandPlace::HelpMenu, ID_HELP}};
    for (const Command* c = commandSetBegin(); c != commandSetEnd(); ++c) {
        const QString caption = tr(c->caption);
        if (c->place == CommandPlace::MenuBar) {
            QMenu* menu = bar->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(c->name));
            menu->setToolTip(tr(c->tooltip));
            menu->menuAction()->setData(c->id);
            m_menus.insert(c->id, menu);
            m_actions.insert(c->id, menu->menuAction());
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { refresh(menu); });
            continue;
        }
        auto* action = new QAction(caption, window);
        action->setObjectName(QString::fromLatin1(c->name));
        action->setToolTip(tr(c->tooltip));
        action->setStatusTip(tr(c->tooltip));
        action->setData(c->id);
        if (skinOfCommand(c->id))
            action->setCheckable(true);
        m_actions.insert(c->id, action);
        const int id = c->id;
        connect(action, &QAction::triggered, this, [this, id] { m_execute(id); });
        if (c->place == CommandPlace::Nowhere) {
            // On no menu, but still reachable through the window.
            window->addAction(action);
            continue;
        }
        QMenu* menu = m_menus.value(menuOf.value(c->place));
        if (id == ID_NOSKIN)
            menu->addSeparator();
        menu->addAction(action);
        if (id == ID_PAGINORHELP) {
            // F1 belongs to the manual's menu entry alone; "&Contents" opens it too, unbound.
            action->setShortcut(QKeySequence::HelpContents);
            menu->addSeparator();
        }
        menu->setToolTipsVisible(true);
    }
}

void CommandBars::refresh(QMenu* menu)
{
    if (!menu || !m_update)
        return;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            m_update(action->data().toInt(), action);
}

} // namespace paginor
