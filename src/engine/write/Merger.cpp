#include "engine/write/Merger.h"

#include "engine/SourceDocument.h"
#include "engine/write/DirectWriter.h"
#include "engine/write/OutputBuilder.h"

#include <qpdf/QPDFExc.hh>

#include <algorithm>
#include <deque>
#include <dirent.h>
#include <future>
#include <numeric>
#include <sys/resource.h>
#include <thread>

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

std::vector<int32_t> allPages(const SourceDocument& source)
{
    std::vector<int32_t> all(size_t(source.pageCount()));
    std::iota(all.begin(), all.end(), 0);
    return all;
}

EngineError inputError(const std::exception& e)
{
    if (auto* failure = dynamic_cast<const EngineFailure*>(&e))
        return failure->code();
    if (auto* qpdf = dynamic_cast<const QPDFExc*>(&e))
        return qpdf->getErrorCode() == qpdf_e_password ? EngineError::PasswordRequired
                                                       : EngineError::NotPdfOrDamaged;
    return EngineError::NotPdfOrDamaged;
}

bool isWriteError(const std::exception& e)
{
    auto* failure = dynamic_cast<const EngineFailure*>(&e);
    return failure && failure->code() == EngineError::WriteFailed;
}

// Thrown out of the streaming merge when an input needs the full copy (form fields).
struct NeedsFullCopy
{
};

class Merge
{
public:
    Merge(const std::vector<MergeInput>& inputs, const WriteOptions& options,
          const std::function<void(int, int)>& progress)
        : m_inputs(inputs), m_options(options), m_progress(progress)
    {
    }

    MergeOutcome run(const std::string& output)
    {
        if (m_inputs.empty()) {
            m_outcome.error = EngineError::EmptySelection;
            return m_outcome;
        }
        try {
            attempt(output, false);
        } catch (const NeedsFullCopy&) {
            m_outcome = MergeOutcome();
            attempt(output, true);
        }
        return m_outcome;
    }

private:
    void attempt(const std::string& output, bool fullCopy)
    {
        try {
            if (fullCopy)
                copyAllThenWrite(output);
            else
                writeAtomically(output, m_options, [this](std::FILE* file) { stream(file); });
            m_outcome.joined = int32_t(m_inputs.size());
        } catch (const EngineFailure& e) {
            const bool inputFailed = m_failedInput >= 0;
            m_outcome.joined = inputFailed ? m_failedInput : 0;
            m_outcome.error = e.code();
            // A source that could not be read while writing is that input's failure.
            if (!inputFailed)
                for (size_t i = 0; i < m_inputs.size(); ++i)
                    if (!e.file().empty() && m_inputs[i].path == e.file())
                        m_outcome.joined = int32_t(i);
        }
    }

    // Opens input i; a failure is that input's.
    std::shared_ptr<SourceDocument> open(size_t i, bool reopening)
    {
        try {
            auto source = SourceDocument::open(m_inputs[i].path, m_inputs[i].password, reopening);
            // A file without a page (its page tree unreadable) would vanish from the output
            // while the merge reported success.
            if (source->pageCount() <= 0)
                throw EngineFailure(EngineError::NotPdfOrDamaged, "no pages", m_inputs[i].path);
            return source;
        } catch (const std::exception& e) {
            failAt(i, e);
        }
    }

    [[noreturn]] void failAt(size_t i, const std::exception& e)
    {
        if (isWriteError(e))
            throw;
        m_failedInput = int32_t(i);
        throw EngineFailure(inputError(e), e.what(), m_inputs[i].path);
    }

    void report(int done, int total)
    {
        if (m_progress)
            m_progress(done, total);
    }

