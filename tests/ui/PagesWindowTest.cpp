// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The page window: drawing through Qt PDF and through a scripted source, choosing pages with
// the mouse, and handing the choice to the split panel.
#include "ui/PagesWindow.h"
#include "engine/PDFLibrary.h"
#include "jobs/Session.h"
#include "support/FakeInteraction.h"
#include "support/OutlineFactory.h"
#include "support/PdfFactory.h"
#include "ui/MergePanel.h"
#include "ui/MergeRowPages.h"
#include "ui/PageGrid.h"
#include "ui/SplitPanel.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>
#include <set>

using namespace paginor;
using paginor::test::FakeInteraction;
using paginor::test::PdfSpec;
using paginor::test::TempDir;

namespace {

// A source that draws grey pages, fails the pages in `broken`, and wants `password`.
struct ScriptedSource : PageSource
{
    int32_t pages = 12;
    std::set<int32_t> broken;
    QString password;
    bool loaded = false;

    DocumentFacts::Status load(const QString&, const QString& given) override
    {
        loaded = given == password;
        return loaded ? DocumentFacts::Status::Ready : DocumentFacts::Status::NeedsPassword;
    }
    int32_t pageCount() override { return loaded ? pages : 0; }
    QSizeF pageSize(int32_t) override { return QSizeF(612, 792); }
    QString pageLabel(int32_t page) override { return page == 0 ? QStringLiteral("Cover") : ""; }
    QImage render(int32_t page, QSize size) override
    {
        if (broken.count(page))
            return QImage();
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::gray);
        return image;
    }
};

ThumbnailRenderer::SourceMaker scripted(ScriptedSource recipe)
{
    return [recipe] {
        return std::make_unique<ScriptedSource>(recipe);
    };
}

// Waits until every page in view has its picture or its failure.
bool viewDrawn(PageGrid* grid)
{
    return QTest::qWaitFor([grid] {
        const auto shown = grid->visiblePages();
        return !shown.empty() && std::all_of(shown.begin(), shown.end(), [grid](int32_t p) {
            return grid->hasPicture(p) || grid->failed(p);
        });
    });
}

std::unique_ptr<PagesWindow> shownWindow(const QString& path, const QString& password,
                                         ThumbnailRenderer::SourceMaker maker = makeQtPdfSource)
{
    auto window = std::make_unique<PagesWindow>(path, password, PagesWindow::Purpose::Split,
                                                nullptr, std::move(maker));
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->loaded(); }));
    return window;
}

} // namespace

TEST(PagesWindowTest, DrawsTheFileWithItsLabels)
{
    TempDir dir;
    const QString file = dir.path("labelled.pdf");
    PdfSpec recipe;
    recipe.pages = 30;
    recipe.pageLabels = true;
    paginor::test::makePdf(file, recipe);

    auto window = shownWindow(file, QString());
    EXPECT_EQ(window->windowTitle(), "Pages - labelled.pdf");
    ASSERT_EQ(window->facts().pageCount, 30);
    ASSERT_TRUE(viewDrawn(window->grid));
    EXPECT_EQ(window->grid->label(0), "i");
    EXPECT_EQ(window->grid->label(2), "1");
    EXPECT_EQ(window->grid->label(3), "2");
    EXPECT_GT(window->grid->cache().bytes(), 0);

    // A picture is the page on paper, within its box: what the page leaves blank is white.
    const auto source = makeQtPdfSource();
    ASSERT_EQ(readFacts(*source, file, QString()).status, DocumentFacts::Status::Ready);
    const QImage picture = renderThumbnail(*source, 0, QSize(60, 100));
    EXPECT_EQ(picture.size(), QSize(60, 78)); // a Letter page keeps its shape
    EXPECT_FALSE(picture.hasAlphaChannel());
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::white));

    // Zooming draws the pages again at the new width.
    window->zoom->setValue(200);
    EXPECT_EQ(window->grid->thumbnailWidth(), 200);
    EXPECT_TRUE(viewDrawn(window->grid));
}

