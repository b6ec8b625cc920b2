// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "merge/DroppedFiles.h"

#include "jobs/Messages.h"
#include "merge/MergeList.h"
#include "settings/Product.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

namespace paginor {

namespace {

QStringList pdfsInFolder(const QString& folder)
{
    QStringList names;
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Readable))
        if (MergeList::HasPdfExtension(entry.fileName()))
            names << entry.fileName();
    // File-manager order in the user's language: runs of digits compare by their value, so
    // "file 2" comes before "file 10", and letter case does not count. The C locale has no
    // order of its own (Qt compares code points there), so it sorts as English does.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English);
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&collator](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b; // names the collator finds equal: a fixed order
    });
    QStringList paths;
    for (const QString& name : names)
        paths << QDir::toNativeSeparators(dir.filePath(name));
    return paths;
}

} // namespace

DroppedFiles sortOutDroppedFiles(const QStringList& paths)
{
    DroppedFiles out;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            out.pdfs << pdfsInFolder(info.absoluteFilePath());
        else if (MergeList::HasPdfExtension(info.fileName()))
            out.pdfs << QDir::toNativeSeparators(info.absoluteFilePath());
        else
            out.skipped << (info.fileName().isEmpty() ? path : info.fileName());
    }
    return out;
}

int addDroppedFiles(MergeList& list, JobSeam seam, const QStringList& paths)
{
    const DroppedFiles files = sortOutDroppedFiles(paths);
    if (!files.pdfs.isEmpty()) {
        seam.feedback.setWaitCursor(true);
        seam.feedback.yield();
        for (const QString& path : files.pdfs) {
            list.AddListRow(path);
            seam.feedback.yield();
        }
        seam.feedback.setWaitCursor(false);
    }
    if (!files.skipped.isEmpty())
        seam.questions.message(notAddedText(files.skipped), UserQuestions::Icon::Information,
                               QString::fromLatin1(kProductName));
    return int(files.pdfs.size());
}

QString notAddedText(const QStringList& names)
{
    // A whole folder of the wrong files would make a message taller than the screen.
    constexpr qsizetype kNamed = 5;
    const qsizetype count = names.size();
    QString text =
        count == 1 ? shownText(kMsgOneFileNotAdded) : shownText(kMsgFilesNotAdded).arg(count);
    text += names.mid(0, kNamed).join(QStringLiteral(", "));
    if (count > kNamed)
        text += shownText(kMsgMoreNotAdded).arg(count - kNamed);
    return text;
}

} // namespace paginor
