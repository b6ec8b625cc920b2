// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The pages of a merge that no source gives, as the builder adds them.
#include "engine/structure/OutputLabels.h"
#include "engine/write/ContentsText.h"
#include "engine/write/OutputBuilder.h"

#include <algorithm>

namespace paginor {

// Puts the copied pages where the plan placed them, with the blank and contents pages
// between them, and numbers the contents by the output's labels.
void OutputBuilder::placePages()
{
    if (m_anyLabels && m_added.contentsPages > 0) {
        m_labels.push_back(QPDFObjectHandle::newInteger(0));
        m_labels.push_back(QPDFObjectHandle::parse("<< /S /r >>"));
    }
    sortLabels(m_labels);
    m_outPages.assign(std::max(size_t(m_added.total), m_copies.size()), QPDFObjectHandle());
    for (const auto& copy : m_copies)
        m_outPages.at(size_t(copy.position)) = copy.to;
    if (m_added.total == 0)
        return;
    auto made = [this] {
        return m_out->makeIndirectObject(QPDFObjectHandle::newDictionary());
    };
    for (auto& page : m_outPages)
        if (!page.isInitialized())
            page = made();
    AddedPageSink sink;
    sink.allocate = [&made] {
        return made().getObjectID();
    };
    sink.pageNumber = [this](int32_t position) {
        return outPage(position).getObjectID();
    };
    sink.write = [this](int number, const std::string& body) {
        m_out->replaceObject(QPDFObjGen(number, 0), QPDFObjectHandle::parse(m_out.get(), body));
    };
    sink.writeStream = [this](const std::string& data) {
        return QPDFObjectHandle::newStream(m_out.get(), data).getObjectID();
    };
    writeAddedPages(m_added, contentsNumbers(m_added, m_anyLabels, m_labels), sink);
    // replaceObject gave the added pages new handles: look every page up again.
    auto tree = m_out->getRoot().getKey("/Pages");
    std::vector<QPDFObjectHandle> kids;
    for (auto& page : m_outPages) {
        page = m_out->getObjectByObjGen(page.getObjGen());
        page.replaceKey("/Parent", tree);
        kids.push_back(page);
    }
    tree.replaceKey("/Kids", QPDFObjectHandle::newArray(kids));
    tree.replaceKey("/Count", QPDFObjectHandle::newInteger(int64_t(kids.size())));
    m_out->updateAllPagesCache();
}

} // namespace paginor
