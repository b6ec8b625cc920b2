// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/UserQuestions.h"

class QWidget;

namespace paginor {

// The real modal prompts: message boxes, the masked input box and the file dialogs, each shown
// over `owner`.
class QtPrompter : public UserQuestions
{
public:
    explicit QtPrompter(QWidget* owner);

    Reply message(const QString& text, Icon icon, const QString& title,
                  Buttons buttons = Buttons::Ok) override;
    bool inputBox(const QString& prompt, const QString& title, QString& text) override;
    QStringList fileDialog(const FileDialogRequest& request) override;
    bool mergeOptions(MergeChoices& choices) override;

private:
    QWidget* m_owner;
};

} // namespace paginor
