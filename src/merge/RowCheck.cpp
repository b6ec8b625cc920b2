// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "merge/RowCheck.h"

#include "engine/EngineError.h"
#include "engine/FileIdentity.h"
#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"

#include <QFile>

namespace paginor {

namespace {

// Readers take a file whose header starts within its first kilobyte; without one it is no PDF.
bool hasPdfHeader(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(1024).contains("%PDF-");
}

QString reasonOf(EngineError error, const QString& path)
{
    switch (error) {
    case EngineError::FileNotFound:
        return shownText(kMsgRowNotFound);
    case EngineError::Unsupported:
        return shownText(kMsgRowUnsupported);
    default:
        return shownText(hasPdfHeader(path) ? kMsgRowDamaged : kMsgRowNotPdf);
    }
}

} // namespace

FileIdentity fileIdentityOf(const QString& path)
{
    FileIdentity id;
    if (!regularFileIdentity(QFile::encodeName(path).toStdString(), id))
        id = FileIdentity();
    return id;
}

RowCheck checkMergeFile(PDFLibrary& engine, const QString& path)
{
    RowCheck check;
    check.stamp = fileIdentityOf(path);
    const int32_t handle = engine.ProbeOpen(path, QString());
    const EngineError error = EngineError(engine.LastErrorNumber());
    bool isNumber = false;
    engine.ProbeInfo(handle, 20).toInt(&isNumber);
    engine.ProbeClose(handle);
    if (isNumber) {
        check.state = RowCheck::State::Usable;
    } else if (error == EngineError::PasswordRequired) {
        check.state = RowCheck::State::Protected;
    } else {
        check.state = RowCheck::State::Unusable;
        check.reason = reasonOf(check.stamp.exists() ? error : EngineError::FileNotFound, path);
    }
    return check;
}

MergeFileChecker::MergeFileChecker(QObject* parent) : QObject(parent) {}

MergeFileChecker::~MergeFileChecker()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
        m_queue.clear();
    }
    m_wake.notify_one();
    if (m_thread.joinable())
        m_thread.join();
}

void MergeFileChecker::request(const QString& path)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_queue.push_back(path);
    }
    m_wake.notify_one();
    if (!m_thread.joinable())
        m_thread = std::thread([this] { work(); });
}

void MergeFileChecker::work()
{
    for (;;) {
        QString path;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_stop)
                return;
            path = std::move(m_queue.front());
            m_queue.pop_front();
        }
        // A fresh engine each time: nothing parsed stays in memory once checked.
        PDFLibrary engine;
        const RowCheck check = checkMergeFile(engine, path);
        QMetaObject::invokeMethod(
            this, [this, path, check] { Q_EMIT checked(path, check); }, Qt::QueuedConnection);
    }
}

} // namespace paginor
