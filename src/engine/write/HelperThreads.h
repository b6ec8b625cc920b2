// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace paginor {

// A few threads kept for the length of a job, each running the tasks it is given in turn. A
// thread started per task pays its start-up and a fresh heap in the allocator for all the
// task allocates; kept threads use both again.
class HelperThreads
{
public:
    explicit HelperThreads(size_t count);
    // Runs the tasks still queued, then stops the threads.
    ~HelperThreads();
    HelperThreads(const HelperThreads&) = delete;
    HelperThreads& operator=(const HelperThreads&) = delete;

    // Queues `task`; its result, or what it threw, comes through the future.
    template <typename Task> auto run(Task task) -> std::future<decltype(task())>
    {
        using Result = decltype(task());
        auto packaged = std::make_shared<std::packaged_task<Result()>>(std::move(task));
        auto result = packaged->get_future();
        push([packaged] { (*packaged)(); });
        return result;
    }

private:
    void push(std::function<void()> job);
    void work();

    std::mutex m_mutex;
    std::condition_variable m_queued;
    std::deque<std::function<void()>> m_jobs;
    bool m_stop = false;
    size_t m_count;
    size_t m_idle = 0;                  // threads waiting for a task
    std::vector<std::thread> m_threads; // started as tasks come, up to m_count
};

} // namespace paginor
