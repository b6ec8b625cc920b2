// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/structure/BookmarkLevels.h"
#include "jobs/Messages.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace paginor {

class PDFLibrary;

// What the engine's probe makes of a split source.
struct SourceCount
{
    enum class State
    {
        Unreadable, // no file the split would take as its source
        Counted,    // opened: pageTotal holds its page count
        Protected,  // needs a password other than the one given
        Damaged,    // not a PDF, damaged, or made in a way the engine cannot read
    };
    State state = State::Unreadable;
    int32_t pageTotal = 0;
    int64_t fileBytes = 0; // when Counted: the size of the file
    // When Counted and asked for: the outline, read with the count so that a split at
    // bookmarks can be told without opening the file again. outlineRead is false when it was
    // not asked for or could not be read.
    std::vector<BookmarkLevel> bookmarks;
    bool outlineRead = false;
    bool outlineAsked = false; // the outline was asked for, whether or not it could be read
};

// What the split panel's summary line and the dry run say of a source that was not counted.
inline const char* const kProtectedSourceText =
    QT_TRANSLATE_NOOP("Messages", "Protected: the page count shows once the password is given");
inline const char* const kDamagedSourceText =
    QT_TRANSLATE_NOOP("Messages", "Not a PDF file, or damaged");

// Opens `path` with `password` through the engine's probe (ProbeOpen, ProbeInfo item 20,
// ProbeClose) and says what came of it. A path the split would not take as its source (see
// SplitJob::isSource) is Unreadable without being opened. With `outline`, a counted source's
// outline is read as the split job reads it (PDFLibrary::readBookmarks), from what the probe
// parsed; without it only the page tree is read, which is all that counting needs.
SourceCount countPages(PDFLibrary& engine, const QString& path, const QString& password,
                       bool outline = true);

// Counts a source's pages on a thread of its own, with an engine instance of its own, so that
// neither typing nor the window's engine ever waits for a large file. The answers of the last
// few files are kept: asking again about an unchanged file parses nothing.
class PageCountProbe : public QObject
{
    Q_OBJECT
public:
    explicit PageCountProbe(QObject* parent = nullptr);
    // Waits for a count under way to end.
    ~PageCountProbe() override;

    // Asks for the page count of `path` opened with `password`, and its outline too with
    // `outline` (only a split at bookmarks needs it, and a long manual's outline costs far more
    // than its count). The answer comes as counted(), later, on this object's thread. A request
    // not yet taken up is replaced by a newer one.
    void request(const QString& path, const QString& password, bool outline = false);

    // How many files the probe has parsed so far.
    int parsed() const { return m_parsed; }

Q_SIGNALS:
    void counted(const QString& path, const QString& password, const paginor::SourceCount& count);

private:
    struct Request
    {
        QString path;
        QString password;
        bool outline = false;
    };
    void work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Request> m_pending;
    bool m_stop = false;
    std::thread m_thread;
    std::atomic<int> m_parsed{0};
};

} // namespace paginor
