// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/PageCountProbe.h"

#include <QFileInfo>

#include "engine/EngineError.h"
#include "engine/InputFile.h"
#include "engine/PDFLibrary.h"
#include "split/SplitJob.h"

#include <QFile>
#include <deque>

namespace paginor {

SourceCount countPages(PDFLibrary& engine, const QString& path, const QString& password,
                       bool outline)
{
    SourceCount count;
    if (!SplitJob::isSource(path))
        return count;
    const int32_t handle = engine.ProbeOpen(path, password);
    const EngineError error = EngineError(engine.LastErrorNumber());
    bool isNumber = false;
    const int32_t pages = engine.ProbeInfo(handle, 20).toInt(&isNumber);
    engine.ProbeClose(handle);
    if (isNumber) {
        count.state = SourceCount::State::Counted;
        count.pageTotal = pages;
        count.fileBytes = QFileInfo(path).size();
        count.outlineAsked = outline;
        // The engine keeps what the probe parsed: opening the same file again reads nothing.
        if (outline && engine.OpenDocument(path, password)) {
            count.outlineRead = engine.readBookmarks(count.bookmarks);
            engine.DropDocument(engine.DocumentIdAt(1));
        }
    } else if (error == EngineError::PasswordRequired) {
        count.state = SourceCount::State::Protected;
    } else if (error != EngineError::FileNotFound) {
        count.state = SourceCount::State::Damaged;
    }
    return count;
}

PageCountProbe::PageCountProbe(QObject* parent) : QObject(parent) {}

PageCountProbe::~PageCountProbe()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void PageCountProbe::request(const QString& path, const QString& password, bool outline)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pending = Request{path, password, outline};
    }
    m_wake.notify_one();
    if (!m_thread.joinable())
        m_thread = std::thread([this] { work(); });
}

void PageCountProbe::work()
{
    struct Known
    {
        QString path;
        QString password;
        FileIdentity identity;
        SourceCount count;
    };
    std::deque<Known> known; // most recent first; touched by this thread only
    constexpr size_t kKept = 8;

    for (;;) {
        Request next;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || m_pending; });
            if (m_stop)
                return;
            next = std::move(*m_pending);
            m_pending.reset();
        }
        FileIdentity identity;
        const bool exists =
            regularFileIdentity(QFile::encodeName(next.path).toStdString(), identity);
        std::optional<SourceCount> count;
        for (const Known& k : known)
            if (exists && k.path == next.path && k.password == next.password &&
                k.identity == identity &&
                (!next.outline || k.count.outlineAsked ||
                 k.count.state != SourceCount::State::Counted))
                count = k.count;
        if (!count) {
            // A fresh engine each time: nothing parsed stays in memory once counted.
            PDFLibrary engine;
            count = countPages(engine, next.path, next.password, next.outline);
            if (exists && count->state != SourceCount::State::Unreadable) {
                ++m_parsed;
                known.push_front({next.path, next.password, identity, *count});
                if (known.size() > kKept)
                    known.pop_back();
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, next, result = *count] { Q_EMIT counted(next.path, next.password, result); },
            Qt::QueuedConnection);
    }
}

} // namespace paginor
