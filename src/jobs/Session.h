// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>

namespace paginor {

// Texts the main window holds for its whole life and never saves.
struct Session
{
    // The password last typed for the split source, and the path it was accepted for.
    QString SourcePassword;
    QString SourcePasswordFile;
    // Start folders of the open dialogs and of the save dialog, each ending in a separator.
    QString LastOpenFolder;
    QString LastSaveFolder;
    // The output path last returned by the save dialog; "" means cancelled.
    QString ChosenOutputPath;
};

} // namespace paginor
