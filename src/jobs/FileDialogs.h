// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>

namespace paginor {

class UserQuestions;
struct Session;

// The three file dialogs through which the user names every PDF file. The open dialogs start
// in Session::LastOpenFolder, the save dialog in Session::LastSaveFolder; each folder changes
// only when the user confirms a choice, and then ends in the native separator.
class FileDialogs
{
public:
    FileDialogs(Session& session, UserQuestions& ui);

    // Single-selection open dialog ("PDF files (*.pdf)"). Returns the chosen full path and
    // remembers its folder in LastOpenFolder, or returns "" on Cancel, leaving it unchanged.
    QString ChoosePdfToOpen();

    // Multi-selection open dialog ("PDF files (*.pdf)"). Returns "" on Cancel. Otherwise
    // returns a NUL-separated buffer: for one file, its full path; for several, their folder
    // (without a trailing separator unless it is a root), a NUL, each name followed by a NUL,
    // and one more NUL. The buffer is padded with NULs to kMinBuffer characters and grows
    // beyond that when the names need more room, so no selection is ever lost.
    // LastOpenFolder is not touched: whoever reads the buffer sets it.
    QString ChoosePdfFilesToAdd();

    // Save dialog ("PDF Files (*.pdf)", default suffix "pdf"; the dialog itself asks before
    // an existing file is chosen). Returns the full path, remembering its folder in
    // LastSaveFolder and storing it as Session::ChosenOutputPath; on Cancel returns "" and
    // sets ChosenOutputPath to "" while LastSaveFolder stays.
    QString ChooseOutputPdf();

    // The smallest length of the ChoosePdfFilesToAdd buffer.
    static constexpr int kMinBuffer = 32768;

    // The folder part of a path up to and including its last native separator ("" if none).
    static QString folderWithSeparator(const QString& path);

private:
    Session& m_session;
    UserQuestions& m_ui;
};

} // namespace paginor
