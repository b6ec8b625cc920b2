// Runs the program's own job code on files named on the command line, for timing against
// other tools. Usage:
//   paginor-bench merge OUTPUT INPUT...
//   paginor-bench split every N SOURCE OUTPUT | split range FROM-TO SOURCE OUTPUT
// Prints one line "joined N of M" and exits 0 when every input was joined.
#include "SplitBench.h"
#include "engine/PDFLibrary.h"
#include "merge/MergeJob.h"
#include "split/Interaction.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <cstring>

namespace {

// Nobody watches a benchmark: messages go to the error stream, everything else is dropped.
class QuietInteraction : public paginor::Interaction
{
public:
    Reply message(const QString& text, Icon, const QString& title, Buttons) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        return Reply::Ok;
    }
    bool inputBox(const QString&, const QString&, QString&) override { return false; }
    QStringList fileDialog(const paginor::FileDialogRequest&) override { return {}; }
    void setStatus(const QString&) override {}
    void setBusy(bool) override {}
    void setWaitCursor(bool) override {}
    void setProgress(int) override {}
    void yield() override {}
    void runWhileYielding(const std::function<void()>& work) override { work(); }
};

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
    const paginor::MergeOutcome out =
        paginor::MergeJob::merge(engine, ui, inputs, QString::fromLocal8Bit(argv[2]));
    std::printf("joined %d of %d\n", out.joined, int(inputs.size()));
    return out.kind == paginor::MergeOutcome::Kind::Merged ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "merge") == 0)
        return runMerge(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "split") == 0)
        return runSplitBench(argc, argv);
    std::fprintf(stderr, "usage: paginor-bench merge OUTPUT INPUT...\n");
    return 2;
}
