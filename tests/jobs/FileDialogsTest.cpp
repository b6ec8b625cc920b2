// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "jobs/FileDialogs.h"
#include "jobs/Session.h"
#include "support/FakeInteraction.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace paginor;
using paginor::test::FakeInteraction;

namespace {

const QString S = QDir::separator();
QString nat(const QString& p)
{
    return QDir::toNativeSeparators(p);
}

struct Fixture
{
    Session session;
    FakeInteraction ui;
    FileDialogs dialogs{session, ui};
};

} // namespace

TEST(FileDialogs, RequestsCarryFiltersFoldersAndSuffix)
{
    Fixture f;
    f.session.LastOpenFolder = nat("/in/");
    f.session.LastSaveFolder = nat("/out/");
    f.dialogs.ChoosePdfToOpen();
    f.dialogs.ChoosePdfFilesToAdd();
    f.dialogs.ChooseOutputPdf();
    auto d = f.ui.callsOf("dialog");
    ASSERT_EQ(d.size(), 3u);
    EXPECT_EQ(d[0].dialog.kind, DialogKind::OpenOne);
    EXPECT_EQ(d[1].dialog.kind, DialogKind::OpenMany);
    EXPECT_EQ(d[2].dialog.kind, DialogKind::Save);
    EXPECT_EQ(d[0].dialog.filterName, "PDF files (*.pdf)");
    EXPECT_EQ(d[1].dialog.filterName, "PDF files (*.pdf)");
    EXPECT_EQ(d[2].dialog.filterName, "PDF Files (*.pdf)");
    for (auto& c : d)
        EXPECT_EQ(c.dialog.filterPattern, "*.pdf");
    EXPECT_EQ(d[0].dialog.startFolder, nat("/in/"));
    EXPECT_EQ(d[1].dialog.startFolder, nat("/in/"));
    EXPECT_EQ(d[2].dialog.startFolder, nat("/out/"));
    EXPECT_EQ(d[0].dialog.defaultSuffix, "");
    EXPECT_EQ(d[2].dialog.defaultSuffix, "pdf");
}

TEST(FileDialogs, CancelChangesNoFolder)
{
    Fixture f;
    f.session.LastOpenFolder = nat("/in/");
    f.session.LastSaveFolder = nat("/out/");
    f.session.ChosenOutputPath = nat("/out/old.pdf");
    EXPECT_EQ(f.dialogs.ChoosePdfToOpen(), "");
    EXPECT_EQ(f.dialogs.ChoosePdfFilesToAdd(), "");
    EXPECT_EQ(f.dialogs.ChooseOutputPdf(), "");
    EXPECT_EQ(f.session.LastOpenFolder, nat("/in/"));
    EXPECT_EQ(f.session.LastSaveFolder, nat("/out/"));
    EXPECT_EQ(f.session.ChosenOutputPath, "");
}

TEST(FileDialogs, ConfirmedChoicesRememberTheirOwnFolders)
{
    Fixture f;
    f.ui.dialogs = {{nat("/a/b/src.pdf")}, {nat("/c/out.pdf")}, {nat("/top.pdf")}};
    EXPECT_EQ(f.dialogs.ChoosePdfToOpen(), nat("/a/b/src.pdf"));
    EXPECT_EQ(f.session.LastOpenFolder, nat("/a/b/"));
    EXPECT_EQ(f.dialogs.ChooseOutputPdf(), nat("/c/out.pdf"));
    EXPECT_EQ(f.session.LastSaveFolder, nat("/c/"));
    EXPECT_EQ(f.session.ChosenOutputPath, nat("/c/out.pdf"));
    EXPECT_EQ(f.session.LastOpenFolder, nat("/a/b/"));
    // A file at the root keeps the root's one separator.
    EXPECT_EQ(f.dialogs.ChoosePdfToOpen(), nat("/top.pdf"));
    EXPECT_EQ(f.session.LastOpenFolder, S);
}

TEST(FileDialogs, MultiSelectionBufferLayout)
{
    const QChar nul(0);
    Fixture f;
    f.ui.dialogs = {
        {nat("/d/one.pdf")}, {nat("/d/a.pdf"), nat("/d/b.pdf")}, {nat("/a.pdf"), nat("/b.pdf")}};

    QString one = f.dialogs.ChoosePdfFilesToAdd();
    EXPECT_EQ(one.size(), 32768);
    EXPECT_EQ(one.left(one.indexOf(nul)), nat("/d/one.pdf"));
    EXPECT_EQ(one.mid(nat("/d/one.pdf").size()), QString(32768 - 10, nul));

    QString two = f.dialogs.ChoosePdfFilesToAdd();
    EXPECT_EQ(two.size(), 32768);
    QString head = nat("/d") + nul + "a.pdf" + nul + "b.pdf" + nul + nul;
    EXPECT_EQ(two.left(head.size()), head);
    EXPECT_EQ(two.mid(head.size()).count(nul), two.size() - head.size());

    QString root = f.dialogs.ChoosePdfFilesToAdd();
    EXPECT_TRUE(root.startsWith(S + nul + "a.pdf" + nul + "b.pdf" + nul + nul));
    // Reading the buffer is the merge list's business, so the open folder stays.
    EXPECT_EQ(f.session.LastOpenFolder, "");
}

TEST(FileDialogs, LongSelectionGrowsTheBufferInsteadOfFailing)
{
    const QChar nul(0);
    Fixture f;
    QStringList many;
    for (int i = 0; i < 1500; ++i)
        many << nat(QStringLiteral("/scans/scan-%1-with-a-long-descriptive-name.pdf").arg(i));
    f.ui.dialogs = {many};
    QString buf = f.dialogs.ChoosePdfFilesToAdd();
    ASSERT_GT(buf.size(), 32768);
    QStringList parts = buf.split(nul);
    EXPECT_EQ(parts[0], nat("/scans"));
    EXPECT_EQ(parts[1], "scan-0-with-a-long-descriptive-name.pdf");
    EXPECT_EQ(parts[1500], "scan-1499-with-a-long-descriptive-name.pdf");
    EXPECT_TRUE(buf.endsWith(QString(2, nul)));
}
