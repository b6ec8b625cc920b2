// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/structure/BookmarkLevels.h"
#include "ui/PageSource.h"

#include <QObject>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QThread;

namespace paginor {

// Draws the thumbnails of one file on its own worker thread, so the window never waits for a
// page. The worker loads the file, then draws the pages last asked for, in the order asked;
// asking again replaces what was not drawn yet, so a fast scroll leaves no backlog. The
// outline is read on a thread of its own with the engine, which survives outlines that loop
// and does not hold up the pictures. Results come back as signals on the thread that made the
// renderer.
class ThumbnailRenderer : public QObject
{
    Q_OBJECT
public:
    using SourceMaker = std::function<std::unique_ptr<PageSource>()>;

    // `maker` makes the worker's source (by default Qt PDF), on the worker thread.
    explicit ThumbnailRenderer(SourceMaker maker = makeQtPdfSource, QObject* parent = nullptr);
    // Stops the worker after the page it is drawing.
    ~ThumbnailRenderer() override;

    // Loads `path` with `password`, forgetting the earlier file and every request; opened()
    // follows. Results of the earlier file still on their way are dropped.
    void open(const QString& path, const QString& password);

    // Replaces the pages to draw: `pages` (from 0) in order of need, each to fit `box` pixels.
    void want(const std::vector<int32_t>& pages, QSize box);

Q_SIGNALS:
    void opened(const paginor::DocumentFacts& facts);
    // `image` is null when the page could not be drawn. `label` is the file's page label.
    void rendered(int32_t page, QSize box, const QImage& image, const QString& label);
    // The outline of the file, pages from 0; empty when it has none or it cannot be read.
    void bookmarksRead(const std::vector<paginor::BookmarkLevel>& marks);

private:
    void work();
    // Starts reading the outline of the file loaded as `generation`.
    void readOutline(const QString& path, const QString& password, uint64_t generation);
    // Runs `emitter` on the renderer's thread unless a newer file was opened meanwhile.
    template <typename F> void post(uint64_t generation, F&& emitter);

    SourceMaker m_maker;
    QThread* m_thread = nullptr;
    struct Outlet;
    std::shared_ptr<Outlet> m_outlet; // how outline readers reach the renderer while it lives

    std::mutex m_mutex; // guards everything below
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_openPending = false;
    QString m_path;
    QString m_password;
    uint64_t m_generation = 0;
    std::vector<int32_t> m_queue; // drawn from the front
    size_t m_next = 0;
    QSize m_box;
};

} // namespace paginor
