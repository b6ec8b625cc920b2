#pragma once

#include <QString>
#include <QStringList>
#include <functional>

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

// Everything a job (password check, split, merge) needs from the person in front of it.
// The window implements it with real widgets; tests use a scripted fake. All calls are made
// on the thread that runs the job, which is the user-interface thread.
class Interaction
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

    virtual ~Interaction() = default;

    // Shows a modal message box and returns the button pressed.
    virtual Reply message(const QString& text, Icon icon, const QString& title,
                          Buttons buttons = Buttons::Ok) = 0;

    // Shows the modal input box with `text` prefilled; what is typed is masked. Returns false
    // on Cancel (then `text` is unspecified), true on OK with `text` holding the answer.
    virtual bool inputBox(const QString& prompt, const QString& title, QString& text) = 0;

    // Shows a file dialog. Returns the chosen full paths with native separators, all in one
    // folder; an empty list means the user cancelled or the dialog failed.
    virtual QStringList fileDialog(const FileDialogRequest& request) = 0;

    // The status label of the split panel.
    virtual void setStatus(const QString& text) = 0;

    // Busy: the job's panel and the tab strip are disabled and the pointer is the hourglass.
    virtual void setBusy(bool busy) = 0;

    // The hourglass pointer alone, with nothing disabled.
    virtual void setWaitCursor(bool wait) = 0;

    // The merge progress bar: a value from 0 to 100, or -1 to hide it.
    virtual void setProgress(int value) = 0;

    // Lets the event loop run once.
    virtual void yield() = 0;

    // Runs `work` to its end while the window keeps repainting. The work must not touch the
    // user interface. The fake runs it inline.
    virtual void runWhileYielding(const std::function<void()>& work) = 0;
};

} // namespace paginor
