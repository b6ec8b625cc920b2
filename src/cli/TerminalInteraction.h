// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "cli/CommandLine.h"
#include "jobs/JobFeedback.h"
#include "jobs/UserQuestions.h"

#include <QElapsedTimer>
#include <QString>
#include <cstdio>

namespace paginor::cli {

// The jobs' seam on a terminal. Success texts go to standard output, refusals and failures to
// standard error. The save dialog answers the OUTPUT given on the command line once (an
// existing file counts as "replace"); asked again after a refusal it cancels. Open dialogs
// cancel. The password prompt answers the given password once; without one it asks on the
// terminal without echo when standard input is one, and otherwise gives up with a message.
// Of the job's feedback only the status shows, as the progress line: by default on a terminal
// once the job has run for a second, so a quick job prints nothing but its result.
class TerminalInteraction : public UserQuestions, public JobFeedback
{
public:
    TerminalInteraction(const QString& output, bool hasPassword, const QString& password,
                        ProgressMode progress = ProgressMode::Auto);

    Reply message(const QString& text, Icon icon, const QString& title, Buttons buttons) override;
    bool inputBox(const QString& prompt, const QString& title, QString& text) override;
    QStringList fileDialog(const FileDialogRequest& request) override;
    void setStatus(const QString& text) override;

    // Shows `text` as the progress line on standard error, as the progress mode allows; ""
    // ends the line.
    void progress(const QString& text);

private:
    static void print(std::FILE* stream, const QString& text);
    static bool readHidden(QString& answer);

    QString m_output;
    bool m_outputGiven = false;
    bool m_hasPassword;
    bool m_passwordGiven = false;
    QString m_password;
    bool m_progressShown = false;
    ProgressMode m_progressMode;
    QElapsedTimer m_running;
};

} // namespace paginor::cli
