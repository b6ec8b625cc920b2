// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

// The merge job's fixture: a window-long session, a list, the scripted fake and test PDFs.
#include "QtPrinters.h"
#include "engine/PDFLibrary.h"
#include "jobs/Messages.h"
#include "jobs/Session.h"
#include "merge/MergeJob.h"
#include "merge/MergeList.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <optional>
#include <qpdf/QPDFExc.hh>
#include <stdexcept>

namespace paginor::test {

inline const QString kMerged = "PDF file has been successfully merged.";
inline const QString kAddMore = "Please add more PDF files";
inline const QString kNoOverwrite = "Can not overwrite the PDF file. Please input a new file name";

class MergeJobTest : public ::testing::Test
{
protected:
    // Makes a PDF whose pages are marked with its name.
    QString make(const QString& name, int pages = 2, PdfSpec recipe = {})
    {
        recipe.pages = pages;
        recipe.marker = name;
        const QString path = dir.path(name + ".pdf");
        makePdf(path, recipe);
        return path;
    }
    QString damaged(const QString& name)
    {
        const QString path = dir.path(name + ".pdf");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 9 0 R\nthis is not a PDF\n");
        return path;
    }
    void list(const QStringList& paths)
    {
        for (const QString& p : paths)
            rows.AddListRow(p);
    }
    // Presses "&Merge" and names `output` in the save dialog.
    MergeResult mergeTo(const QString& output)
    {
        ui.calls.clear();
        ui.dialogs.push_back({output});
        return job.CmdMerge_Click();
    }
    std::vector<int> progress() const
    {
        std::vector<int> out;
        for (const auto& c : ui.callsOf("progress"))
            out.push_back(c.value);
        return out;
    }
    static std::vector<std::string> contentsOf(const QStringList& paths)
    {
        std::vector<std::string> all;
        for (const QString& p : paths)
            for (const std::string& page : pageContents(p))
                all.push_back(page);
        return all;
    }
    int saveDialogs() const
    {
        int n = 0;
        for (const auto& c : ui.callsOf("dialog"))
            n += c.dialog.kind == DialogKind::Save;
        return n;
    }
    QStringList folderEntries() const { return QDir(dir.root()).entryList(QDir::Files); }

    TempDir dir;
    Session session;
    FakeInteraction ui;
    PDFLibrary engine;
    MergeList rows{session, ui};
    MergeJob job{engine, session, ui, rows};
};

} // namespace paginor::test
