// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "ui/HelpWindow.h"

#include "settings/Language.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

namespace paginor {

namespace {

// The manual in the language of the texts, or the English one.
QUrl manualUrl()
{
    const QString language = currentLanguage();
    const QString translated = QStringLiteral("/help/manual_%1.html").arg(language);
    if (!language.isEmpty() && QFile::exists(u':' + translated))
        return QUrl(QStringLiteral("qrc:") + translated);
    return QUrl(QStringLiteral("qrc:/help/manual.html"));
}
constexpr int kAnchorRole = Qt::UserRole;

// The first anchor name in a block, or "".
QString anchorOf(const QTextBlock& block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QStringList names = it.fragment().charFormat().anchorNames();
        if (!names.isEmpty())
            return names.first();
    }
    return QString();
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Paginor Help"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_contents = new QTreeWidget;
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(false);
    m_contents->setColumnCount(1);

    m_browser = new QTextBrowser;
    m_browser->setObjectName(QStringLiteral("HelpText"));
    // Links inside the manual stay here; addresses outside it go to the browser.
    m_browser->setOpenExternalLinks(true);

    auto* split = new QSplitter;
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({190, 560});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(split);
    resize(780, 560);

    auto* closing = new QAction(this);
    closing->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closing, &QAction::triggered, this, &QWidget::close);
    addAction(closing);

    connect(m_contents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { showSection(item->data(0, kAnchorRole).toString()); });
    connect(m_contents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showSection(item->data(0, kAnchorRole).toString()); });
    loadManual();
    fillContents();
}

QString HelpWindow::manualStyleSheet() const
{
    const QPalette p = palette();
    const QString link = p.color(QPalette::Link).name();
    const QString mid = p.color(QPalette::Mid).name();
    const QString alt = p.color(QPalette::AlternateBase).name();
    return QStringLiteral("body { color: %1; }"
                          "h1, h2 { color: %2; }"
                          "a { color: %2; }"
                          "table { border-color: %3; border-style: solid; }"
                          "th { background-color: %4; }"
                          "pre, code { background-color: %4; }")
        .arg(p.color(QPalette::Text).name(), link, mid, alt);
}

void HelpWindow::loadManual()
{
    const int scrolled = m_browser->verticalScrollBar()->value();
    m_browser->document()->setDefaultStyleSheet(manualStyleSheet());
    if (m_browser->source().isEmpty())
        m_browser->setSource(manualUrl());
    else
        m_browser->reload();
    m_browser->verticalScrollBar()->setValue(scrolled);
}

void HelpWindow::fillContents()
{
    m_contents->clear();
    for (QTextBlock b = m_browser->document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() < 1 || b.blockFormat().headingLevel() > 2)
            continue;
        const QString anchor = anchorOf(b);
        if (anchor.isEmpty())
            continue;
        auto* item = new QTreeWidgetItem(m_contents, {b.text().simplified()});
        item->setData(0, kAnchorRole, anchor);
    }
}

void HelpWindow::showSection(const QString& anchor)
{
    for (int i = 0; i < m_contents->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_contents->topLevelItem(i);
        if (item->data(0, kAnchorRole).toString() != anchor)
            continue;
        m_contents->setCurrentItem(item);
        m_browser->scrollToAnchor(anchor);
        return;
    }
}

QString HelpWindow::plainText() const
{
    return m_browser->document()->toPlainText();
}

void HelpWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // A skin change arrives as a new palette; the manual's own colours come from it.
    if (event->type() == QEvent::PaletteChange && m_browser)
        loadManual();
}

} // namespace paginor
