// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace paginor {

// The shortest page-list text of `pages` (numbered from 1, any order, repeats allowed): the
// distinct pages ascending, each run of three or more written as "first-last", as in
// "1,3,4,10-25". Pages below 1 are left out; no pages give "".
QString pageListText(std::vector<int32_t> pages);

// What the page window holds besides its pictures: which pages are chosen and after which
// pages a split cut is marked. Pages are counted from 0 here and from 1 in the texts. Every
// page argument outside the document is ignored.
class PageChoice
{
public:
    // How a page was clicked.
    enum class Click
    {
        Plain,     // choose this page alone
        Ctrl,      // add or remove this page
        Shift,     // choose the pages from the anchor to this one, and no others
        ShiftCtrl, // add the pages from the anchor to this one
    };

    explicit PageChoice(int32_t pageCount = 0);

    // Starts over for a document of `pageCount` pages: nothing chosen, no cuts.
    void reset(int32_t pageCount);
    int32_t pageCount() const { return int32_t(m_selected.size()); }

    // A click on `page`. Plain and Ctrl clicks make it the anchor of later Shift clicks;
    // without an anchor a Shift click acts as a plain one.
    void click(int32_t page, Click how);
    // Chooses every page (Ctrl+A); the anchor stays.
    void selectAll();
    void clearSelection();

    // A rubber band: beginBand() remembers the choice as it stands; each setBand() then makes
    // the choice `pages` alone, or with `adding`, the remembered choice plus `pages`.
    void beginBand(bool adding);
    void setBand(const std::vector<int32_t>& pages);

    bool isSelected(int32_t page) const;
    int32_t selectedCount() const;
    // The chosen pages, ascending.
    std::vector<int32_t> selectedPages() const;
    int32_t anchor() const { return m_anchor; }

    // Sets or removes the cut after `page`. A cut after the last page splits nothing and is
    // not taken.
    void toggleCut(int32_t page);
    bool hasCutAfter(int32_t page) const;
    // The pages that have a cut after them, ascending.
    std::vector<int32_t> cuts() const;

    // The choice as the custom mode's page list, in its shortest form ("1,3,10-25").
    QString customText() const;
    // The cuts as the split-after mode's list: the page before each cut ("5,12,40").
    QString afterText() const;

    // Takes a page list ("1,3,10-25") or a cut list ("5,12,40") as the window opens, so it
    // shows what the boxes hold. Items that are not pages of this document are skipped.
    void takeCustomText(const QString& text);
    void takeAfterText(const QString& text);

private:
    bool valid(int32_t page) const { return page >= 0 && page < pageCount(); }
    void selectRange(int32_t from, int32_t to);

    std::vector<char> m_selected; // per page
    std::vector<char> m_cutAfter; // per page
    std::vector<char> m_bandBase; // the choice before the band, when adding
    int32_t m_anchor = -1;
};

} // namespace paginor
