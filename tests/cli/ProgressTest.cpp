// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The progress line of a split or merge: shown on a terminal as its options say, never mixed
// into a log.
#include "support/CliRun.h"
#include "support/PdfFactory.h"

#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace paginor::test;

namespace {

// Runs the command-line program with a pseudo-terminal as its standard streams; returns what
// it wrote there (both streams), and its exit status through `status`.
std::string runOnTerminal(const QStringList& args, int& status)
{
    QList<QByteArray> words{QByteArray(PAGINOR_CLI_PATH)};
    for (const QString& arg : args)
        words << QFile::encodeName(arg);
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    std::string seen;
    if (child < 0)
        return seen;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(terminal, buffer, sizeof buffer);
        if (n > 0)
            seen.append(buffer, size_t(n));
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break; // EIO once the child has closed its side
    }
    ::close(terminal);
    int raw = 0;
    ::waitpid(child, &raw, 0);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return seen;
}

TEST(CliProgress, ShownAsTheOptionsAndTheTerminalSay)
{
    TempDir dir;
    QStringList inputs;
    for (const char* name : {"a.pdf", "b.pdf", "c.pdf"}) {
        inputs << dir.path(name);
        PdfSpec recipe;
        recipe.pages = 2;
        makePdf(inputs.back(), recipe);
    }
    const QString out = dir.path("joined.pdf");
    const std::string line = "\rJoining file 3 of 3: c.pdf";

    struct Case
    {
        const char* name;
        QStringList options;
        bool terminal;
        bool shown;
    };
    const Case cases[] = {
        {"forced on a terminal", {"--progress"}, true, true},
        // Over in well under a second: the line would only flicker.
        {"a quick job on a terminal", {}, true, false},
        {"turned off on a terminal", {"--no-progress"}, true, false},
        {"forced into a log", {"--progress"}, false, true},
        {"a log by default", {}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList args = QStringList{"merge"} + c.options + QStringList{out} + inputs;
        std::string seen;
        int status = -1;
        if (c.terminal) {
            seen = runOnTerminal(args, status);
        } else {
            const CliRun r = runCli(QStringLiteral(PAGINOR_CLI_PATH), args);
            seen = r.err.toStdString();
            status = r.status;
            // A log gets no terminal control codes.
            EXPECT_EQ(seen.find("\033["), std::string::npos);
        }
        EXPECT_EQ(status, 0) << seen;
        EXPECT_EQ(seen.find(line) != std::string::npos, c.shown) << seen;
    }

    const CliRun both = runCli(QStringLiteral(PAGINOR_CLI_PATH),
                               QStringList{"merge", "--progress", "--no-progress", out} + inputs);
    EXPECT_EQ(both.status, 2);
    EXPECT_TRUE(both.err.contains("cannot be given together")) << both.err.toStdString();
}

} // namespace
