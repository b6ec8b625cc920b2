// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/Resource.h"

#include <QtGlobal>

#include <iterator>

namespace paginor {

namespace {

const Command kCommands[] = {
    {ID_FILE, "ID_FILE", QT_TRANSLATE_NOOP("paginor::CommandBars", "&File"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "File"), CommandPlace::MenuBar},
    {ID_SKIN, "ID_SKIN", QT_TRANSLATE_NOOP("paginor::CommandBars", "&Skin"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Skin"), CommandPlace::MenuBar},
    {ID_HELP, "ID_HELP", QT_TRANSLATE_NOOP("paginor::CommandBars", "&Help"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Help"), CommandPlace::MenuBar},
    {ID_Exit, "ID_Exit", QT_TRANSLATE_NOOP("paginor::CommandBars", "&Exit"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Quit"), CommandPlace::FileMenu},
    {ID_BLUE, "ID_BLUE", QT_TRANSLATE_NOOP("paginor::CommandBars", "&Blue"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Blue"), CommandPlace::SkinMenu},
    {ID_LIGHTBLUE, "ID_LIGHTBLUE", QT_TRANSLATE_NOOP("paginor::CommandBars", "&Light Blue"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Light Blue"), CommandPlace::SkinMenu},
    {ID_AQUA, "ID_AQUA", QT_TRANSLATE_NOOP("paginor::CommandBars", "&Aqua"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Aqua"), CommandPlace::SkinMenu},
    {ID_SILVER, "ID_SILVER", QT_TRANSLATE_NOOP("paginor::CommandBars", "&Silver"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Silver"), CommandPlace::SkinMenu},
    {ID_BLACK, "ID_BLACK", QT_TRANSLATE_NOOP("paginor::CommandBars", "Bla&ck"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Black"), CommandPlace::SkinMenu},
    {ID_NOSKIN, "ID_NOSKIN", QT_TRANSLATE_NOOP("paginor::CommandBars", "&No Skin"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "No Skin"), CommandPlace::SkinMenu},
    {ID_PAGINORHELP, "ID_PAGINORHELP", QT_TRANSLATE_NOOP("paginor::CommandBars", "Paginor &Help"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Paginor Help"), CommandPlace::HelpMenu},
    {ID_ABOUT, "ID_ABOUT", QT_TRANSLATE_NOOP("paginor::CommandBars", "&About"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "About"), CommandPlace::HelpMenu},
    {ID_MOREPDFFREEWARE, "ID_MOREPDFFREEWARE",
     QT_TRANSLATE_NOOP("paginor::CommandBars", "More PDF Freeware..."),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "More PDF Freeware..."), CommandPlace::HelpMenu},
    {ID_CONTENTS, "ID_CONTENTS", QT_TRANSLATE_NOOP("paginor::CommandBars", "&Contents"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Contents"), CommandPlace::Nowhere},
    {ID_OPEN, "ID_OPEN", QT_TRANSLATE_NOOP("paginor::CommandBars", "Open"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Open"), CommandPlace::Nowhere},
    {ID_CONVERT, "ID_CONVERT", QT_TRANSLATE_NOOP("paginor::CommandBars", "&Save"),
     QT_TRANSLATE_NOOP("paginor::CommandBars", "Convert"), CommandPlace::Nowhere},
};

} // namespace

const Command* commandSetBegin()
{
    return std::begin(kCommands);
}

const Command* commandSetEnd()
{
    return std::end(kCommands);
}

const Command* findCommand(int id)
{
    for (const Command& c : kCommands)
        if (c.id == id)
            return &c;
    return nullptr;
}

std::optional<int> skinOfCommand(int id)
{
    switch (id) {
    case ID_BLUE:
        return 0;
    case ID_LIGHTBLUE:
        return 1;
    case ID_AQUA:
        return 2;
    case ID_SILVER:
        return 3;
    case ID_BLACK:
        return 4;
    case ID_NOSKIN:
        return 5;
    default:
        return std::nullopt;
    }
}

std::optional<bool> skinCheckState(int id, int skinNumber)
{
    const std::optional<int> skin = skinOfCommand(id);
    if (!skin)
        return std::nullopt;
    return *skin == skinNumber;
}

} // namespace paginor
