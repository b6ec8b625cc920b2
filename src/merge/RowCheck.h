// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "merge/RowLock.h"

#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace paginor {

class PDFLibrary;

// What the early check of a merge-list row found: whether the merge will be able to read its
// file at all. It moves with the row, like its lock.
struct RowCheck
{
    enum class State
    {
        Pending,   // not checked yet, or checked before the file changed
        Usable,    // opens without a password
        Protected, // needs a password: the merge asks for it, as for any protected row
        Unusable,  // missing, not a PDF, damaged or unsupported: `reason` says which
    };
    State state = State::Pending;
    QString reason; // Unusable: one sentence, as the row's tooltip and the merge's refusal say it
    FileIdentity stamp; // the version of the file the state describes
};

// The device, inode, size and change times of the regular file at `path`; size -1 when there is
// none.
FileIdentity fileIdentityOf(const QString& path);

// Opens `path` without a password through the engine's probe (ProbeOpen, ProbeInfo item 20,
// ProbeClose) and says whether a merge could read it. The stamp is taken before the file is
// read, so a change made meanwhile shows as a changed stamp later. Shows nothing.
RowCheck checkMergeFile(PDFLibrary& engine, const QString& path);

// Checks merge-list files on a thread of its own, each with an engine instance of its own, so
// the window's engine and the user interface never wait for a large file. Requests are taken in
// order; every one is answered.
class MergeFileChecker : public QObject
{
    Q_OBJECT
public:
    explicit MergeFileChecker(QObject* parent = nullptr);
    // Drops the requests not yet taken up and waits for the file being checked, if any.
    ~MergeFileChecker() override;

    // Asks for the check of `path`. The answer comes as checked(), later, on this object's thread.
    void request(const QString& path);

Q_SIGNALS:
    void checked(const QString& path, const paginor::RowCheck& check);

private:
    void work();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<QString> m_queue;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace paginor
