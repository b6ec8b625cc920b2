#include "SplitBench.h"

#include "QuietInteraction.h"
#include "engine/PDFLibrary.h"
#include "jobs/Interaction.h"
#include "jobs/Session.h"
#include "split/SplitJob.h"

#include <QDir>
#include <QString>
#include <cstdio>
#include <cstring>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: paginor-bench split every N SOURCE OUTPUT\n"
                         "       paginor-bench split range FROM-TO SOURCE OUTPUT\n");
    return 2;
}

} // namespace

int runSplitBench(int argc, char** argv)
{
    if (argc != 6)
        return usage();
    const QString arg = QString::fromLocal8Bit(argv[3]);
    paginor::SplitRequest request;
    request.TextFile = QDir::toNativeSeparators(QString::fromLocal8Bit(argv[4]));
    if (std::strcmp(argv[2], "every") == 0) {
        request.options.mode = paginor::SplitMode::EveryN;
        request.options.TextEvery = arg;
    } else if (std::strcmp(argv[2], "range") == 0 && arg.count(u'-') == 1) {
        request.options.mode = paginor::SplitMode::PageRange;
        request.options.TextFrom = arg.section(u'-', 0, 0);
        request.options.TextTo = arg.section(u'-', 1, 1);
    } else {
        return usage();
    }

    paginor::PDFLibrary engine;
    paginor::Session session;
    QuietInteraction ui(QDir::toNativeSeparators(QString::fromLocal8Bit(argv[5])));
    paginor::SplitJob job(engine, session, ui);
    job.run(request);
    std::printf("wrote %d files\n", int(request.written.size()));
    return request.outcome == paginor::SplitRequest::Outcome::Succeeded ? 0 : 1;
}
