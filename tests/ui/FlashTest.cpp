// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/FormFlash.h"
#include "ui/UiTestEnvironment.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <gtest/gtest.h>

namespace paginor::test {
namespace {

// A full click (press and release) at `pos` of `target`.
void click(QWidget* target, QPoint pos)
{
    const QPointF local(pos);
    const QPointF global(target->mapToGlobal(pos));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// What a widget under a point of the window gets: the child there, or the window itself.
void clickWindowAt(QWidget* window, QPoint pos)
{
    QWidget* child = window->childAt(pos);
    QWidget* target = child ? child : window;
    click(target, target->mapFrom(window, pos));
}

class FlashTest : public ::testing::Test
{
protected:
    QWidget m_main;
    QList<QUrl> m_opened;
    UrlOpener opener()
    {
        return [this](const QUrl& url) {
            m_opened << url;
        };
    }
};

TEST_F(FlashTest, DesignedLookAndPlaces)
{
    FormFlash about(&m_main, 1, opener());
    EXPECT_EQ(about.size(), QSize(420, 230));
    EXPECT_EQ(about.windowTitle(), "Paginor");
    EXPECT_TRUE(about.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(about.LabelVer->text(), "Version 4.0");
    EXPECT_EQ(about.Label1->pos(), QPoint(9, 208));
    // Every label shows its whole text inside the window.
    for (QLabel* l : {static_cast<QLabel*>(about.LabelVer), static_cast<QLabel*>(about.Label1),
                      static_cast<QLabel*>(about.LabelCopyright)}) {
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->objectName().toStdString();
        EXPECT_LE(l->geometry().right(), about.width()) << l->objectName().toStdString();
    }
}

TEST_F(FlashTest, TimerIsFiftySecondsForAboutAndOneAndAHalfForTheSplash)
{
    FormFlash about(&m_main, 1, opener());
    EXPECT_EQ(about.Timer1->interval(), 50000);
    EXPECT_TRUE(about.Timer1->isActive());
    EXPECT_TRUE(about.Timer1->isSingleShot());
    FormFlash splash(&m_main, 0, opener());
    EXPECT_EQ(splash.Timer1->interval(), 1500);
    EXPECT_TRUE(splash.Timer1->isActive());
}

TEST_F(FlashTest, LabelClicksKeepItOpenTheLinkOpensTheSiteElsewhereCloses)
{
    FormFlash about(&m_main, 1, opener());
    about.show();
    click(about.LabelVer, QPoint(2, 2));
    click(about.LabelCopyright, QPoint(2, 2));
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(m_opened.isEmpty());

    clickWindowAt(&about, about.Label1->geometry().center());
    EXPECT_TRUE(about.isVisible());
    ASSERT_EQ(m_opened.size(), 1);
    EXPECT_EQ(m_opened[0].host(), "www.velmora.example");
    EXPECT_TRUE(about.Timer1->isActive());

    clickWindowAt(&about, QPoint(300, 30));
    EXPECT_FALSE(about.isVisible());
    EXPECT_FALSE(about.Timer1->isActive());
    EXPECT_TRUE(m_main.isHidden()); // the About window leaves the main window alone
}

TEST_F(FlashTest, TimerClosesItAndTheSplashShowsTheMainWindow)
{
    FormFlash splash(&m_main, 0, opener());
    splash.show();
    ASSERT_TRUE(m_main.isHidden());
    QMetaObject::invokeMethod(splash.Timer1, "timeout");
    EXPECT_FALSE(splash.isVisible());
    EXPECT_TRUE(m_main.isVisible());
    m_main.hide();

    FormFlash about(&m_main, 1, opener());
    about.show();
    QMetaObject::invokeMethod(about.Timer1, "timeout");
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(m_main.isHidden());
}

} // namespace
} // namespace paginor::test
