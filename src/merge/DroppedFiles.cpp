#include "merge/DroppedFiles.h"

#include "jobs/Messages.h"
#include "merge/MergeList.h"
#include "settings/Product.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace paginor {

namespace {

// File-manager order: runs of digits compare by their value, so "file 2" comes before
// "file 10"; other text compares without regard to letter case. (The collator's numeric mode
// is not there in every locale.)
bool naturalLess(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i;
            qsizetype ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            // Leading zeros do not count; then the longer run is the larger number.
            QStringView da = QStringView(a).mid(i, ei - i);
            QStringView db = QStringView(b).mid(j, ej - j);
            while (da.size() > 1 && da.front() == u'0')
                da = da.mid(1);
            while (db.size() > 1 && db.front() == u'0')
                db = db.mid(1);
            if (da.size() != db.size())
                return da.size() < db.size();
            if (const int c = da.compare(db); c != 0)
                return c < 0;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a[i].toCaseFolded();
        const QChar cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return a.size() - i < b.size() - j;
    return a < b; // the same but for case or zeros: a fixed order all the same
}

QStringList pdfsInFolder(const QString& folder)
{
    QStringList names;
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Readable))
        if (MergeList::HasPdfExtension(entry.fileName()))
            names << entry.fileName();
    std::sort(names.begin(), names.end(), naturalLess);
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
            ++out.skipped;
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
    if (files.skipped > 0)
        seam.questions.message(QString::number(files.skipped) +
                                   QString::fromLatin1(kMsgFilesNotAdded),
                               UserQuestions::Icon::Information, QString::fromLatin1(kProductName));
    return int(files.pdfs.size());
}

} // namespace paginor