TEST(PagesWindowTest, LoopingOutlineShowsAtTheSideAndLeadsToItsPage)
{
    TempDir dir;
    auto window = shownWindow(paginor::test::makeChapterBook(dir, "book.pdf"), QString());
    window->resize(320, 360); // one page a row, so each bookmark scrolls
    QApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->bookmarks->topLevelItemCount() > 0; }));
    QApplication::processEvents(); // the side list has taken its room
    EXPECT_TRUE(window->bookmarks->isVisible());
    QTreeWidgetItem* last = nullptr;
    for (QTreeWidgetItemIterator it(window->bookmarks); *it; ++it)
        if (!last || (*it)->data(0, Qt::UserRole).toInt() > last->data(0, Qt::UserRole).toInt())
            last = *it;
    ASSERT_NE(last, nullptr);
    const int32_t page = last->data(0, Qt::UserRole).toInt();
    ASSERT_GT(page, 2);
    window->bookmarks->scrollToItem(last);
    QTest::mouseClick(window->bookmarks->viewport(), Qt::LeftButton, {},
                      window->bookmarks->visualItemRect(last).center());
    const auto shown = window->grid->visiblePages();
    EXPECT_GT(window->grid->verticalScrollBar()->value(), 0);
    EXPECT_NE(std::find(shown.begin(), shown.end(), page), shown.end());
}

TEST(PagesWindowTest, ProtectedFileDrawsWithThePasswordGiven)
{
    TempDir dir;
    const QString file = dir.path("locked.pdf");
    PdfSpec recipe;
    recipe.encryption = paginor::test::Encryption::Aes_256;
    recipe.userPassword = "open";
    recipe.ownerPassword = "owner";
    paginor::test::makePdf(file, recipe);

    auto without = shownWindow(file, QString());
    EXPECT_EQ(without->facts().status, DocumentFacts::Status::NeedsPassword);
    EXPECT_EQ(without->facts().pageCount, 0);

    auto with = shownWindow(file, "open");
    EXPECT_EQ(with->facts().status, DocumentFacts::Status::Ready);
    EXPECT_TRUE(viewDrawn(with->grid));
    EXPECT_TRUE(with->grid->hasPicture(0));
}

TEST(PagesWindowTest, APageThatFailsShowsItsPlaceholderAndTheRestGoOn)
{
    ScriptedSource recipe;
    recipe.broken = {1};
    auto window = shownWindow("scripted.pdf", QString(), scripted(recipe));
    ASSERT_TRUE(viewDrawn(window->grid));
    EXPECT_TRUE(window->grid->failed(1));
    EXPECT_TRUE(window->grid->hasPicture(0));
    EXPECT_TRUE(window->grid->hasPicture(2));
    EXPECT_EQ(window->grid->label(0), "Cover");
}

TEST(PagesWindowTest, DamagedFileSaysSoInsteadOfPages)
{
    TempDir dir;
    const QString file = dir.path("junk.pdf");
    QFile junk(file);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("%PDF-1.4\nnot really\n");
    junk.close();
    auto window = shownWindow(file, QString());
    EXPECT_EQ(window->facts().status, DocumentFacts::Status::Unreadable);
    EXPECT_TRUE(window->grid->visiblePages().empty());
}

TEST(PagesWindowTest, MouseChoosesPagesAndMarksCuts)
{
    auto window = shownWindow("scripted.pdf", QString(), scripted(ScriptedSource{}));
    PageGrid* grid = window->grid;
    QWidget* view = grid->viewport();
    auto clickPage = [&](int32_t page, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(view, Qt::LeftButton, mods, grid->thumbnailRect(page).center());
    };
    clickPage(0);
    clickPage(2, Qt::ControlModifier);
    clickPage(5, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(window->choice().customText(), "1,3-6");
    clickPage(4, Qt::ShiftModifier);
    EXPECT_EQ(window->choice().customText(), "3-5");

    QTest::mouseClick(view, Qt::LeftButton, {}, grid->gapRect(4).center());
    QTest::mouseClick(view, Qt::LeftButton, {}, grid->gapRect(1).center());
    EXPECT_EQ(window->choice().afterText(), "2,5");
    QTest::mouseClick(view, Qt::LeftButton, {}, grid->gapRect(1).center());
    EXPECT_EQ(window->choice().afterText(), "5");

    // A band from the empty margin over the first two pages.
    const QPoint from = grid->thumbnailRect(0).topLeft() - QPoint(6, 6);
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, grid->thumbnailRect(1).center(),
                     view->mapToGlobal(grid->thumbnailRect(1).center()), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, grid->thumbnailRect(1).center());
    EXPECT_EQ(window->choice().customText(), "1,2");

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window->choice().customText(), "1-12");
}

