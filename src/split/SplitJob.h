// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/HookedQuestions.h"
#include "jobs/JobSeam.h"
#include "split/SourcePassword.h"
#include "split/SplitOptions.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace paginor {

class PDFLibrary;
struct Session;

// One split as its caller sees it: what goes in, and what the job left behind.
struct SplitRequest
{
    enum class Outcome
    {
        HeldOff,         // another split was running; nothing was done
        NoSource,        // no existing source file; the open dialog was offered
        PasswordRefused, // the password prompt was given up
        Unreadable,      // the source is not a PDF, is damaged or cannot be read; it was said
        InvalidOptions,  // the options were refused, or no bookmark has the level; see `focus`
        Cancelled,       // the save dialog was cancelled
        Succeeded,       // every output file was written
        Failed,          // something was not written; see `errorCode`
    };

    // In: the source path as typed; out: trimmed, or the file chosen with the open dialog.
    QString TextFile;
    // In: the mode and its boxes; out: the boxes as normalised.
    SplitOptions options;

    Outcome outcome = Outcome::HeldOff;
    OptionField focus = OptionField::None; // for InvalidOptions
    int32_t errorCode = 0;                 // for Failed: the engine's code of the first failure
    QStringList written;                   // the output files written, in order
    bool unprotected = false; // a protected source's parts were written without its protection
    QList<int32_t> oversized; // by size: the pages larger than the limit alone, in a file each
};

// The split job behind "&Split", shared by the window, the command line and the benchmark.
// It asks the user only through the seam's questions, shows its state through the seam's
// feedback, and runs the engine work through JobFeedback::runWhileYielding.
class SplitJob
{
public:
    SplitJob(PDFLibrary& engine, Session& session, JobSeam seam);

    // Runs one split to its end. Checks the source (an existing plain file that is not
    // hidden; otherwise "Please select the source file" and the open dialog) and settles its
    // password (a source that no password opens gets "Can not open file: <path>" and ends
    // the job), validates the options, asks for the output, then writes the files with the
    // busy state on and "Please wait..." as status, and per file in the pages-per-file mode
    // "Splitting page: <list>, please wait...". At bookmarks, a source without bookmarks of
    // the level gets "This PDF has no bookmarks at level <n>" before the save dialog; each
    // bookmark's part is then written as a pages-per-file part is. Ends with "PDF file has been
    // successfully splitted." when every output was written (by size, with the pages that alone
    // are over the limit named on a second line: "<kMsgPagesOverLimit>7, 12"; and, when the engine
    // was told not to keep a protected source's encryption, "The protected file was split without
    // its password."), else "Split failed\r\nError code: N". While a split runs, a further call
    // returns at once with HeldOff. The source is never written over.
    void run(SplitRequest& request);

    // "&Browse" (see SourcePassword::CmdBrowse_Click); does nothing while running().
    void CmdBrowse_Click(QString& TextFile);

    // "&Browse" after its dialog (see SourcePassword::useSource); does nothing while running().
    void useSource(const QString& path, QString& TextFile);

    // True from the start of run() or CmdBrowse_Click() to its end.
    bool running() const { return m_running; }

    // Called before every message, prompt and dialog of run() and CmdBrowse_Click() with the
    // source text and option boxes as the job holds them then (`options` is null for
    // "&Browse"), so that what the job has rewritten shows while the user is asked.
    using InputsShown = std::function<void(const QString& TextFile, const SplitOptions* options)>;
    void setInputsShown(InputsShown shown) { m_inputsShown = std::move(shown); }

    // The file of one part in the pages-per-file mode: the chosen path with ".pdf" (any
    // letter case) removed from its file name, then " Page ", the page list and ".pdf".
    static QString partFileName(const QString& chosenPath, const QString& pageList);

    // True when `path` names what the split takes as its source: an existing plain file that
    // is not hidden.
    static bool isSource(const QString& path);

    // The text of document-information entries 5 and 6 of every output.
    static QString infoText();

private:
    // True when the source opens with SourcePassword; otherwise `refusal` says why not.
    bool settlePassword(const QString& source, SplitRequest::Outcome& refusal);
    QString chooseOutput(const QString& source, SplitMode mode);
    bool bookmarksAtLevel(const QString& source, int32_t level, SplitRequest& request);
    void produce(SplitRequest& request, const CheckedOptions& options, const QString& source,
                 const QString& output);
    // Writes the pages of `pageList` to `target`. With `keep`, the file stays only when `keep`
    // takes its size, and that size is returned; without, 0 is. -1 when the part could not be
    // written (a part turned down by `keep` keeps its size and notes no failure).
    int64_t writePart(const QString& pageList, const QString& target, SplitRequest& request,
                      const std::function<bool(int64_t)>& keep = {});
    // The parts of a split by size, from the document opened by produce().
    void produceBySize(SplitRequest& request, int64_t limit, const QString& source,
                       const QString& output);

    PDFLibrary& m_engine;
    Session& m_session;
    HookedQuestions m_ask; // the caller's, with InputsShown before each question
    JobFeedback& m_feedback;
    SourcePassword m_password;
    FileDialogs m_dialogs;
    bool m_running = false;
    InputsShown m_inputsShown;
};

} // namespace paginor
