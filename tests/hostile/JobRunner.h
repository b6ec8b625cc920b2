// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "hostile/ChildProcess.h"
#include "split/SplitOptions.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace paginor {
class PDFLibrary;
}

namespace paginor::test {

// What one job did, as seen by the user: the messages shown, the password prompts, and the
// job's own verdict. Gathered in a child process (see ChildProcess.h).
struct JobReport
{
    ChildResult child;
    QStringList messages; // texts of the message boxes, in order
    int prompts = 0;      // password prompts shown
    QString verdict;      // TestPassword: "true"/"false"; split and merge: their outcome
    bool idle = true;     // busy state and wait cursor were left again

    std::string describe() const;
};

// The program's own messages.
namespace text {
inline const QString kSplitOk = QStringLiteral("PDF file has been successfully splitted.");
inline const QString kSplitFailed = QStringLiteral("Split failed\r\nError code: ");
inline const QString kMergeOk = QStringLiteral("PDF file has been successfully merged.");
inline const QString kMergeUnlocked =
    QStringLiteral("\r\nThe protected files were merged without their passwords.");
inline const QString kMergeFailed = QStringLiteral("Can not merge file: ");
inline const QString kCanNotOpen = QStringLiteral("Can not open file: ");
inline const QString kNotPdfOrDamaged = QStringLiteral("It is not a PDF file, or it is damaged.");
inline const QString kCanNotWrite = QStringLiteral("Can not write the PDF file: ");
inline const QString kCheckDisk =
    QStringLiteral("Please make sure the disk has space and the folder can be written to.");
} // namespace text

// Hooks a test may set on the child's engine before the job runs (a failing stream opener).
using EngineSetup = std::function<void(PDFLibrary&)>;

// TestPassword(path, password) in a child.
JobReport runTestPassword(const QString& path, const QString& password,
                          const ChildLimits& limits = {});

// A split of `source` in `options`' mode, saved as `output`. The password prompt is answered
// with `answers` in turn (nullopt = Cancel), then cancelled.
JobReport runSplit(const QString& source, const SplitOptions& options, const QString& output,
                   const std::vector<std::optional<QString>>& answers = {},
                   const EngineSetup& setup = {}, const ChildLimits& limits = {});

// "&Add" of `inputs` then "&Merge" into `output`. Password prompts are answered with `answers`
// in turn (nullopt = Cancel), then cancelled.
JobReport runMerge(const QStringList& inputs, const QString& output, const EngineSetup& setup = {},
                   const ChildLimits& limits = {},
                   const std::vector<std::optional<QString>>& answers = {});

// The options of each split mode as the hostile suite uses them.
std::vector<std::pair<std::string, SplitOptions>> everySplitMode();

// The page count of a PDF as the library reads it on its own, or -1 when it does not open.
// Page contents are not decoded: a damaged stream copied as it was still counts.
int pageCount(const QString& path);

// The files in `folder` (names only) with their bytes.
std::map<QString, std::string> folderSnapshot(const QString& folder);

} // namespace paginor::test
