// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/FirstPageThumbnails.h"

#include <QThread>

namespace paginor {

FirstPageThumbnails::FirstPageThumbnails(QSize box, SourceMaker maker, QObject* parent)
    : QObject(parent), m_box(box), m_maker(std::move(maker))
{
    m_thread = QThread::create([this] { work(); });
    m_thread->setObjectName(QStringLiteral("first pages"));
    m_thread->start(QThread::LowPriority);
}

FirstPageThumbnails::~FirstPageThumbnails()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread->wait();
    delete m_thread;
}

void FirstPageThumbnails::request(const QString& path, const QString& password)
{
    const auto asked = m_asked.constFind(path);
    if (asked != m_asked.constEnd() && *asked == password)
        return;
    m_asked.insert(path, password);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.emplace_back(path, password);
    }
    m_wake.notify_all();
}

const FirstPageThumbnails::Result* FirstPageThumbnails::result(const QString& path) const
{
    const auto found = m_results.constFind(path);
    return found == m_results.constEnd() ? nullptr : &*found;
}

void FirstPageThumbnails::work()
{
    for (;;) {
        QString path;
        QString password;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_stop)
                return;
            std::tie(path, password) = m_queue.front();
            m_queue.pop_front();
        }
        Result result;
        {
            const std::unique_ptr<PageSource> source = m_maker();
            const DocumentFacts facts = readFacts(*source, path, password);
            if (facts.status == DocumentFacts::Status::Ready) {
                result.pageCount = facts.pageCount;
                result.picture = renderThumbnail(*source, 0, m_box);
            }
        }
        // The destructor waits for this thread, so `this` outlives the call.
        QMetaObject::invokeMethod(
            this,
            [this, path, result] {
                m_results.insert(path, result);
                Q_EMIT ready(path);
            },
            Qt::QueuedConnection);
    }
}

} // namespace paginor
