// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/SubgraphCopy.h"

#include <vector>

namespace paginor {

namespace {

// Deeper than this, values become null, as hostile files nest without end.
constexpr int kMaxDepth = 8;

} // namespace

SubgraphCopier::SubgraphCopier() = default;

bool SubgraphCopier::copy(QPDFObjectHandle h, QPDFObjectHandle& out)
{
    m_objects = 0;
    m_bytes = 0;
    m_over = false;
    out = copyOf(h, 0);
    if (m_over)
        out = QPDFObjectHandle::newNull();
    return !m_over;
}

QPDFObjectHandle SubgraphCopier::copyOf(QPDFObjectHandle h, int depth)
{
    if (depth > kMaxDepth || m_over)
        return QPDFObjectHandle::newNull();
    if (++m_objects > kMaxObjects) {
        m_over = true;
        return QPDFObjectHandle::newNull();
    }
    QPDFObjectHandle slot;
    if (h.isIndirect()) {
        auto known = m_copies.find(h.getObjGen());
        if (known != m_copies.end())
            return known->second;
        if (!m_pdf) {
            m_pdf = std::make_shared<QPDF>();
            m_pdf->setSuppressWarnings(true);
            m_pdf->emptyPDF();
        }
        // Made before its values, so that a loop back to it finds it.
        slot = m_pdf->makeIndirectObject(QPDFObjectHandle::newNull());
        m_copies.emplace(h.getObjGen(), slot);
    }
    QPDFObjectHandle value;
    switch (h.getTypeCode()) {
    case ::ot_boolean:
        value = QPDFObjectHandle::newBool(h.getBoolValue());
        break;
    case ::ot_integer:
        value = QPDFObjectHandle::newInteger(h.getIntValue());
        break;
    case ::ot_real:
        value = QPDFObjectHandle::newReal(h.getRealValue());
        break;
    case ::ot_name:
        value = QPDFObjectHandle::newName(h.getName());
        break;
    case ::ot_string:
        m_bytes += h.getStringValue().size();
        m_over = m_over || m_bytes > kMaxBytes;
        value = QPDFObjectHandle::newString(h.getStringValue());
        break;
    case ::ot_array: {
        std::vector<QPDFObjectHandle> items;
        for (auto item : h.aitems())
            items.push_back(copyOf(item, depth + 1));
        value = QPDFObjectHandle::newArray(items);
        break;
    }
    case ::ot_dictionary: {
        value = QPDFObjectHandle::newDictionary();
        for (auto item : h.ditems())
            value.replaceKey(item.first, copyOf(item.second, depth + 1));
        break;
    }
    default:
        value = QPDFObjectHandle::newNull();
    }
    if (!slot.isInitialized())
        return value;
    m_pdf->replaceObject(slot.getObjGen(), value);
    return slot;
}

QPDFObjectHandle colorCopy(QPDFObjectHandle h)
{
    if (!h.isArray() || h.getArrayNItems() != 3)
        return QPDFObjectHandle::newNull();
    std::vector<QPDFObjectHandle> items;
    for (auto item : h.aitems()) {
        if (item.isInteger())
            items.push_back(QPDFObjectHandle::newInteger(item.getIntValue()));
        else if (item.isReal())
            items.push_back(QPDFObjectHandle::newReal(item.getRealValue()));
        else
            return QPDFObjectHandle::newNull();
    }
    return QPDFObjectHandle::newArray(items);
}

QPDFObjectHandle importCopy(QPDF& target, QPDFObjectHandle h)
{
    if (h.isIndirect())
        return target.copyForeignObject(h);
    if (h.isArray()) {
        std::vector<QPDFObjectHandle> items;
        for (auto item : h.aitems())
            items.push_back(importCopy(target, item));
        return QPDFObjectHandle::newArray(items);
    }
    if (h.isDictionary()) {
        auto result = QPDFObjectHandle::newDictionary();
        for (auto item : h.ditems())
            result.replaceKey(item.first, importCopy(target, item.second));
        return result;
    }
    return h.isNull() ? QPDFObjectHandle::newNull() : h.shallowCopy();
}

} // namespace paginor
