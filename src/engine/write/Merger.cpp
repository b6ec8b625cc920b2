// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/Merger.h"

#include "engine/PageList.h"
#include "engine/SourceDocument.h"
#include "engine/structure/StructurePlan.h"
#include "engine/write/ContentsText.h"
#include "engine/write/DirectWriter.h"
#include "engine/write/HelperThreads.h"
#include "engine/write/OutputBuilder.h"
#include "engine/write/WriterChoice.h"

#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

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

// Inputs whose files add up to more than this are not all kept open between the survey and
// the write.
constexpr int64_t kKeptBytes = int64_t(256) << 20;
// Nor more than this many: a kept document holds its cross-reference table and page tree, so
// a long list of small files would double the memory of the merge. Opening one again costs
// little next to writing it.
constexpr size_t kKeptDocuments = 32;

using Opening = std::future<std::shared_ptr<SourceDocument>>;

// Waits for the helpers still reading, when a merge is abandoned.
void settle(std::deque<Opening>& ahead)
{
    for (auto& pending : ahead)
        if (pending.valid())
            pending.wait();
}

class Merge
{
public:
    Merge(const std::vector<MergeInput>& inputs, const WriteOptions& options,
          const std::function<void(int, int)>& progress, const MergeShape& shape)
        : m_inputs(inputs), m_options(options), m_progress(progress), m_shape(shape)
    {
    }

    MergeOutcome run(const std::string& output)
    {
        if (m_inputs.empty()) {
            m_outcome.error = EngineError::EmptySelection;
            return m_outcome;
        }
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            if (m_inputs[i].rotate % 90 != 0) {
                m_outcome.joined = int32_t(i);
                m_outcome.error = EngineError::BadArgument;
                return m_outcome;
            }
        }
        try {
            if (survey() == WriterKind::Direct)
                writeAtomically(output, m_options, [this](std::FILE* file) { stream(file); });
            else
                copyAllThenWrite(output);
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
        return m_outcome;
    }

private:
    // Opens input i; beyond the open-file budget its file is held open only while read. Those
    // the merge may keep are mapped; the others are put to rest after use, and read through
    // blocks that the next input reuses: mapping and unmapping a thousand files cost a
    // fifth of such a merge's time, in faults and in flushes of every core's page tables.
    std::shared_ptr<SourceDocument> open(size_t i) const
    {
        using Reading = SourceDocument::Reading;
        const Reading reading = i >= m_budget        ? Reading::Reopening
                                : i < kKeptDocuments ? Reading::Mapped
                                                     : Reading::Blocks;
        auto source = SourceDocument::open(m_inputs[i].path, m_inputs[i].password, reading);
        // A file without a page (its page tree unreadable) would vanish from the output
        // while the merge reported success.
        if (source->pageCount() <= 0)
            throw EngineFailure(EngineError::NotPdfOrDamaged, "no pages", m_inputs[i].path);
        return source;
    }

    [[noreturn]] void failAt(size_t i, const std::exception& e)
    {
        if (isWriteError(e))
            throw;
        m_failedInput = int32_t(i);
        throw EngineFailure(inputError(e), e.what(), m_inputs[i].path);
    }

    void noteWarnings(SourceDocument& source)
    {
        const auto& notes = source.structure().warnings();
        m_outcome.warnings.insert(m_outcome.warnings.end(), notes.begin(), notes.end());
        if (m_options.tags) {
            const auto repairs = source.tagRepairs();
            m_outcome.warnings.insert(m_outcome.warnings.end(), repairs.begin(), repairs.end());
        }
    }

    // The pages input i gives: its page list read against its page count, or all of them.
    std::vector<int32_t> pagesOf(size_t i, const SourceDocument& source) const
    {
        if (m_inputs[i].pageList.empty())
            return allPages(source);
        PageListResult read = parsePageList(m_inputs[i].pageList, source.pageCount());
        if (read.error != EngineError::None)
            throw EngineFailure(read.error, "page list", m_inputs[i].path);
        return std::move(read.pages);
    }

    void report(int done, int total)
    {
        if (m_progress)
            m_progress(done, total);
    }

