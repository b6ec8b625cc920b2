// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/JobFeedback.h"
#include "jobs/UserQuestions.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace paginor::test {

// A scripted stand-in for the window, both sides of the seam in one, so that a test reads one
// log of everything a job did: answers come from queues, in turn, and every call is recorded.
// An unscripted message answers Ok (No for a question), an unscripted input box or file dialog
// answers Cancel; each such call is counted in `unscripted`. Work runs inline.
class FakeInteraction : public UserQuestions, public JobFeedback
{
public:
    struct Call
    {
        // "message", "input", "dialog", "options", "status", "busy", "wait", "progress", "yield"
        QString kind;
        QString text; // message text, input prompt, status text, dialog filter name
        QString title;
        Icon icon = Icon::Information;
        Buttons buttons = Buttons::Ok;
        FileDialogRequest dialog; // for "dialog"
        QString prefill;          // for "input": the text already in the box
        int value = 0;            // busy/wait: 0 or 1; progress: the value
        MergeChoices choices;     // for "options": what the window showed
    };

    std::vector<Call> calls;
    std::deque<Reply> replies;                       // message answers
    std::deque<std::optional<QString>> inputs;       // input-box answers; nullopt = Cancel
    std::deque<QStringList> dialogs;                 // file-dialog answers; empty = Cancel
    std::deque<std::optional<MergeChoices>> options; // merge-options answers; nullopt = Cancel
    std::function<void()> onYield;                   // runs inside every yield()
    std::function<void(const Call&)> onModal;        // runs inside every message, input, dialog
    int unscripted = 0;

    Reply message(const QString& text, Icon icon, const QString& title, Buttons buttons) override;
    bool inputBox(const QString& prompt, const QString& title, QString& text) override;
    QStringList fileDialog(const FileDialogRequest& request) override;
    bool mergeOptions(MergeChoices& choices) override;
    void setStatus(const QString& text) override;
    void setBusy(bool busy) override;
    void setWaitCursor(bool wait) override;
    void setProgress(int value) override;
    void yield() override;
    void runWhileYielding(const std::function<void()>& work) override;

    // The recorded calls of one kind, in order.
    std::vector<Call> callsOf(const QString& kind) const;
    // The texts of the recorded messages, in order.
    QStringList messageTexts() const;
    // The recorded status texts, in order.
    QStringList statusTexts() const;
    // True when nothing is busy any more: every setBusy(true) was followed by setBusy(false),
    // and the same for the wait cursor.
    bool idle() const;
};

} // namespace paginor::test
