// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "jobs/JobSeam.h"

#include <QString>
#include <QStringList>

namespace paginor {

class MergeList;
class PDFLibrary;

// Settles, before a merge writes anything, the password each row of the merge list opens with.
// Rows are tested in order with the empty password; a row that needs one is tried with the
// passwords that opened earlier rows (most recent first) and the known ones, and only then is
// the user asked. What a test found is kept in the row (RowLock), so a row whose file is
// unchanged since it opened is not tested again.
class RowPasswords
{
public:
    RowPasswords(PDFLibrary& engine, JobSeam seam, MergeList& list);

    // Passwords tried on every row that needs one before the user is asked.
    void setKnownPasswords(const QStringList& passwords);

    // Runs under the merge's busy state, lifting it while the prompt shows. Returns true with
    // one password per row in `passwords` ("" = none). A row that fails for another reason
    // than its password (damaged, missing) ends the tests there: the merge will name it. Returns
    // false when the user cancelled a prompt or answered "": the merge must end without writing.
    // Rows settled before then keep their passwords.
    bool settle(QStringList& passwords);

private:
    PDFLibrary& m_engine;
    UserQuestions& m_ask;
    JobFeedback& m_feedback;
    MergeList& m_list;
    QStringList m_known;
};

} // namespace paginor
