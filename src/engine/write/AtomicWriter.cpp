// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/AtomicWriter.h"

#include "engine/InputFile.h"

#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <memory>
#include <new>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace paginor {

namespace {

[[noreturn]] void fail(const std::string& what)
{
    throw EngineFailure(EngineError::WriteFailed, what);
}

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Creates the temporary file with O_EXCL and mode 0666, so the umask gives a new file the
// usual permissions, unlike mkstemp's 0600. It is opened for reading too: a writer confirms
// a duplicate against what it wrote before.
int createTemp(const std::string& target, std::string& tempPath)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, "%012llx", (unsigned long long)(random() >> 16));
        tempPath = folderOf(target) + "/." + nameOf(target) + "." + suffix + ".part";
        const int fd = ::open(tempPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

class ProgressRelay : public QPDFWriter::ProgressReporter
{
public:
    explicit ProgressRelay(std::function<void(int)> f) : m_f(std::move(f)) {}
    void reportProgress(int percent) override { m_f(percent); }

private:
    std::function<void(int)> m_f;
};

// Removes the temporary file unless the write was committed.
struct TempGuard
{
    std::string path;
    bool keep = false;
    ~TempGuard()
    {
        if (!keep && !path.empty())
            ::unlink(path.c_str());
    }
};

} // namespace

void writeAtomically(const std::string& requested, const WriteOptions& options,
                     const std::function<void(std::FILE*)>& produce)
{
    // Write through a symbolic link to the file it names, not over the link.
    std::string target = requested;
    struct stat st;
    bool exists = false;
    if (::lstat(requested.c_str(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            char* real = ::realpath(requested.c_str(), nullptr);
            if (real) {
                target = real;
                std::free(real);
            }
        }
        if (::stat(target.c_str(), &st) == 0) {
            if (!S_ISREG(st.st_mode))
                fail(requested + ": not a regular file");
            exists = true;
        }
    }

    TempGuard guard;
    const int fd = createTemp(target, guard.path);
    if (fd < 0) {
        guard.path.clear();
        fail(target + ": cannot create a file in its folder: " + std::strerror(errno));
    }
    if (exists)
        ::fchmod(fd, st.st_mode & 07777);

    std::FILE* file = nullptr;
    if (options.openStream) {
        ::close(fd); // before the opener runs, which may throw
        file = options.openStream(guard.path);
    } else {
        file = ::fdopen(fd, "wb");
        if (!file)
            ::close(fd);
        else
            std::setvbuf(file, nullptr, _IOFBF, 1 << 20); // fewer, larger writes
    }
    if (!file)
        fail(guard.path + ": cannot open for writing");

    bool ok = true;
    std::string why;
    std::exception_ptr inputFailure; // passed on as it is once the stream is closed
    try {
        produce(file);
    } catch (const EngineFailure& e) {
        ok = false;
        why = e.what();
        if (e.code() != EngineError::WriteFailed)
            inputFailure = std::current_exception();
    } catch (const std::bad_alloc&) {
        // Memory, not the disk: the caller must not be told the output could not be written.
        ok = false;
        inputFailure = std::current_exception();
    } catch (const std::exception& e) {
        ok = false;
        why = e.what();
    } catch (...) {
        std::fclose(file); // the temporary file goes with the guard
        throw;
    }
    if (std::fflush(file) != 0 || std::ferror(file)) {
        ok = false;
        why = std::string("write error: ") + std::strerror(errno);
    }
    // A replaced file must not be lost to a crash right after the rename, so its successor is
    // synced first. A new file risks nothing there, and its write errors (a full disk, a quota,
    // a network file system's close) already surfaced above or come with fclose; syncing each
    // of the thousands of parts of a split would cost more than writing them. Devices and
    // pipes cannot be synced (EINVAL); that alone is no failure.
    if (ok && exists && ::fsync(::fileno(file)) != 0 && errno != EINVAL && errno != EROFS) {
        ok = false;
        why = std::string("sync error: ") + std::strerror(errno);
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        why = std::string("close error: ") + std::strerror(errno);
    }
    if (inputFailure)
        std::rethrow_exception(inputFailure);
    if (!ok)
        fail(target + ": " + why);

    if (options.acceptSize) {
        struct stat written;
        if (::stat(guard.path.c_str(), &written) != 0)
            fail(guard.path + ": cannot measure: " + std::strerror(errno));
        if (!options.acceptSize(int64_t(written.st_size)))
            throw EngineFailure(EngineError::Declined, target + ": turned down at " +
                                                           std::to_string(written.st_size) +
                                                           " bytes");
    }
    if (options.beforeCommit)
        options.beforeCommit();
    if (::rename(guard.path.c_str(), target.c_str()) != 0)
        fail(target + ": cannot replace: " + std::strerror(errno));
    guard.keep = true;
}

void writeWithQpdf(QPDF& pdf, std::FILE* file, const WriteOptions& options)
{
    pdf.getWarnings(); // only warnings raised by this write count
    QPDFWriter writer(pdf);
    writer.setOutputFile("output", file, false);
    writer.setMinimumPDFVersion(options.minimumVersion, options.extensionLevel);
    writer.setObjectStreamMode(options.objectStreams ? qpdf_o_generate : qpdf_o_disable);
    // Filtered stream data passes through as it is; only unfiltered data gets compressed.
    writer.setDecodeLevel(qpdf_dl_none);
    if (options.encryptLike)
        writer.copyEncryptionParameters(*options.encryptLike);
    if (options.progress)
        writer.registerProgressReporter(std::make_shared<ProgressRelay>(options.progress));
    writer.write();
    if (pdf.anyWarnings()) {
        // qpdf reports unreadable source data only as warnings naming the source.
        const auto warning = pdf.getWarnings().front();
        throw EngineFailure(EngineError::InputChanged, warning.what(), warning.getFilename());
    }
}

} // namespace paginor
