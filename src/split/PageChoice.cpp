// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "split/PageChoice.h"

#include "engine/PageList.h"

#include <QStringList>
#include <algorithm>

namespace paginor {

QString pageListText(std::vector<int32_t> pages)
{
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    pages.erase(pages.begin(), std::lower_bound(pages.begin(), pages.end(), 1));
    QStringList items;
    for (size_t i = 0; i < pages.size();) {
        size_t j = i;
        while (j + 1 < pages.size() && pages[j + 1] == pages[j] + 1)
            ++j;
        // Two pages in a row read as well listed as joined, and are no longer.
        if (j - i >= 2) {
            items << QString::number(pages[i]) + u'-' + QString::number(pages[j]);
        } else {
            for (size_t k = i; k <= j; ++k)
                items << QString::number(pages[k]);
        }
        i = j + 1;
    }
    return items.join(u',');
}

PageChoice::PageChoice(int32_t pageCount)
{
    reset(pageCount);
}

void PageChoice::reset(int32_t pageCount)
{
    const size_t n = size_t(std::max(pageCount, 0));
    m_selected.assign(n, 0);
    m_cutAfter.assign(n, 0);
    m_bandBase.clear();
    m_anchor = -1;
}

void PageChoice::selectRange(int32_t from, int32_t to)
{
    if (from > to)
        std::swap(from, to);
    std::fill(m_selected.begin() + from, m_selected.begin() + to + 1, 1);
}

void PageChoice::click(int32_t page, Click how)
{
    if (!valid(page))
        return;
    if (m_anchor < 0 && (how == Click::Shift || how == Click::ShiftCtrl))
        how = Click::Plain;
    switch (how) {
    case Click::Plain:
        clearSelection();
        m_selected[size_t(page)] = 1;
        m_anchor = page;
        break;
    case Click::Ctrl:
        m_selected[size_t(page)] = !m_selected[size_t(page)];
        m_anchor = page;
        break;
    case Click::Shift:
        clearSelection();
        selectRange(m_anchor, page);
        break;
    case Click::ShiftCtrl:
        selectRange(m_anchor, page);
        break;
    }
}

void PageChoice::selectAll()
{
    std::fill(m_selected.begin(), m_selected.end(), 1);
}

void PageChoice::clearSelection()
{
    std::fill(m_selected.begin(), m_selected.end(), 0);
}

void PageChoice::beginBand(bool adding)
{
    m_bandBase = adding ? m_selected : std::vector<char>(m_selected.size(), 0);
}

void PageChoice::setBand(const std::vector<int32_t>& pages)
{
    if (m_bandBase.size() != m_selected.size())
        beginBand(false);
    m_selected = m_bandBase;
    for (int32_t page : pages)
        if (valid(page))
            m_selected[size_t(page)] = 1;
}

bool PageChoice::isSelected(int32_t page) const
{
    return valid(page) && m_selected[size_t(page)];
}

int32_t PageChoice::selectedCount() const
{
    return int32_t(std::count(m_selected.begin(), m_selected.end(), 1));
}

std::vector<int32_t> PageChoice::selectedPages() const
{
    std::vector<int32_t> pages;
    for (size_t i = 0; i < m_selected.size(); ++i)
        if (m_selected[i])
            pages.push_back(int32_t(i));
    return pages;
}

void PageChoice::toggleCut(int32_t page)
{
    if (valid(page) && page + 1 < pageCount())
        m_cutAfter[size_t(page)] = !m_cutAfter[size_t(page)];
}

bool PageChoice::hasCutAfter(int32_t page) const
{
    return valid(page) && m_cutAfter[size_t(page)];
}

std::vector<int32_t> PageChoice::cuts() const
{
    std::vector<int32_t> pages;
    for (size_t i = 0; i < m_cutAfter.size(); ++i)
        if (m_cutAfter[i])
            pages.push_back(int32_t(i));
    return pages;
}

QString PageChoice::customText() const
{
    std::vector<int32_t> pages = selectedPages();
    for (int32_t& p : pages)
        ++p;
    return pageListText(std::move(pages));
}

QString PageChoice::afterText() const
{
    QStringList items;
    for (int32_t page : cuts())
        items << QString::number(page + 1);
    return items.join(u',');
}

void PageChoice::takeCustomText(const QString& text)
{
    clearSelection();
    const PageListResult read = parsePageList(text.toStdString(), pageCount());
    if (read.error != EngineError::None)
        return;
    for (int32_t page : read.pages)
        m_selected[size_t(page)] = 1;
}

void PageChoice::takeAfterText(const QString& text)
{
    std::fill(m_cutAfter.begin(), m_cutAfter.end(), 0);
    for (const QString& item : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int32_t page = item.trimmed().toInt(&ok) - 1;
        if (ok && page >= 0 && page + 1 < pageCount())
            m_cutAfter[size_t(page)] = 1;
    }
}

} // namespace paginor
