// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/WindowFeedback.h"
#include "ui/UiTestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace paginor::test {
namespace {

class WindowFeedbackTest : public ::testing::Test
{
protected:
    WindowFeedbackTest()
    {
        m_status = new QLabel(&m_panel);
        m_progress = new QProgressBar(&m_panel);
        m_progress->hide();
        m_ui.setWidgets(&m_panel, &m_tabs, m_status, m_progress);
    }

    QWidget m_panel;
    QWidget m_tabs;
    QLabel* m_status;
    QProgressBar* m_progress;
    WindowFeedback m_ui;
};

TEST_F(WindowFeedbackTest, BusyDisablesPanelAndTabsWithTheHourglassAndBack)
{
    // The hourglass covers the panel's window, its text boxes included, and nothing else:
    // another window (a message box) keeps the normal pointer.
    auto* box = new QLineEdit(&m_panel);
    QWidget other;
    m_ui.setBusy(true);
    EXPECT_FALSE(m_panel.isEnabled());
    EXPECT_FALSE(m_tabs.isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(m_panel.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(box->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(other.cursor().shape(), Qt::ArrowCursor);
    // The wait cursor alone, nested inside busy, keeps the hourglass until both end.
    m_ui.setWaitCursor(true);
    m_ui.setBusy(false);
    EXPECT_TRUE(m_panel.isEnabled());
    EXPECT_TRUE(m_tabs.isEnabled());
    EXPECT_EQ(m_panel.cursor().shape(), Qt::WaitCursor);
    m_ui.setWaitCursor(false);
    EXPECT_EQ(m_panel.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(box->cursor().shape(), Qt::IBeamCursor);
    m_ui.setWaitCursor(false); // an extra "off" does not unbalance anything
    EXPECT_EQ(m_panel.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WindowFeedbackTest, StatusAndProgress)
{
    m_ui.setStatus("Please wait...");
    EXPECT_EQ(m_status->text(), "Please wait...");
    m_panel.show();
    m_ui.setProgress(70);
    EXPECT_TRUE(m_progress->isVisible());
    EXPECT_EQ(m_progress->value(), 70);
    m_ui.setProgress(-1);
    EXPECT_FALSE(m_progress->isVisible());
}

TEST_F(WindowFeedbackTest, WorkRunsOnAnotherThreadWhileEventsKeepFlowing)
{
    QThread* worker = nullptr;
    std::atomic<bool> eventRan{false};
    QMetaObject::invokeMethod(
        &m_panel, [&] { eventRan = true; }, Qt::QueuedConnection);
    m_ui.runWhileYielding([&] {
        worker = QThread::currentThread();
        // Long enough for the window's queued event to run meanwhile.
        for (int i = 0; i < 200 && !eventRan; ++i)
            QThread::msleep(5);
    });
    EXPECT_NE(worker, nullptr);
    EXPECT_NE(worker, QThread::currentThread());
    EXPECT_TRUE(eventRan);

    EXPECT_THROW(m_ui.runWhileYielding([] { throw std::runtime_error("engine"); }),
                 std::runtime_error);
}

} // namespace
} // namespace paginor::test
