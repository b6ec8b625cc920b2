// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/HelperThreads.h"

namespace paginor {

HelperThreads::HelperThreads(size_t count) : m_count(count > 0 ? count : 1) {}

HelperThreads::~HelperThreads()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_queued.notify_all();
    for (auto& thread : m_threads)
        thread.join();
}

void HelperThreads::push(std::function<void()> job)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_jobs.push_back(std::move(job));
        // A thread more when none is waiting for work.
        if (m_idle < m_jobs.size() && m_threads.size() < m_count)
            m_threads.emplace_back([this] { work(); });
    }
    m_queued.notify_one();
}

void HelperThreads::work()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        ++m_idle;
        m_queued.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        --m_idle;
        if (m_jobs.empty())
            return; // stopping, with nothing left to run
        auto job = std::move(m_jobs.front());
        m_jobs.pop_front();
        lock.unlock();
        job();
        lock.lock();
    }
}

} // namespace paginor
