// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Runs the program's own job code on files named on the command line, for timing against
// other tools. Usage:
//   paginor-bench merge OUTPUT INPUT...
//   paginor-bench split every N SOURCE OUTPUT | split range FROM-TO SOURCE OUTPUT
//   paginor-bench split bookmarks LEVEL SOURCE OUTPUT | parts LEVEL SOURCE
//   paginor-bench list COUNT INPUT...
//   paginor-bench dupes INPUT...
// merge prints "joined N of M" and exits 0 when every input was joined; list adds the inputs
// (all of one folder) over and over as one multi-selection until COUNT rows are listed, and
// prints the time that took; dupes merges the inputs into a scratch file and prints what was
// written once for several uses, "objects=N bytes=M".
#include "QuietInteraction.h"
#include "SplitBench.h"
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "merge/MergeJob.h"
#include "merge/MergeList.h"
#include "merge/PathParts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int runMerge(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: paginor-bench merge OUTPUT INPUT...\n");
        return 2;
    }
    QStringList inputs;
    for (int i = 3; i < argc; ++i)
        inputs << QString::fromLocal8Bit(argv[i]);
    paginor::PDFLibrary engine;
    QuietInteraction ui;
    const paginor::MergeResult out =
        paginor::MergeJob::merge(engine, ui, inputs, QString::fromLocal8Bit(argv[2]));
    std::printf("joined %d of %d\n", out.joined, int(inputs.size()));
    return out.kind == paginor::MergeResult::Kind::Merged ? 0 : 1;
}

int runList(int argc, char** argv)
{
    const int count = argc >= 4 ? std::atoi(argv[2]) : 0;
    if (count <= 0) {
        std::fprintf(stderr, "usage: paginor-bench list COUNT INPUT...\n");
        return 2;
    }
    const QChar nul(0);
    const QString first = QDir::toNativeSeparators(QString::fromLocal8Bit(argv[3]));
    QString buffer = paginor::GetFolderName(first) + nul;
    for (int i = 0; i < count; ++i)
        buffer += paginor::GetFileName(QString::fromLocal8Bit(argv[3 + i % (argc - 3)])) + nul;
    buffer += nul;

    paginor::Session session;
    QuietInteraction ui;
    paginor::MergeList list(session, ui);
    QElapsedTimer clock;
    clock.start();
    list.addFromBuffer(buffer);
    std::printf("listed %d rows in %lld ms\n", list.rowCount(), clock.elapsed());
    return list.rowCount() == count ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "merge") == 0)
        return runMerge(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "list") == 0)
        return runList(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "split") == 0)
        return runSplitBench(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "dupes") == 0)
        return runDuplicateBench(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "parts") == 0)
        return runPartsBench(argc, argv);
    std::fprintf(stderr, "usage: paginor-bench merge OUTPUT INPUT...\n");
    return 2;
}