    // Each input is written as soon as it is read, then released. The next inputs are opened
    // and indexed on helper threads meanwhile; each document is used by one thread at a time,
    // and at most helperCount() + 2 inputs are open (one of them being freed).
    void stream(std::FILE* file)
    {
        DirectWriter writer(file, m_options.bookmarks, m_options.objectStreams);
        const int n = int(m_inputs.size());
        std::deque<std::future<std::shared_ptr<SourceDocument>>> ahead;
        size_t queued = 0;
        const size_t limit = helperCount();
        auto refill = [&] {
            while (queued < m_inputs.size() && ahead.size() < limit) {
                const size_t i = queued++;
                ahead.push_back(std::async(std::launch::async, [this, i] { return opened(i); }));
            }
        };
        // Freeing a parsed document costs about as much as writing it: a helper does it
        // while the next input is written. One at a time, so few files stay open.
        std::future<void> releasing;
        auto release = [&releasing](std::shared_ptr<SourceDocument>& done) {
            if (releasing.valid())
                releasing.get();
            releasing =
                std::async(std::launch::async, [doc = std::move(done)]() mutable { doc.reset(); });
        };
        // Abandoning the merge waits for the helpers still reading.
        auto settle = [&] {
            for (auto& pending : ahead)
                if (pending.valid())
                    pending.wait();
            if (releasing.valid())
                releasing.wait();
        };
        refill();
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            std::shared_ptr<SourceDocument> source;
            try {
                source = ahead.front().get();
                ahead.pop_front();
            } catch (const std::exception& e) {
                ahead.pop_front();
                settle();
                failAt(i, e);
            }
            refill();
            const auto pages = allPages(*source);
            if (!DirectWriter::suits(*source, pages)) {
                settle();
                throw NeedsFullCopy();
            }
            try {
                writer.addSegment(*source, pages);
            } catch (const std::exception& e) {
                settle();
                failAt(i, e);
            }
            release(source);
            report(int(i + 1), n);
        }
        if (releasing.valid())
            releasing.get();
        writer.finish({});
    }

    // Opens input i and indexes its outline and named destinations. Its objects are read
    // as they are written, mostly apart from the document's cache, which costs less than
    // parsing them all here, even on another thread.
    std::shared_ptr<SourceDocument> opened(size_t i)
    {
        auto source = SourceDocument::open(m_inputs[i].path, m_inputs[i].password, false);
        source->structure();
        return source;
    }
    // Inputs being read by helper threads: about one per core, as the writer and the freeing
    // of finished inputs take their share too; more only hold more documents in memory.
    static size_t helperCount()
    {
        return std::clamp<size_t>(std::thread::hardware_concurrency(), 2, 4);
    }

    // Form fields need qpdf's copy of each page into one document before writing. Inputs
    // beyond the open-file budget are held open only while being read.
    void copyAllThenWrite(const std::string& output)
    {
        const int total = int(m_inputs.size()) * 2;
        const size_t budget = openFileBudget();
        std::vector<std::shared_ptr<SourceDocument>> sources;
        OutputBuilder builder(m_options.bookmarks);
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            auto source = open(i, i >= budget);
            try {
                source->stayOpen(true);
                builder.addPages(*source, allPages(*source));
                source->stayOpen(false);
            } catch (const std::exception& e) {
                failAt(i, e);
            }
            sources.push_back(std::move(source));
            report(int(i + 1), total);
        }
        builder.finish();
        WriteOptions options = m_options;
        options.minimumVersion = builder.version().text;
        options.extensionLevel = builder.version().extension;
        const int n = int(m_inputs.size());
        if (m_progress)
            options.progress = [this, n, total](int percent) {
                report(n + n * percent / 100, total);
            };
        options.beforeCommit = [&sources] {
            for (const auto& source : sources)
                source->checkUnchanged();
        };
        writeAtomically(output, options,
                        [&](std::FILE* file) { writeWithQpdf(builder.pdf(), file, options); });
    }

    const std::vector<MergeInput>& m_inputs;
    WriteOptions m_options;
    std::function<void(int, int)> m_progress;
    MergeOutcome m_outcome;
    int32_t m_failedInput = -1;
};

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

MergeOutcome mergeFiles(const std::vector<MergeInput>& inputs, const std::string& output,
                        const WriteOptions& writeOptions,
                        const std::function<void(int, int)>& progress)
{
    return Merge(inputs, writeOptions, progress).run(output);
}

} // namespace paginor