TEST(PagesWindowTest, SplitPanelOpensOneWindowPerSourceAndTakesItsChoice)
{
    TempDir dir;
    const QString file = dir.path("source.pdf");
    PdfSpec recipe;
    recipe.pages = 8;
    paginor::test::makePdf(file, recipe);

    PDFLibrary engine;
    Session session;
    FakeInteraction ui;
    SplitPanel panel(engine, session, ui);
    panel.show();

    panel.CmdPages->click(); // no source yet
    EXPECT_EQ(ui.messageTexts(), QStringList{"Please select the source file"});

    panel.TextFile->setText(file);
    panel.TextCustom->setText("2-3");
    panel.CmdPages->click();
    PagesWindow* window = panel.pagesWindow(file);
    ASSERT_NE(window, nullptr);
    panel.CmdPages->click();
    EXPECT_EQ(panel.findChildren<PagesWindow*>().size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->loaded(); }));
    EXPECT_EQ(window->choice().customText(), "2,3"); // it shows what the box holds

    window->choice().click(6, PageChoice::Click::Ctrl);
    window->useCustom->click();
    EXPECT_EQ(panel.TextCustom->text(), "2,3,7");
    EXPECT_EQ(panel.OptionRangeGroup->checkedId(), 4);
    window->choice().toggleCut(2); // beside the cut after page 5 that the box held
    window->useCuts->click();
    EXPECT_EQ(panel.TextAfter->text(), "3,5");
    EXPECT_EQ(panel.OptionRangeGroup->checkedId(), 6);
}

TEST(PagesWindowTest, WindowAsksForAMissingPasswordThroughTheSeam)
{
    TempDir dir;
    const QString file = dir.path("locked.pdf");
    PdfSpec recipe;
    recipe.encryption = paginor::test::Encryption::Aes_128;
    recipe.userPassword = "open";
    recipe.ownerPassword = "owner";
    paginor::test::makePdf(file, recipe);

    PDFLibrary engine;
    Session session;
    FakeInteraction ui;
    ui.inputs = {QStringLiteral("open")};
    SplitPanel panel(engine, session, ui);
    panel.TextFile->setText(file);
    panel.CmdPages->click();
    PagesWindow* window = panel.pagesWindow(file);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->facts().pageCount == 3; }));
    EXPECT_EQ(ui.callsOf("input").size(), 1u);
    EXPECT_EQ(session.SourcePassword, "open");
}

TEST(PagesWindowTest, MergeRowsShowTheirFirstPageAndTakeAPageList)
{
    TempDir dir;
    PdfSpec recipe;
    recipe.pages = 4;
    paginor::test::makePdf(dir.path("a.pdf"), recipe);
    paginor::test::makePdf(dir.path("b.pdf"), recipe);

    PDFLibrary engine;
    Session session;
    FakeInteraction ui;
    MergePanel panel(engine, session, ui);
    panel.show();
    panel.addPaths({dir.path("a.pdf"), dir.path("b.pdf")});
    QTreeWidget* list = panel.LvPDF;
    ASSERT_EQ(list->topLevelItemCount(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list->topLevelItem(1)->icon(0).isNull(); }));
    EXPECT_EQ(list->headerItem()->text(4), "Pages");
    EXPECT_EQ(panel.rowPages()->pictures().result(dir.path("b.pdf"))->pageCount, 4);

    // Edited in place, in the "Pages" column only.
    list->editItem(list->topLevelItem(1), 4);
    auto* editor = list->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "2-3x,1");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the delegate commits from the event loop
    EXPECT_EQ(panel.list().row(1).pageList, "2-3,1");

    // The page window of a row hands its choice back to that row, wherever it has moved.
    PagesWindow* window = panel.rowPages()->openWindow(1);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->loaded(); }));
    EXPECT_EQ(window->choice().customText(), "1-3");
    panel.list().setCurrentRow(1);
    panel.list().MoveSelectedUp();
    window->choice().click(3, PageChoice::Click::Plain);
    window->useRow->click();
    EXPECT_EQ(panel.list().row(0).pageList, "4");
    EXPECT_EQ(list->topLevelItem(0)->text(4), "4");
    EXPECT_EQ(panel.list().row(1).pageList, "");
}
