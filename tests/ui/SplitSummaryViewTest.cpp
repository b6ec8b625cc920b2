// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "split/PageCountProbe.h"
#include "support/FakeInteraction.h"
#include "support/OutlineFactory.h"
#include "support/PdfFactory.h"
#include "ui/SplitPanel.h"

#include <QButtonGroup>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace paginor;
using namespace paginor::test;

namespace {

class SplitSummaryViewTest : public ::testing::Test
{
protected:
    TempDir dir;
    PDFLibrary engine;
    Session session;
    FakeInteraction ui;
    SplitPanel panel{engine, session, ui};

    void SetUp() override
    {
        panel.show();
        panel.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    }
    QString pdf(const QString& name, int pages, const QString& password = QString())
    {
        PdfSpec recipe;
        recipe.pages = pages;
        if (!password.isEmpty()) {
            recipe.encryption = Encryption::Aes_256;
            recipe.userPassword = password;
            recipe.ownerPassword = password + "-owner";
        }
        makePdf(dir.path(name), recipe);
        return dir.path(name);
    }
    std::string summary() const { return panel.LabelSummary->text().toStdString(); }
    // Waits for the line to read `expected`; fails with what it reads after a generous wait.
    void expectLine(const std::string& expected) const
    {
        (void)QTest::qWaitFor([&] { return summary() == expected; }, 10000);
        EXPECT_EQ(summary(), expected);
    }
    void type(QWidget* box, const QString& keys)
    {
        box->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(box))
            edit->clear();
        QTest::keyClicks(box, keys);
    }
};

} // namespace

TEST_F(SplitSummaryViewTest, FollowsTheSourceTheModeAndTheBoxes)
{
    // Its own line between the options and the buttons, in the secondary text colour.
    EXPECT_GT(panel.LabelSummary->y(), panel.Frame1->geometry().bottom());
    EXPECT_LT(panel.LabelSummary->geometry().bottom(), panel.CmdSplit->y());
    EXPECT_EQ(panel.LabelSummary->foregroundRole(), QPalette::PlaceholderText);
    EXPECT_EQ(summary(), "");

    panel.TextFile->setFocus();
    panel.TextFile->setText(pdf("a.pdf", 36)); // as the open dialog or a drop sets it
    expectLine("36 pages. Writes 1 file with 10 pages (1-10).");

    type(panel.TextTo, "999");
    EXPECT_EQ(summary(), "36 pages. Writes 1 file with 10 pages (1-10)."); // still typing
    expectLine("36 pages. Writes 1 file with 36 pages (1-36). Pages "
               "37-999 are past the end.");
    panel.OptionRange[2]->click();
    expectLine("36 pages. Writes 1 file with 18 pages.");

    // A typed path is the source once the box is left; until then the line is empty.
    const QString other = pdf("b.pdf", 311);
    type(panel.TextFile, "  " + other);
    EXPECT_EQ(summary(), "");
    panel.CmdSplit->setFocus();
    expectLine("311 pages. Writes 1 file with 156 pages.");

    // The level box is followed as the others are; focus gives it its mode.
    panel.TextFile->setText(makeChapterBook(dir, "book.pdf"));
    type(panel.TextLevel, "3");
    expectLine("7 pages. This PDF has no bookmarks at level 3.");
    panel.TextLevel->setText("2");
    expectLine("7 pages. Writes 4 files: 01 Über _Grüße_, 02 Détails, … 04.");

    type(panel.TextFile, dir.path("missing.pdf"));
    panel.CmdSplit->setFocus();
    QTest::qWait(2 * 250);
    EXPECT_EQ(summary(), "");
}

TEST_F(SplitSummaryViewTest, ProtectedUntilThePasswordIsGivenAndDamaged)
{
    const QString locked = pdf("locked.pdf", 4, "pw");
    panel.TextFile->setText(locked);
    expectLine(kProtectedSourceText);

    ui.dialogs.push_back({locked});
    ui.inputs.push_back(QString("pw"));
    panel.CmdBrowse_Click();
    expectLine("4 pages. Writes 1 file with 4 pages (1-4). Pages 5-10 are "
               "past the end.");

    QFile junk(dir.path("junk.pdf"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("%PDF-1.7 but nothing more\n");
    junk.close();
    panel.TextFile->setText(junk.fileName());
    expectLine(kDamagedSourceText);
}
