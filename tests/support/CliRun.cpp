// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "support/CliRun.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace paginor::test {

CliRun runCli(const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.closeWriteChannel(); // standard input is no terminal
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    CliRun r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

} // namespace paginor::test
