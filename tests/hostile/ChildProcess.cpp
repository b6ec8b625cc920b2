// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "hostile/ChildProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <exception>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PAGINOR_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define PAGINOR_ASAN 1
#endif
#ifdef PAGINOR_ASAN
#include <sanitizer/lsan_interface.h>
#endif

namespace paginor::test {

bool underSanitizer()
{
#ifdef PAGINOR_ASAN
    return true;
#else
    return false;
#endif
}

double sanitizerSlowdown()
{
    return underSanitizer() ? 5.0 : 1.0;
}

std::string ChildResult::describe() const
{
    switch (end) {
    case End::Exited:
        return "exited " + std::to_string(status);
    case End::Signalled:
        return "killed by signal " + std::to_string(status);
    case End::TimedOut:
        return "no answer before the deadline";
    }
    return {};
}

namespace {

void writeAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += size_t(n);
    }
}

[[noreturn]] void childMain(int fd, const std::function<std::string()>& work,
                            const ChildLimits& limits)
{
    if (limits.openFiles > 0) {
        rlimit lim{rlim_t(limits.openFiles), rlim_t(limits.openFiles)};
        if (::setrlimit(RLIMIT_NOFILE, &lim) != 0)
            ::_exit(4);
    }
    int status = 0;
    try {
        writeAll(fd, work());
    } catch (const std::exception& e) {
        writeAll(fd, std::string("exception: ") + e.what());
        status = 3;
    } catch (...) {
        status = 3;
    }
    ::close(fd);
#ifdef PAGINOR_ASAN
    if (__lsan_do_recoverable_leak_check() != 0)
        status = 23;
#endif
    std::fflush(nullptr);
    ::_exit(status); // no atexit handlers: they belong to the parent's test framework
}

} // namespace

ChildResult runInChild(const std::function<std::string()>& work, const ChildLimits& limits)
{
    ChildResult result;
    int fds[2];
    if (::pipe(fds) != 0) {
        result.status = -1;
        return result;
    }
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        childMain(fds[1], work, limits);
    }
    ::close(fds[1]);
    if (pid < 0) {
        ::close(fds[0]);
        result.status = -1;
        return result;
    }

    using Clock = std::chrono::steady_clock;
    const auto deadline =
        Clock::now() + std::chrono::milliseconds(long(limits.seconds * sanitizerSlowdown() * 1000));
    bool open = true, timedOut = false;
    char buf[4096];
    while (open) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        const int r = ::poll(&p, 1, int(std::min<long>(left.count(), 1000)));
        if (r > 0) {
            const ssize_t n = ::read(fds[0], buf, sizeof buf);
            if (n > 0)
                result.report.append(buf, size_t(n));
            else
                open = false; // the child closed its end: it is finishing
        }
    }
    ::close(fds[0]);

    int status = 0;
    rusage usage{};
    if (!timedOut) {
        // The child is past its work; give it until the deadline to exit.
        while (::wait4(pid, &status, WNOHANG, &usage) == 0) {
            if (Clock::now() >= deadline) {
                timedOut = true;
                break;
            }
            ::usleep(2000);
        }
    }
    if (timedOut) {
        ::kill(pid, SIGKILL);
        ::wait4(pid, &status, 0, &usage);
        result.end = ChildResult::End::TimedOut;
    } else if (WIFSIGNALED(status)) {
        result.end = ChildResult::End::Signalled;
        result.status = WTERMSIG(status);
    } else {
        result.status = WEXITSTATUS(status);
    }
    result.peakKb = usage.ru_maxrss;
    return result;
}

} // namespace paginor::test
