// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "merge/RowPasswords.h"

#include "engine/PDFLibrary.h"
#include "jobs/PasswordPrompt.h"
#include "merge/MergeList.h"
#include "merge/RowCheck.h"

namespace paginor {

namespace {

enum class Found
{
    Opened,        // one of the candidates opened the file
    NeedsPassword, // none did, and the file asks for a password
    Unreadable,    // the file fails whatever the password
};

} // namespace

RowPasswords::RowPasswords(PDFLibrary& engine, JobSeam seam, MergeList& list)
    : m_engine(engine), m_ask(seam.questions), m_feedback(seam.feedback), m_list(list)
{
}

void RowPasswords::setKnownPasswords(const QStringList& passwords)
{
    m_known = passwords;
}

bool RowPasswords::settle(QStringList& passwords)
{
    passwords.clear();
    QStringList accepted; // passwords that opened earlier rows, most recent first
    auto remember = [&](const QString& password) {
        if (password.isEmpty())
            return;
        accepted.removeAll(password);
        accepted.prepend(password);
    };
    const int n = m_list.rowCount();
    for (int i = 0; i < n; ++i) {
        const QString path = m_list.fullPath(i);
        RowLock lock = m_list.row(i).lock;
        // Stamped before the test, so a change made meanwhile is seen next time.
        const FileIdentity stamp = fileIdentityOf(path);
        if (lock.tested && stamp.exists() && lock.stamp == stamp) {
            passwords << lock.password;
            remember(lock.password);
            continue;
        }

        // The row's own earlier password first: a file saved again usually keeps it.
        QStringList candidates{QString(), lock.password};
        candidates << accepted << m_known;
        candidates.removeDuplicates();
        Found found = Found::NeedsPassword;
        QString password;
        // The panel is disabled meanwhile, so the window may repaint while large files parse.
        m_feedback.runWhileYielding([&] {
            for (const QString& candidate : candidates) {
                if (testPassword(m_engine, path, candidate)) {
                    found = Found::Opened;
                    password = candidate;
                    return;
                }
                if (candidate.isEmpty() &&
                    m_engine.LastErrorNumber() != int32_t(EngineError::PasswordRequired)) {
                    found = Found::Unreadable;
                    return;
                }
            }
        });
        if (found == Found::NeedsPassword) {
            // The lock shows while the box asks.
            lock.tested = false;
            lock.isProtected = true;
            m_list.setLock(i, lock);
            m_feedback.setBusy(false);
            const PasswordCheck check = askPassword(m_ask, path, password, [&](const QString& a) {
                return judgePassword(m_engine, path, a);
            });
            m_feedback.setBusy(true);
            if (check == PasswordCheck::Cancelled)
                return false;
            if (check == PasswordCheck::Unusable) // damaged meanwhile
                found = Found::Unreadable;
        }
        if (found == Found::Unreadable) {
            // The merge then fails at this row and names it.
            while (passwords.size() < n)
                passwords << QString();
            return true;
        }
        lock.tested = true;
        lock.isProtected = !password.isEmpty();
        lock.password = password;
        lock.stamp = stamp;
        m_list.setLock(i, lock);
        passwords << password;
        remember(password);
    }
    return true;
}

} // namespace paginor
