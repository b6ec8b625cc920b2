#pragma once

#include "jobs/NoUserInteraction.h"

#include <QString>
#include <cstdio>

// Nobody watches a benchmark: the save dialog answers the one output path given (if any),
// messages go to the error stream, and everything else is dropped.
class QuietInteraction : public paginor::NoUserInteraction
{
public:
    explicit QuietInteraction(const QString& output = QString()) : m_output(output) {}
    Reply message(const QString& text, Icon, const QString& title, Buttons) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return Reply::Ok;
    }
    QStringList fileDialog(const paginor::FileDialogRequest& request) override
    {
        if (request.kind == paginor::DialogKind::Save && !m_output.isEmpty())
            return {m_output};
        return {};
    }

private:
    QString m_output;
};
