// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/JobFeedback.h"
#include "jobs/UserQuestions.h"

#include <QString>
#include <cstdio>

// Nobody watches a benchmark: the save dialog answers the one output path given (if any),
// messages go to the error stream, every other question is cancelled and nothing is shown.
class QuietInteraction : public paginor::UserQuestions, public paginor::JobFeedback
{
public:
    explicit QuietInteraction(const QString& output = QString()) : m_output(output) {}
    Reply message(const QString& text, Icon, const QString& title, Buttons) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return Reply::Ok;
    }
    bool inputBox(const QString&, const QString&, QString&) override { return false; }
    QStringList fileDialog(const paginor::FileDialogRequest& request) override
    {
        if (request.kind == paginor::DialogKind::Save && !m_output.isEmpty())
            return {m_output};
        return {};
    }

private:
    QString m_output;
};
