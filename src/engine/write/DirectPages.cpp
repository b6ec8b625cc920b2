// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The pages of a merge that no source gives, as the direct writer emits them.
#include "engine/structure/OutputLabels.h"
#include "engine/write/ContentsText.h"
#include "engine/write/DirectWriter.h"

namespace paginor {

void DirectWriter::setAddedPages(const AddedPages& pages)
{
    m_added = pages;
    m_pageNumbers.assign(size_t(pages.total), 0);
    for (int32_t page = 0; page < pages.contentsPages; ++page)
        m_pageNumbers[size_t(page)] = allocate();
    for (const auto& blank : pages.blanks)
        m_pageNumbers[size_t(blank.first)] = allocate();
    if (pages.contentsPages > 0)
        m_plan.addContentsPages(pages.heading, 0);
}

// The blank and contents pages, numbered as the labels number the pages they list.
void DirectWriter::writeAddedPages()
{
    if (m_anyLabels && m_added.contentsPages > 0) {
        m_labels.push_back(QPDFObjectHandle::newInteger(0));
        m_labels.push_back(QPDFObjectHandle::parse("<< /S /r >>"));
    }
    sortLabels(m_labels);
    AddedPageSink sink;
    sink.allocate = [this] {
        return allocate();
    };
    sink.pageNumber = [this](int32_t outPage) {
        return m_pageNumbers.at(size_t(outPage));
    };
    sink.write = [this](int number, const std::string& body) {
        m_out.writePlain(number, body);
    };
    sink.writeStream = [this](const std::string& data) {
        const int number = allocate();
        m_out.writeStream(number, "<<", data.data(), data.size());
        return number;
    };
    sink.parent = " /Parent 2 0 R";
    paginor::writeAddedPages(m_added, contentsNumbers(m_added, m_anyLabels, m_labels), sink);
}

} // namespace paginor
