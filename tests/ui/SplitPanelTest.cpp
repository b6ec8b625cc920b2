// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/SplitPanel.h"
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "support/FakeInteraction.h"
#include "support/PdfFactory.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace paginor;
using paginor::test::FakeInteraction;

namespace {

class SplitPanelTest : public ::testing::Test
{
protected:
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
    int mode() const { return panel.OptionRangeGroup->checkedId(); }
    // Types `keys` into a cleared box, one key press each.
    QString typed(QLineEdit* box, const QString& keys)
    {
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, keys);
        return box->text();
    }
};

} // namespace

TEST_F(SplitPanelTest, StartsWithThePageRangeAndItsDefaults)
{
    EXPECT_EQ(mode(), 1);
    EXPECT_EQ(panel.TextEvery->text(), "10");
    EXPECT_EQ(panel.TextFrom->text(), "1");
    EXPECT_EQ(panel.TextTo->text(), "10");
    EXPECT_EQ(panel.TextCustom->text(), "1,3,10-25,30-47");
    EXPECT_EQ(panel.TextLevel->text(), "1");
    EXPECT_EQ(panel.TextSize->text(), "10");
}

TEST_F(SplitPanelTest, KeystrokeFilter)
{
    for (QLineEdit* box : {panel.TextEvery, panel.TextFrom, panel.TextTo, panel.TextLevel})
        EXPECT_EQ(typed(box, "1a .,-2;x9"), "129") << box->objectName().toStdString();
    EXPECT_EQ(typed(panel.TextCustom, "1a .,-2;x9 "), "1,-29");
    EXPECT_EQ(typed(panel.TextAfter, "1a .,-2;x9 "), "1,29");
    EXPECT_EQ(typed(panel.TextSize, "1a .,-2;x9 "), "1.,29");

    // Backspace and the keys that type nothing still work.
    typed(panel.TextEvery, "123");
    QTest::keyClick(panel.TextEvery, Qt::Key_Backspace);
    QTest::keyClick(panel.TextEvery, Qt::Key_Home);
    QTest::keyClick(panel.TextEvery, Qt::Key_Delete);
    EXPECT_EQ(panel.TextEvery->text(), "2");

    // Ctrl+Backspace would delete a word: dropped.
    typed(panel.TextCustom, "1,23");
    QTest::keyClick(panel.TextCustom, Qt::Key_Backspace, Qt::ControlModifier);
    EXPECT_EQ(panel.TextCustom->text(), "1,23");

    // Ctrl+V is dropped; the edit control's own paste (Shift+Insert) passes unfiltered.
    QApplication::clipboard()->setText("4x");
    for (QLineEdit* box : {panel.TextEvery, panel.TextCustom}) {
        typed(box, "");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), "");
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(box->text(), "4x");
    }
}

TEST_F(SplitPanelTest, FocusSelectsTheModeAndTheNumberText)
{
    panel.OptionRange[2]->setChecked(true); // "Save odd pages"
    panel.TextTo->setText("25");
    QTest::mouseClick(panel.TextTo, Qt::LeftButton, {}, QPoint(4, 4));
    QApplication::processEvents();
    EXPECT_EQ(mode(), 1);
    EXPECT_EQ(panel.TextTo->selectedText(), "25");

    QTest::mouseClick(panel.TextEvery, Qt::LeftButton, {}, QPoint(4, 4));
    QApplication::processEvents();
    EXPECT_EQ(mode(), 0);
    EXPECT_EQ(panel.TextEvery->selectedText(), "10");

    panel.TextFrom->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(mode(), 1);
    EXPECT_EQ(panel.TextFrom->selectedText(), "1");

    QTest::mouseClick(panel.TextLevel, Qt::LeftButton, {}, QPoint(4, 4));
    QApplication::processEvents();
    EXPECT_EQ(mode(), 5);
    EXPECT_EQ(panel.TextLevel->selectedText(), "1");

    QTest::mouseClick(panel.TextSize, Qt::LeftButton, {}, QPoint(4, 4));
    QApplication::processEvents();
    EXPECT_EQ(mode(), 7);
    EXPECT_EQ(panel.TextSize->selectedText(), "10");

    // The list boxes select their mode only; the caret stays where the click put it.
    QTest::mouseClick(panel.TextAfter, Qt::LeftButton, {}, QPoint(4, 4));
    QApplication::processEvents();
    EXPECT_EQ(mode(), 6);
    EXPECT_FALSE(panel.TextAfter->hasSelectedText());
    QTest::mouseClick(panel.TextCustom, Qt::LeftButton, {}, QPoint(4, 4));
    QApplication::processEvents();
    EXPECT_EQ(mode(), 4);
    EXPECT_FALSE(panel.TextCustom->hasSelectedText());

    // Nor does Tab select its text: the caret stays where it was.
    for (const Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason}) {
        panel.TextFrom->setFocus();
        panel.TextCustom->setCursorPosition(3);
        panel.TextCustom->setFocus(reason);
        QApplication::processEvents();
        EXPECT_FALSE(panel.TextCustom->hasSelectedText());
        EXPECT_EQ(panel.TextCustom->cursorPosition(), 3);
    }

    // Choosing a mode button does not move the focus into its box.
    QTest::mouseClick(panel.OptionRange[0], Qt::LeftButton, {},
                      QPoint(6, panel.OptionRange[0]->height() / 2));
    EXPECT_EQ(mode(), 0);
    EXPECT_FALSE(panel.TextEvery->hasFocus());
}

