// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "jobs/FileDialogs.h"

#include "jobs/Session.h"
#include "jobs/UserQuestions.h"

#include <QCoreApplication>
#include <QDir>

namespace paginor {

namespace {

const QString kPattern = QStringLiteral("*.pdf");

FileDialogRequest request(DialogKind kind, const QString& filter, const QString& start,
                          const QString& suffix)
{
    FileDialogRequest r;
    r.kind = kind;
    r.filterName = filter;
    r.filterPattern = kPattern;
    r.startFolder = start;
    r.defaultSuffix = suffix;
    return r;
}

// The folder of a path as the multi-selection buffer names it: no trailing separator, except
// that a root ("/", "C:\") keeps its one separator.
QString bufferFolder(const QString& path)
{
    const QString withSep = FileDialogs::folderWithSeparator(path);
    if (withSep.size() <= 1 || withSep.endsWith(QStringLiteral(":") + QDir::separator()))
        return withSep;
    return withSep.left(withSep.size() - 1);
}

} // namespace

FileDialogs::FileDialogs(Session& session, UserQuestions& ui) : m_session(session), m_ui(ui) {}

QString FileDialogs::folderWithSeparator(const QString& path)
{
    const int cut = path.lastIndexOf(QDir::separator());
    return cut < 0 ? QString() : path.left(cut + 1);
}

QString FileDialogs::ChoosePdfToOpen()
{
    const QStringList chosen = m_ui.fileDialog(request(
        DialogKind::OpenOne, QCoreApplication::translate("FileDialogs", "PDF files (*.pdf)"),
        m_session.LastOpenFolder, QString()));
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return QString();
    const QString path = chosen.first();
    m_session.LastOpenFolder = folderWithSeparator(path);
    return path;
}

QString FileDialogs::ChoosePdfFilesToAdd()
{
    const QStringList chosen = m_ui.fileDialog(request(
        DialogKind::OpenMany, QCoreApplication::translate("FileDialogs", "PDF files (*.pdf)"),
        m_session.LastOpenFolder, QString()));
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return QString();

    QString buffer;
    const QChar nul(0);
    if (chosen.size() == 1) {
        buffer = chosen.first() + nul;
    } else {
        const QString folder = folderWithSeparator(chosen.first());
        buffer = bufferFolder(chosen.first()) + nul;
        for (const QString& path : chosen)
            buffer += path.mid(path.startsWith(folder) ? folder.size() : 0) + nul;
        buffer += nul;
    }
    // Long selections (a thousand scans and more) get a longer buffer instead of failing.
    if (buffer.size() < kMinBuffer)
        buffer += QString(kMinBuffer - buffer.size(), nul);
    return buffer;
}

QString FileDialogs::ChooseOutputPdf()
{
    const QStringList chosen = m_ui.fileDialog(
        request(DialogKind::Save, QCoreApplication::translate("FileDialogs", "PDF Files (*.pdf)"),
                m_session.LastSaveFolder, QStringLiteral("pdf")));
    if (chosen.isEmpty() || chosen.first().isEmpty()) {
        m_session.ChosenOutputPath.clear();
        return QString();
    }
    const QString path = chosen.first();
    m_session.LastSaveFolder = folderWithSeparator(path);
    m_session.ChosenOutputPath = path;
    return path;
}

} // namespace paginor
