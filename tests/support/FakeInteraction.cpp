// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "support/FakeInteraction.h"

namespace paginor::test {

UserQuestions::Reply FakeInteraction::message(const QString& text, Icon icon, const QString& title,
                                              Buttons buttons)
{
    Call c;
    c.kind = "message";
    c.text = text;
    c.icon = icon;
    c.title = title;
    c.buttons = buttons;
    calls.push_back(c);
    if (onModal)
        onModal(c);
    if (replies.empty()) {
        ++unscripted;
        return buttons == Buttons::YesNo ? Reply::No : Reply::Ok;
    }
    Reply r = replies.front();
    replies.pop_front();
    return r;
}

bool FakeInteraction::inputBox(const QString& prompt, const QString& title, QString& text)
{
    Call c;
    c.kind = "input";
    c.text = prompt;
    c.title = title;
    c.prefill = text;
    calls.push_back(c);
    if (onModal)
        onModal(c);
    if (inputs.empty()) {
        ++unscripted;
        return false;
    }
    std::optional<QString> answer = inputs.front();
    inputs.pop_front();
    if (!answer)
        return false;
    text = *answer;
    return true;
}

bool FakeInteraction::mergeOptions(MergeChoices& choices)
{
    Call c;
    c.kind = "options";
    c.choices = choices;
    calls.push_back(c);
    if (onModal)
        onModal(c);
    if (options.empty())
        ++unscripted;
    const std::optional<MergeChoices> answer = options.empty() ? std::nullopt : options.front();
    if (!options.empty())
        options.pop_front();
    if (answer)
        choices = *answer;
    return answer.has_value();
}

QStringList FakeInteraction::fileDialog(const FileDialogRequest& request)
{
    Call c;
    c.kind = "dialog";
    c.text = request.filterName;
    c.dialog = request;
    calls.push_back(c);
    if (onModal)
        onModal(c);
    if (dialogs.empty()) {
        ++unscripted;
        return {};
    }
    QStringList answer = dialogs.front();
    dialogs.pop_front();
    return answer;
}

void FakeInteraction::setStatus(const QString& text)
{
    Call c;
    c.kind = "status";
    c.text = text;
    calls.push_back(c);
}

void FakeInteraction::setBusy(bool busy)
{
    Call c;
    c.kind = "busy";
    c.value = busy ? 1 : 0;
    calls.push_back(c);
}

void FakeInteraction::setWaitCursor(bool wait)
{
    Call c;
    c.kind = "wait";
    c.value = wait ? 1 : 0;
    calls.push_back(c);
}

void FakeInteraction::setProgress(int value)
{
    Call c;
    c.kind = "progress";
    c.value = value;
    calls.push_back(c);
}

void FakeInteraction::yield()
{
    Call c;
    c.kind = "yield";
    calls.push_back(c);
    if (onYield)
        onYield();
}

void FakeInteraction::runWhileYielding(const std::function<void()>& work)
{
    work();
}

std::vector<FakeInteraction::Call> FakeInteraction::callsOf(const QString& kind) const
{
    std::vector<Call> out;
    for (const Call& c : calls)
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

QStringList FakeInteraction::messageTexts() const
{
    QStringList out;
    for (const Call& c : calls)
        if (c.kind == "message")
            out << c.text;
    return out;
}

QStringList FakeInteraction::statusTexts() const
{
    QStringList out;
    for (const Call& c : calls)
        if (c.kind == "status")
            out << c.text;
    return out;
}

bool FakeInteraction::idle() const
{
    int busy = 0;
    int wait = 0;
    for (const Call& c : calls) {
        if (c.kind == "busy")
            busy = c.value;
        else if (c.kind == "wait")
            wait = c.value;
    }
    return busy == 0 && wait == 0;
}

} // namespace paginor::test