TEST_F(SplitPanelTest, SplitWritesBackTheBoxesMovesTheFocusAndHoldsOffWhileRunning)
{
    paginor::test::TempDir dir;
    paginor::test::PdfSpec recipe;
    recipe.pages = 4;
    const QString in = dir.path("in.pdf");
    paginor::test::makePdf(in, recipe);
    QSignalSpy finished(&panel, &SplitPanel::jobFinished);

    panel.TextFile->setText("  " + in + "  ");
    panel.OptionRange[0]->setChecked(true);
    panel.TextEvery->setText(" 0.4");
    panel.CmdSplit->setFocus();
    panel.CmdSplit_Click();
    QApplication::processEvents();
    EXPECT_EQ(ui.messageTexts(), QStringList{"Please input a valid number"});
    EXPECT_EQ(panel.TextFile->text(), in);
    EXPECT_EQ(panel.TextEvery->text(), "0.4");
    EXPECT_TRUE(panel.TextEvery->hasFocus());
    EXPECT_EQ(panel.TextEvery->selectedText(), "0.4");
    EXPECT_EQ(finished.count(), 1);

    // While the split runs, a second split and "&Browse" are ignored.
    panel.TextEvery->setText("002");
    ui.dialogs.push_back({dir.path("out.pdf")});
    int running = 0;
    ui.onYield = [&] {
        running += panel.jobRunning();
        panel.CmdSplit_Click();
        panel.CmdBrowse_Click();
    };
    panel.CmdSplit_Click();
    EXPECT_EQ(running, 3);
    EXPECT_EQ(ui.callsOf("dialog").size(), 1u);
    EXPECT_EQ(panel.TextEvery->text(), "2");
    EXPECT_TRUE(QFileInfo::exists(dir.path("out Page 3-4.pdf")));
    EXPECT_FALSE(panel.jobRunning());
    EXPECT_EQ(finished.count(), 2);
}

// The trimmed path and the normalised numbers show while the user is asked, not only after.
TEST_F(SplitPanelTest, WhatTheJobRewritesShowsBeforeItAsks)
{
    paginor::test::TempDir dir;
    const QString in = dir.path("in.pdf");
    paginor::test::makePdf(in, {});
    paginor::test::PdfSpec lockedRecipe;
    lockedRecipe.encryption = paginor::test::Encryption::Aes_256;
    lockedRecipe.userPassword = "pw";
    lockedRecipe.ownerPassword = "owner";
    const QString locked = dir.path("locked.pdf");
    paginor::test::makePdf(locked, lockedRecipe);
    QStringList seen;
    ui.onModal = [&](const FakeInteraction::Call& c) {
        seen << c.kind + " " + panel.TextFile->text() + " " + panel.TextFrom->text() + "-" +
                    panel.TextTo->text();
    };

    panel.TextFile->setText("  " + in + "  ");
    panel.OptionRange[1]->setChecked(true);
    panel.TextFrom->setText("007");
    panel.TextTo->setText("");
    panel.CmdSplit_Click(); // the save dialog is cancelled
    ui.dialogs.push_back({locked});
    panel.CmdBrowse_Click(); // and so is the password prompt
    EXPECT_EQ(seen, QStringList({"dialog " + in + " 7-0", "dialog " + in + " 7-0",
                                 "input " + locked + " 7-0"}));
}
