// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/FileDialogs.h"

#include <QString>

namespace paginor {

class UserQuestions;
class PDFLibrary;
struct Session;

// The message for a source that cannot be opened at all: this text and the full path, then a
// line break and kMsgNotPdfOrDamaged.

// Choosing the split source and settling its password. The accepted password and the path it
// belongs to live in Session::SourcePassword and Session::SourcePasswordFile.
class SourcePassword
{
public:
    SourcePassword(PDFLibrary& engine, Session& session, UserQuestions& ui);

    // True when the engine opens `FileName` with `Password` ("" = without one) and can count
    // its pages. Uses the engine's probes only; shows nothing and changes no state. A damaged
    // file or one that is not a PDF fails with every password.
    bool TestPassword(const QString& FileName, const QString& Password);

    // After TestPassword failed for `path`: true when the engine's reason is a missing or
    // wrong password. Otherwise (unreadable, not a PDF, damaged) shows "Can not open file:
    // <path>" and kMsgNotPdfOrDamaged (critical, "Error") and returns false.
    bool passwordIsTheReason(const QString& path);

    // Asks "Please input the password for <path>" ("Need password", masked, prefilled with
    // SourcePassword) until TestPassword accepts the answer; then SourcePasswordFile = path
    // and the result is true. An empty answer or Cancel leaves SourcePassword "" and returns
    // false, and so does a file that turns out unreadable (after its message). Callers clear
    // both session fields first.
    bool AskSourcePassword(const QString& path);

    // "&Browse": asks for a source with the open dialog. On Cancel nothing changes. Otherwise
    // `TextFile` gets the path, both password fields are cleared, and when the file needs a
    // password the prompt runs until it is accepted or given up. A file that cannot be opened
    // at all gets its message instead of the prompt; the path stays in `TextFile`.
    void CmdBrowse_Click(QString& TextFile);

    // What "&Browse" does once its dialog has answered `path` (a file dropped on the panel or
    // named when the program starts): `TextFile` gets the path, both password fields are
    // cleared, and when the file needs a password the prompt runs until it is accepted or given
    // up. An empty path changes nothing.
    void useSource(const QString& path, QString& TextFile);

private:
    PDFLibrary& m_engine;
    Session& m_session;
    UserQuestions& m_ui;
    FileDialogs m_dialogs;
};

} // namespace paginor
