// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "ui/PageSource.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

class QThread;

namespace paginor {

// The first page and the page count of many files, for the merge list: read one file at a
// time on a worker thread, each file once, in the order asked.
class FirstPageThumbnails : public QObject
{
    Q_OBJECT
public:
    using SourceMaker = std::function<std::unique_ptr<PageSource>()>;

    // Pictures fit `box` pixels.
    explicit FirstPageThumbnails(QSize box, SourceMaker maker = makeQtPdfSource,
                                 QObject* parent = nullptr);
    // Stops after the file being read.
    ~FirstPageThumbnails() override;

    // Reads `path` with `password` unless it was read or asked for with that password already.
    void request(const QString& path, const QString& password);

    struct Result
    {
        QImage picture;        // null when the first page could not be drawn
        int32_t pageCount = 0; // 0 when the file could not be read (or needs a password)
    };
    // What was read of `path`, if anything.
    const Result* result(const QString& path) const;

Q_SIGNALS:
    void ready(const QString& path);

private:
    void work();

    QSize m_box;
    SourceMaker m_maker;
    QThread* m_thread = nullptr;
    QHash<QString, Result> m_results; // the owner's thread only
    QHash<QString, QString> m_asked;  // path -> password asked with; the owner's thread only
    std::mutex m_mutex;               // guards what follows
    std::condition_variable m_wake;
    std::deque<std::pair<QString, QString>> m_queue;
    bool m_stop = false;
};

} // namespace paginor
