#include "engine/Merger.h"

#include "engine/OutputBuilder.h"
#include "engine/SourceDocument.h"

#include <qpdf/QPDFExc.hh>

#include <dirent.h>
#include <numeric>
#include <sys/resource.h>

namespace paginor {

namespace {

size_t openDescriptors()
{
    size_t count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir))
            ++count;
        ::closedir(dir);
    }
    return count;
}

// The index of the input a failure names, or -1.
int32_t blamedInput(const std::vector<std::string>& inputs, const std::string& file)
{
    for (size_t i = 0; i < inputs.size(); ++i)
        if (!file.empty() && inputs[i] == file)
            return int32_t(i);
    return -1;
}

} // namespace

size_t openFileBudget()
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return 1000;
    const size_t soft = size_t(limit.rlim_cur);
    const size_t used = openDescriptors() + 32; // room for the output and the toolkit
    return soft > used ? (soft - used) / 2 : 0;
}

MergeOutcome mergeFiles(const std::vector<std::string>& inputs, const std::string& output,
                        const WriteOptions& writeOptions,
                        const std::function<void(int, int)>& progress)
{
    MergeOutcome outcome;
    if (inputs.empty()) {
        outcome.error = EngineError::EmptySelection;
        return outcome;
    }
    const int total = int(inputs.size()) * 2;
    const size_t budget = openFileBudget();
    std::vector<std::shared_ptr<SourceDocument>> sources;
    OutputBuilder builder;
    for (size_t i = 0; i < inputs.size(); ++i) {
        try {
            auto source = SourceDocument::open(inputs[i], QString(), i >= budget);
            source->stayOpen(true);
            std::vector<int32_t> all(size_t(source->pageCount()));
            std::iota(all.begin(), all.end(), 0);
            builder.addPages(*source, all);
            source->stayOpen(false);
            sources.push_back(std::move(source));
        } catch (const EngineFailure& e) {
            outcome.error = e.code();
            return outcome;
        } catch (const QPDFExc& e) {
            outcome.error = e.getErrorCode() == qpdf_e_password ? EngineError::PasswordRequired
                                                                : EngineError::NotPdfOrDamaged;
            return outcome;
        } catch (const std::exception&) {
            outcome.error = EngineError::NotPdfOrDamaged;
            return outcome;
        }
        outcome.joined = int32_t(i + 1);
        if (progress)
            progress(int(i + 1), total);
    }

    const int n = int(inputs.size());
    WriteOptions options = writeOptions;
    options.minimumVersion = builder.version();
    options.extensionLevel = builder.extensionLevel();
    if (progress)
        options.progress = [&](int percent) {
            progress(n + n * percent / 100, total);
        };
    options.beforeCommit = [&sources] {
        for (const auto& source : sources)
            source->checkUnchanged();
    };
    try {
        builder.finish();
        writeAtomically(builder.pdf(), output, options);
    } catch (const EngineFailure& e) {
        const int32_t blamed = blamedInput(inputs, e.file());
        outcome.joined = blamed >= 0 ? blamed : 0;
        outcome.error = blamed >= 0 ? EngineError::InputChanged : e.code();
    } catch (const std::exception&) {
        outcome.joined = 0;
        outcome.error = EngineError::WriteFailed;
    }
    return outcome;
}

} // namespace paginor
