#include "ui/Resource.h"

#include <iterator>

namespace paginor {

namespace {

const Command kCommands[] = {
    {ID_FILE, "ID_FILE", "&File", "File", CommandPlace::MenuBar},
    {ID_SKIN, "ID_SKIN", "&Skin", "Skin", CommandPlace::MenuBar},
    {ID_HELP, "ID_HELP", "&Help", "Help", CommandPlace::MenuBar},
    {ID_Exit, "ID_Exit", "&Exit", "Quit", CommandPlace::FileMenu},
    {ID_BLUE, "ID_BLUE", "&Blue", "Blue", CommandPlace::SkinMenu},
    {ID_LIGHTBLUE, "ID_LIGHTBLUE", "&Light Blue", "Light Blue", CommandPlace::SkinMenu},
    {ID_AQUA, "ID_AQUA", "&Aqua", "Aqua", CommandPlace::SkinMenu},
    {ID_SILVER, "ID_SILVER", "&Silver", "Silver", CommandPlace::SkinMenu},
    {ID_BLACK, "ID_BLACK", "Bla&ck", "Black", CommandPlace::SkinMenu},
    {ID_NOSKIN, "ID_NOSKIN", "&No Skin", "No Skin", CommandPlace::SkinMenu},
    {ID_PAGINORHELP, "ID_PAGINORHELP", "Paginor &Help", "Paginor Help", CommandPlace::HelpMenu},
    {ID_ABOUT, "ID_ABOUT", "&About", "About", CommandPlace::HelpMenu},
    {ID_MOREPDFFREEWARE, "ID_MOREPDFFREEWARE", "More PDF Freeware...", "More PDF Freeware...",
     CommandPlace::HelpMenu},
    {ID_CONTENTS, "ID_CONTENTS", "&Contents", "Contents", CommandPlace::Nowhere},
    {ID_OPEN, "ID_OPEN", "Open", "Open", CommandPlace::Nowhere},
    {ID_CONVERT, "ID_CONVERT", "&Save", "Convert", CommandPlace::Nowhere},
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
