// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <QStringList>

namespace paginor {

// Which of the three file dialogs to show.
enum class DialogKind
{
    OpenOne,  // single-selection open dialog
    OpenMany, // multi-selection open dialog
    Save,     // save dialog, asks before an existing file is chosen
};

struct FileDialogRequest
{
    DialogKind kind = DialogKind::OpenOne;
    QString filterName;    // "PDF files (*.pdf)" or "PDF Files (*.pdf)"
    QString filterPattern; // "*.pdf"
    QString startFolder;   // "" lets the system choose
    QString defaultSuffix; // appended to a typed name without extension; "" = none
};

// The choices of the "Merge options" window.
struct MergeChoices
{
    bool interleave = false; // one page of each file in turn
    bool padOdd = false;     // a blank page after each file with an odd page count
    bool contents = false;   // a contents page first

    bool operator==(const MergeChoices& o) const
    {
        return interleave == o.interleave && padOdd == o.padOdd && contents == o.contents;
    }
};

// What a job (password check, split, merge) asks of the person in front of it: it tells them
// something and waits, or asks for a text or a file. The window answers with real dialogs, the
// terminal from its command line, tests from a script. Each call waits for its answer; all are
// made on the thread that runs the job, which is the user-interface thread.
class UserQuestions
{
public:
    enum class Icon
    {
        Critical,
        Question,
        Exclamation,
        Information,
    };
    enum class Buttons
    {
        Ok,
        YesNo,
    };
    enum class Reply
    {
        Ok,
        Yes,
        No,
    };

    virtual ~UserQuestions() = default;

    // Shows a modal message box and returns the button pressed.
    virtual Reply message(const QString& text, Icon icon, const QString& title,
                          Buttons buttons = Buttons::Ok) = 0;

    // Shows the modal input box with `text` prefilled; what is typed is masked. Returns false
    // on Cancel (then `text` is unspecified), true on OK with `text` holding the answer.
    virtual bool inputBox(const QString& prompt, const QString& title, QString& text) = 0;

    // Shows a file dialog. Returns the chosen full paths with native separators, all in one
    // folder; an empty list means the user cancelled or the dialog failed.
    virtual QStringList fileDialog(const FileDialogRequest& request) = 0;

    // Shows the modal "Merge options" window holding `choices`. Returns false on Cancel
    // (`choices` unchanged), true on OK with `choices` holding the answer. Where no window can
    // be shown (a terminal), it answers Cancel.
    virtual bool mergeOptions(MergeChoices& choices)
    {
        (void)choices;
        return false;
    }
};

} // namespace paginor
