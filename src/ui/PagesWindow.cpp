// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/PagesWindow.h"

#include "ui/PageGrid.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace paginor {

PagesWindow::PagesWindow(const QString& path, const QString& password, Purpose purpose,
                         QWidget* parent, ThumbnailRenderer::SourceMaker maker)
    : QWidget(parent, Qt::Window), m_path(path), m_renderer(std::move(maker))
{
    setObjectName(QStringLiteral("PagesWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Pages - ") + QFileInfo(path).fileName());

    grid = new PageGrid(m_choice, m_renderer);
    bookmarks = new QTreeWidget;
    bookmarks->setObjectName(QStringLiteral("PageBookmarks"));
    bookmarks->setHeaderLabels({tr("Bookmarks")});
    bookmarks->header()->setStretchLastSection(true);
    bookmarks->hide();

    auto* split = new QSplitter;
    split->addWidget(bookmarks);
    split->addWidget(grid);
    split->setStretchFactor(1, 1);
    split->setSizes({200, 700});

    zoom = new QSlider(Qt::Horizontal);
    zoom->setObjectName(QStringLiteral("PageZoom"));
    zoom->setRange(PageGrid::kMinWidth, PageGrid::kMaxWidth);
    zoom->setValue(grid->thumbnailWidth());
    zoom->setMaximumWidth(180);
    zoom->setToolTip(tr("Thumbnail size"));
    status = new QLabel;

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(tr("Size:")));
    bottom->addWidget(zoom);
    bottom->addWidget(status, 1);
    if (purpose == Purpose::Split) {
        useCustom = new QPushButton(tr("Use as custom pages"));
        useCuts = new QPushButton(tr("Use as split points"));
        bottom->addWidget(useCustom);
        bottom->addWidget(useCuts);
        connect(useCustom, &QPushButton::clicked, this,
                [this] { Q_EMIT useAsCustomPages(m_choice.customText()); });
        connect(useCuts, &QPushButton::clicked, this,
                [this] { Q_EMIT useAsSplitPoints(m_choice.afterText()); });
    } else {
        useRow = new QPushButton(tr("Use for this row"));
        bottom->addWidget(useRow);
        connect(useRow, &QPushButton::clicked, this,
                [this] { Q_EMIT useForRow(m_choice.customText()); });
    }

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(split, 1);
    column->addLayout(bottom);
    resize(900, 640);

    connect(zoom, &QSlider::valueChanged, grid, &PageGrid::setThumbnailWidth);
    connect(grid, &PageGrid::choiceEdited, this, &PagesWindow::updateStatus);
    connect(&m_renderer, &ThumbnailRenderer::opened, this, &PagesWindow::opened);
    connect(&m_renderer, &ThumbnailRenderer::bookmarksRead, this, &PagesWindow::showBookmarks);
    connect(bookmarks, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        grid->scrollToPage(item->data(0, Qt::UserRole).toInt());
    });

    reload(password);
}

void PagesWindow::reload(const QString& password)
{
    m_loaded = false;
    m_facts = DocumentFacts();
    grid->setDocument(0, QSizeF(), tr("Loading..."));
    bookmarks->clear();
    bookmarks->hide();
    updateStatus();
    m_renderer.open(m_path, password);
}

void PagesWindow::showTexts(const QString& customText, const QString& afterText)
{
    m_customText = customText;
    m_afterText = afterText;
    if (m_loaded) {
        m_choice.takeCustomText(customText);
        m_choice.takeAfterText(afterText);
        grid->choiceChanged();
        updateStatus();
    }
}

void PagesWindow::opened(const DocumentFacts& facts)
{
    m_facts = facts;
    m_loaded = true;
    m_choice.reset(facts.pageCount);
    m_choice.takeCustomText(m_customText);
    m_choice.takeAfterText(m_afterText);
    QString message;
    if (facts.status == DocumentFacts::Status::NeedsPassword)
        message = tr("This file needs its password.");
    else if (facts.status == DocumentFacts::Status::Unreadable)
        message = tr("Can not show this file: it is not a PDF file, or it is damaged.");
    grid->setDocument(facts.pageCount, facts.firstPageSize, message);
    updateStatus();
    Q_EMIT documentLoaded();
    if (facts.status == DocumentFacts::Status::NeedsPassword)
        Q_EMIT passwordNeeded();
}

void PagesWindow::showBookmarks(const std::vector<BookmarkLevel>& marks)
{
    bookmarks->clear();
    std::vector<QTreeWidgetItem*> parents; // the last item of each level
    for (const BookmarkLevel& mark : marks) {
        if (mark.page < 0 || mark.page >= m_facts.pageCount)
            continue;
        const size_t depth = size_t(std::max(mark.level, 1)) - 1;
        parents.resize(std::min(depth, parents.size()));
        auto* item = new QTreeWidgetItem({mark.title});
        item->setData(0, Qt::UserRole, mark.page);
        item->setToolTip(0, tr("Page %1").arg(mark.page + 1));
        if (parents.empty())
            bookmarks->addTopLevelItem(item);
        else
            parents.back()->addChild(item);
        parents.push_back(item);
    }
    bookmarks->setVisible(bookmarks->topLevelItemCount() > 0);
}

void PagesWindow::updateStatus()
{
    if (!m_loaded || m_facts.pageCount == 0) {
        status->clear();
        return;
    }
    QString text = tr("%L1 pages, %L2 chosen").arg(m_facts.pageCount).arg(m_choice.selectedCount());
    if (const size_t cuts = m_choice.cuts().size())
        text += tr(", %L1 cuts").arg(cuts);
    status->setText(text);
}

} // namespace paginor