    // Runs `work(i)` for every input in order on helper threads, at most helperCount() ahead,
    // and hands each result to `take(i, source)` on this thread. A failure is that input's.
    template <typename Work, typename Take> void inOrder(Work work, Take take)
    {
        std::deque<Opening> ahead;
        size_t queued = 0;
        const size_t limit = helperCount();
        auto refill = [&] {
            while (queued < m_inputs.size() && ahead.size() < limit) {
                const size_t i = queued++;
                ahead.push_back(m_helpers.run([&work, i] { return work(i); }));
            }
        };
        refill();
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            std::shared_ptr<SourceDocument> source;
            try {
                source = ahead.front().get();
                ahead.pop_front();
            } catch (const std::exception& e) {
                ahead.pop_front();
                settle(ahead);
                failAt(i, e);
            }
            refill();
            try {
                take(i, source);
            } catch (...) {
                settle(ahead);
                throw;
            }
        }
    }

    // Opens every input and decides the writer from what they are, before anything is
    // written. The inputs stay open for the write within the open-file budget and a budget of
    // bytes; the others are opened again, by path, when their turn comes.
    WriterKind survey()
    {
        m_budget = openFileBudget();
        m_sources.assign(m_inputs.size(), nullptr);
        m_pages.assign(m_inputs.size(), {});
        std::vector<SegmentFacts> facts;
        int64_t kept = 0;
        inOrder([this](size_t i) { return open(i); },
                [&](size_t i, std::shared_ptr<SourceDocument>& doc) {
                    try {
                        m_pages[i] = pagesOf(i, *doc);
                        if (m_inputs[i].reverse)
                            std::reverse(m_pages[i].begin(), m_pages[i].end());
                        noteShape(i, *doc);
                    } catch (const std::exception& e) {
                        failAt(i, e);
                    }
                    facts.push_back(segmentFacts(*doc, m_pages[i]));
                    kept += doc->identity().size;
                    if (i < std::min(m_budget, kKeptDocuments) && kept <= kKeptBytes) {
                        doc->rest();
                        m_sources[i] = std::move(doc);
                    }
                });
        planOrder();
        return chooseWriter(facts);
    }

    // What the shape needs of input i while it is open: its title, the box of its last page
    // for a blank page after it, and the first input's first page for the contents.
    void noteShape(size_t i, SourceDocument& doc)
    {
        if (m_shape.plain())
            return;
        auto box = [&doc](int32_t index) {
            auto r =
                QPDFPageObjectHelper(doc.originalPage(index)).getMediaBox().getArrayAsRectangle();
            return PageBox{r.llx, r.lly, r.urx, r.ury};
        };
        m_lastBoxes.resize(m_inputs.size());
        m_lastBoxes[i] = box(m_pages[i].back());
        if (i == 0)
            m_added.contentsBox = box(m_pages[i].front());
        auto title = doc.pdf().getTrailer().getKey("/Info").getKey("/Title");
        m_added.lines.push_back(
            {inputTitle(title.isString() ? title.getUTF8Value() : std::string(), doc.path()), 0});
    }

    // Places every page of the output once the inputs' page counts are known.
    void planOrder()
    {
        if (m_shape.plain())
            return;
        std::vector<int32_t> counts;
        for (const auto& pages : m_pages)
            counts.push_back(int32_t(pages.size()));
        const int32_t perPage = contentsLinesPerPage(m_added.contentsBox);
        const int32_t contents =
            m_shape.contents ? (int32_t(m_inputs.size()) + perPage - 1) / perPage : 0;
        m_order = std::make_unique<PageOrder>(counts, m_shape, contents);
        m_added.total = m_order->total();
        m_added.contentsPages = contents;
        m_added.heading = m_shape.contentsTitle;
        for (size_t i = 0; i < m_added.lines.size(); ++i)
            m_added.lines[i].outPage = m_order->firstOf(i);
        if (!m_shape.contents)
            m_added.lines.clear();
        for (const auto& [position, input] : m_order->blanks())
            m_added.blanks.emplace_back(position, m_lastBoxes.at(input));
    }

    // Where input i's pages go; none when they follow one another.
    std::vector<int32_t> positions(size_t i) const
    {
        return m_order ? m_order->positions(i) : std::vector<int32_t>{};
    }

    // The turn of each page input i gives: its row's, or none.
    std::vector<int32_t> turns(size_t i) const
    {
        const int rotate = m_inputs[i].rotate;
        return rotate == 0 ? std::vector<int32_t>{}
                           : std::vector<int32_t>(m_pages[i].size(), rotate);
    }

    // Input i, as the survey kept it or opened again.
    std::shared_ptr<SourceDocument> source(size_t i)
    {
        return m_sources[i] ? std::move(m_sources[i]) : open(i);
    }

    // Each input is written as soon as it is indexed, then released. The next inputs are
    // indexed on helper threads meanwhile; each document is used by one thread at a time.
    void stream(std::FILE* file)
    {
        DirectWriter writer(file, m_options.bookmarks, m_options.tags, m_options.objectStreams);
        writer.keepAttachments(m_options.keepAttachments);
        if (m_order)
            writer.setAddedPages(m_added);
        const int n = int(m_inputs.size());
        // Freeing a parsed document costs about as much as writing it: a helper does it
        // while the next input is written. One at a time, so few files stay open.
        std::future<void> releasing;
        auto release = [this, &releasing](std::shared_ptr<SourceDocument>& done) {
            if (releasing.valid())
                releasing.get();
            releasing = m_helpers.run([doc = std::move(done)]() mutable { doc.reset(); });
        };
        try {
            inOrder(
                [this](size_t i) {
                    auto opened = source(i);
                    opened->stayOpen(true);
                    opened->structure();
                    opened->stayOpen(false);
                    return opened;
                },
                [&](size_t i, std::shared_ptr<SourceDocument>& doc) {
                    try {
                        doc->stayOpen(true);
                        writer.addSegment(*doc, m_pages[i], positions(i), turns(i));
                        doc->stayOpen(false);
                        noteWarnings(*doc);
                    } catch (const std::exception& e) {
                        failAt(i, e);
                    }
                    release(doc);
                    report(int(i + 1), n);
                });
        } catch (...) {
            if (releasing.valid())
                releasing.wait();
            throw;
        }
        if (releasing.valid())
            releasing.get();
        writer.finish({});
    }

    // Inputs being read by helper threads: about one per core, as the writer and the freeing
    // of finished inputs take their share too; more only hold more documents in memory.
    static size_t helperCount()
    {
        return std::clamp<size_t>(std::thread::hardware_concurrency(), 2, 4);
    }

    // Form fields need qpdf's copy of each page into one document before writing, so every
    // input stays open until the output is written.
    void copyAllThenWrite(const std::string& output)
    {
        const int total = int(m_inputs.size()) * 2;
        std::vector<std::shared_ptr<SourceDocument>> sources;
        OutputBuilder builder(m_options.bookmarks, m_options.tags);
        builder.keepAttachments(m_options.keepAttachments);
        if (m_order)
            builder.setAddedPages(m_added);
        for (size_t i = 0; i < m_inputs.size(); ++i) {
            std::shared_ptr<SourceDocument> opened;
            try {
                opened = source(i);
                opened->stayOpen(true);
                builder.addPages(*opened, m_pages[i], positions(i), turns(i));
                opened->stayOpen(false);
                noteWarnings(*opened);
            } catch (const std::exception& e) {
                failAt(i, e);
            }
            sources.push_back(std::move(opened));
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
    size_t m_budget = 0;
    // Inputs the survey opened and kept for the write; each is handed on once.
    std::vector<std::shared_ptr<SourceDocument>> m_sources;
    // The pages each input gives, read by the survey.
    std::vector<std::vector<int32_t>> m_pages;
    MergeShape m_shape;
    std::unique_ptr<PageOrder> m_order; // none for inputs simply one after another
    AddedPages m_added;
    std::vector<PageBox> m_lastBoxes; // by input
    // Reading ahead and freeing finished inputs. Last, so that its threads stop before what
    // their tasks use goes away.
    HelperThreads m_helpers{helperCount() + 1};
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
                        const std::function<void(int, int)>& progress, const MergeShape& shape)
{
    return Merge(inputs, writeOptions, progress, shape).run(output);
}

} // namespace paginor
