// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace paginor::test {

struct CliRun
{
    int status = -1; // the exit code, -1 when it crashed or did not finish
    QString out;
    QString err;
};

// Runs the command-line program `program` with `args` and no terminal on standard input.
CliRun runCli(const QString& program, const QStringList& args,
              const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

} // namespace paginor::test
