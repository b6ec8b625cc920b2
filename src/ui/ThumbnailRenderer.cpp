// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/ThumbnailRenderer.h"

#include "engine/PDFLibrary.h"

#include <QCoreApplication>
#include <QThread>
#include <thread>

namespace paginor {

// Outline readers still running when their renderer went; joined as the program ends, so
// closing a window never waits for a long outline.
namespace {

std::mutex g_leftoverMutex;
std::vector<std::thread> g_leftovers;

void joinLeftovers()
{
    std::vector<std::thread> threads;
    {
        std::lock_guard<std::mutex> lock(g_leftoverMutex);
        threads.swap(g_leftovers);
    }
    for (std::thread& t : threads)
        t.join();
}

void leaveRunning(std::thread thread)
{
    // Without an application there is no end to wait for.
    if (!QCoreApplication::instance()) {
        thread.join();
        return;
    }
    std::lock_guard<std::mutex> lock(g_leftoverMutex);
    static bool registered = false;
    if (!registered) {
        qAddPostRoutine(joinLeftovers);
        registered = true;
    }
    g_leftovers.push_back(std::move(thread));
}

} // namespace

struct ThumbnailRenderer::Outlet
{
    std::mutex mutex;
    ThumbnailRenderer* owner = nullptr; // null once the renderer is gone
    std::vector<std::thread> readers;
};

ThumbnailRenderer::ThumbnailRenderer(SourceMaker maker, QObject* parent)
    : QObject(parent), m_maker(std::move(maker)), m_outlet(std::make_shared<Outlet>())
{
    m_outlet->owner = this;
    m_thread = QThread::create([this] { work(); });
    m_thread->setObjectName(QStringLiteral("thumbnails"));
    m_thread->start(QThread::LowPriority);
}

ThumbnailRenderer::~ThumbnailRenderer()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread->wait();
    delete m_thread;
    std::vector<std::thread> readers;
    {
        std::lock_guard<std::mutex> lock(m_outlet->mutex);
        m_outlet->owner = nullptr;
        readers.swap(m_outlet->readers);
    }
    for (std::thread& reader : readers)
        leaveRunning(std::move(reader));
}

void ThumbnailRenderer::open(const QString& path, const QString& password)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_path = path;
        m_password = password;
        m_openPending = true;
        ++m_generation;
        m_queue.clear();
        m_next = 0;
    }
    m_wake.notify_all();
}

void ThumbnailRenderer::want(const std::vector<int32_t>& pages, QSize box)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue = pages;
        m_next = 0;
        m_box = box;
    }
    m_wake.notify_all();
}

template <typename F> void ThumbnailRenderer::post(uint64_t generation, F&& emitter)
{
    // The renderer outlives every call posted here: its destructor waits for this thread.
    QMetaObject::invokeMethod(
        this,
        [this, generation, emitter = std::forward<F>(emitter)] {
            uint64_t current;
            {
                std::lock_guard<std::mutex> lock(m_mutex);
                current = m_generation;
            }
            if (generation == current)
                emitter();
        },
        Qt::QueuedConnection);
}

void ThumbnailRenderer::work()
{
    std::unique_ptr<PageSource> source;
    bool ready = false;
    for (;;) {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_wake.wait(lock, [this] { return m_stop || m_openPending || m_next < m_queue.size(); });
        if (m_stop)
            return;
        const uint64_t generation = m_generation;
        if (m_openPending) {
            m_openPending = false;
            const QString path = m_path;
            const QString password = m_password;
            lock.unlock();
            source = m_maker();
            const DocumentFacts facts = readFacts(*source, path, password);
            ready = facts.status == DocumentFacts::Status::Ready;
            post(generation, [this, facts] { Q_EMIT opened(facts); });
            if (ready)
                readOutline(path, password, generation);
        } else {
            const int32_t page = m_queue[m_next++];
            const QSize box = m_box;
            lock.unlock();
            if (!ready)
                continue;
            const QImage image = renderThumbnail(*source, page, box);
            const QString label = source->pageLabel(page);
            post(generation,
                 [this, page, box, image, label] { Q_EMIT rendered(page, box, image, label); });
        }
    }
}

void ThumbnailRenderer::readOutline(const QString& path, const QString& password,
                                    uint64_t generation)
{
    std::lock_guard<std::mutex> lock(m_outlet->mutex);
    m_outlet->readers.emplace_back([outlet = m_outlet, path, password, generation] {
        // The engine reads outlines more carefully than Qt PDF, which follows a looping one
        // for ever.
        std::vector<BookmarkLevel> marks;
        {
            PDFLibrary engine;
            if (!engine.OpenDocument(path, password) || !engine.readBookmarks(marks))
                marks.clear();
        }
        std::lock_guard<std::mutex> relock(outlet->mutex);
        if (ThumbnailRenderer* owner = outlet->owner)
            owner->post(generation, [owner, marks] { Q_EMIT owner->bookmarksRead(marks); });
    });
}

} // namespace paginor
