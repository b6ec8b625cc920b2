// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "merge/MergeList.h"

#include "jobs/FileDialogs.h"
#include "jobs/Session.h"
#include "merge/PathParts.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <algorithm>

namespace paginor {

MergeList::MergeList(Session& session, JobSeam seam, QObject* parent)
    : QObject(parent), m_session(session), m_seam(seam)
{
}

void MergeList::AddPdfFiles()
{
    FileDialogs dialogs(m_session, m_seam.questions);
    addFromBuffer(dialogs.ChoosePdfFilesToAdd());
}

void MergeList::addFromBuffer(const QString& buffer)
{
    if (buffer.isEmpty())
        return;
    const QChar nul(u'\0');
    const int firstNul = buffer.indexOf(nul);
    const bool several =
        firstNul >= 0 && firstNul + 1 < buffer.size() && buffer[firstNul + 1] != nul;

    if (!several) {
        const QString path = firstNul < 0 ? buffer : buffer.left(firstNul);
        const int cut = path.lastIndexOf(QDir::separator());
        m_session.LastOpenFolder = path.left(cut + 1);
        if (HasPdfExtension(path))
            AddListRow(path);
        return;
    }

    QString folder = buffer.left(firstNul);
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    m_session.LastOpenFolder = folder;

    m_seam.feedback.setWaitCursor(true);
    m_seam.feedback.yield();
    int start = firstNul + 1;
    while (start < buffer.size()) {
        int end = buffer.indexOf(nul, start);
        if (end < 0)
            end = buffer.size();
        if (end > start) {
            const QString path = folder + buffer.mid(start, end - start);
            if (HasPdfExtension(path)) {
                AddListRow(path);
                m_seam.feedback.yield();
            }
        }
        start = end + 1;
    }
    m_seam.feedback.setWaitCursor(false);
}

bool MergeList::HasPdfExtension(const QString& path)
{
    const int dot = path.lastIndexOf(u'.');
    return dot >= 0 && QStringView(path).mid(dot + 1).compare(u"pdf", Qt::CaseInsensitive) == 0;
}

void MergeList::AddListRow(const QString& fullPath)
{
    const QFileInfo info(fullPath);
    MergeRow row;
    row.fileName = GetFileName(fullPath);
    row.path = GetFolderName(fullPath);
    row.sizeText = SizeText(info.isFile() ? info.size() : 0);
    row.key = ++m_lastKey;
    m_rows.push_back(row);
    const int index = rowCount() - 1;
    // Appending moves no other row, so only the new one needs a number.
    m_rows[index].number = NumberText(index + 1);
    Q_EMIT rowsAppended(index, 1);
}

void MergeList::RenumberList()
{
    renumberFrom(0);
}

void MergeList::renumberFrom(int first)
{
    int changedFirst = -1;
    int changedLast = -1;
    for (int i = first; i < rowCount(); ++i) {
        QString text = NumberText(i + 1);
        if (m_rows[i].number == text)
            continue;
        m_rows[i].number = std::move(text);
        if (changedFirst < 0)
            changedFirst = i;
        changedLast = i;
    }
    if (changedFirst >= 0)
        Q_EMIT rowsChanged(changedFirst, changedLast);
}

QString MergeList::SizeText(int64_t bytes)
{
    if (bytes < 0)
        bytes = 0;
    const qlonglong kilobytes = qlonglong((bytes + 512) / 1024);
    // The size pattern always groups thousands, even where the locale's default omits it.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return tr("%1 KB").arg(locale.toString(kilobytes));
}

QString MergeList::NumberText(int position)
{
    return QStringLiteral("%1").arg(position, 3, 10, QLatin1Char('0'));
}

QString MergeList::fullPath(int index) const
{
    const MergeRow& r = m_rows.at(index);
    return r.path + QDir::separator() + r.fileName;
}

QStringList MergeList::fullPaths() const
{
    QStringList out;
    out.reserve(rowCount());
    for (int i = 0; i < rowCount(); ++i)
        out << fullPath(i);
    return out;
}

void MergeList::setSelected(int index, bool selected)
{
    if (index >= 0 && index < rowCount())
        m_rows[index].selected = selected;
}

void MergeList::setCurrentRow(int index)
{
    m_current = index >= 0 && index < rowCount() ? index : -1;
}

QVector<int> MergeList::selectedRows() const
{
    QVector<int> out;
    for (int i = 0; i < rowCount(); ++i)
        if (m_rows[i].selected)
            out << i;
    return out;
}

void MergeList::setLock(int index, const RowLock& lock)
{
    if (index < 0 || index >= rowCount())
        return;
    const bool shown = m_rows[index].lock.isProtected;
    m_rows[index].lock = lock;
    if (shown != lock.isProtected)
        Q_EMIT lockChanged(index);
}

void MergeList::applyCheck(const QString& fullPath, const RowCheck& check)
{
    for (int i = 0; i < rowCount(); ++i) {
        MergeRow& row = m_rows[i];
        if (row.check.state != RowCheck::State::Pending || this->fullPath(i) != fullPath)
            continue;
        row.check = check;
        Q_EMIT checkChanged(i);
        if (check.state == RowCheck::State::Protected && !row.lock.tested &&
            !row.lock.isProtected) {
            RowLock lock = row.lock;
            lock.isProtected = true;
            setLock(i, lock);
        }
    }
}

QStringList MergeList::expireChangedChecks()
{
    QStringList paths;
    QSet<QString> listed;
    for (int i = 0; i < rowCount(); ++i) {
        MergeRow& row = m_rows[i];
        if (row.check.state == RowCheck::State::Pending)
            continue;
        const QString path = fullPath(i);
        if (fileIdentityOf(path) == row.check.stamp)
            continue;
        row.check = RowCheck();
        Q_EMIT checkChanged(i);
        if (!listed.contains(path)) {
            listed.insert(path);
            paths << path;
        }
    }
    return paths;
}

bool MergeList::checksPending() const
{
    for (const MergeRow& row : m_rows)
        if (row.check.state == RowCheck::State::Pending)
            return true;
    return false;
}

int MergeList::firstUnusableRow() const
{
    for (int i = 0; i < rowCount(); ++i)
        if (m_rows[i].check.state == RowCheck::State::Unusable)
            return i;
    return -1;
}

void MergeList::RemoveSelectedRows()
{
    if (m_rows.isEmpty())
        return;
    int lowest = -1;
    // From the last row back, so the rows still to visit keep their positions.
    for (int i = rowCount() - 1; i >= 0; --i) {
        if (m_rows[i].selected) {
            m_rows.remove(i);
            lowest = i;
        }
    }
    if (lowest < 0)
        return;
    m_current = -1;
    for (int i = lowest; i < rowCount(); ++i)
        m_rows[i].number = NumberText(i + 1);
    Q_EMIT listReset();
}

bool MergeList::MoveSelectedUp()
{
    return moveCurrent(-1);
}

bool MergeList::MoveSelectedDown()
{
    return moveCurrent(+1);
}

bool MergeList::moveCurrent(int step)
{
    const int p = m_current;
    const int q = p + step;
    if (p < 0 || q < 0 || q >= rowCount())
        return false;
    MergeRow& a = m_rows[p];
    MergeRow& b = m_rows[q];
    std::swap(a.fileName, b.fileName);
    std::swap(a.path, b.path);
    std::swap(a.sizeText, b.sizeText);
    std::swap(a.check, b.check);
    std::swap(a.lock, b.lock);
    std::swap(a.pageList, b.pageList);
    std::swap(a.key, b.key);
    // Each file keeps its own selection, so a selected neighbour does not lose it.
    std::swap(a.selected, b.selected);
    m_current = q;
    Q_EMIT rowsChanged(std::min(p, q), std::max(p, q));
    return true;
}

void MergeList::setPageList(int index, const QString& pageList)
{
    if (index < 0 || index >= rowCount() || m_rows[index].pageList == pageList)
        return;
    m_rows[index].pageList = pageList;
    Q_EMIT rowsChanged(index, index);
}

bool MergeList::setRotation(int index, int degrees)
{
    if (index < 0 || index >= rowCount() || degrees % 90 != 0)
        return false;
    const int turn = (degrees % 360 + 360) % 360;
    if (m_rows[index].rotation != turn) {
        m_rows[index].rotation = turn;
        Q_EMIT rowsChanged(index, index);
    }
    return true;
}

void MergeList::setReverse(int index, bool reverse)
{
    if (index < 0 || index >= rowCount() || m_rows[index].reverse == reverse)
        return;
    m_rows[index].reverse = reverse;
    Q_EMIT rowsChanged(index, index);
}

int MergeList::rowOfKey(int key) const
{
    for (int i = 0; i < rowCount(); ++i)
        if (m_rows[i].key == key)
            return i;
    return -1;
}

QStringList MergeList::pageLists() const
{
    QStringList lists;
    for (const MergeRow& row : m_rows)
        lists << row.pageList;
    return lists;
}

bool MergeList::moveRows(const QVector<int>& rows, int before)
{
    QVector<bool> moving(rowCount(), false);
    for (int r : rows)
        if (r >= 0 && r < rowCount())
            moving[r] = true;
    before = std::clamp(before, 0, rowCount());
    QVector<MergeRow> moved;
    QVector<MergeRow> kept;
    int insertAt = 0; // in `kept`: the rows not moving that stood before `before`
    for (int i = 0; i < rowCount(); ++i) {
        if (moving[i]) {
            moved << m_rows[i];
        } else {
            kept << m_rows[i];
            if (i < before)
                ++insertAt;
        }
    }
    if (moved.isEmpty())
        return false;
    QVector<MergeRow> result = kept.mid(0, insertAt);
    result << moved << kept.mid(insertAt);
    bool changed = false;
    for (int i = 0; i < rowCount() && !changed; ++i)
        changed = moving[i] != (i >= insertAt && i < insertAt + moved.size());
    if (!changed)
        return false;
    for (int i = 0; i < result.size(); ++i) {
        result[i].selected = i >= insertAt && i < insertAt + moved.size();
        result[i].number = NumberText(i + 1);
    }
    m_rows = std::move(result);
    m_current = insertAt;
    Q_EMIT listReset();
    return true;
}

} // namespace paginor
