// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/TagValues.h"

namespace paginor {

QPDFObjectHandle boundedCopy(QPDFObjectHandle h, size_t& budget, int depth)
{
    if (depth > 8 || budget == 0)
        return QPDFObjectHandle::newNull();
    --budget;
    switch (h.getTypeCode()) {
    case ::ot_boolean:
        return QPDFObjectHandle::newBool(h.getBoolValue());
    case ::ot_integer:
        return QPDFObjectHandle::newInteger(h.getIntValue());
    case ::ot_real:
        return QPDFObjectHandle::newReal(h.getRealValue());
    case ::ot_name:
        return QPDFObjectHandle::newName(h.getName());
    case ::ot_string:
        return QPDFObjectHandle::newString(h.getStringValue());
    case ::ot_array: {
        std::vector<QPDFObjectHandle> items;
        for (auto& item : h.getArrayAsVector())
            items.push_back(boundedCopy(item, budget, depth + 1));
        return QPDFObjectHandle::newArray(items);
    }
    case ::ot_dictionary: {
        auto result = QPDFObjectHandle::newDictionary();
        for (auto& [key, value] : h.getDictAsMap())
            result.replaceKey(key, boundedCopy(value, budget, depth + 1));
        return result;
    }
    default:
        return QPDFObjectHandle::newNull();
    }
}

QPDFObjectHandle TagKeys::dictionary() const
{
    return QPDFObjectHandle::parse("<<" + m_text + " >>");
}

QPDFObjectHandle TagKeys::getKey(const std::string& key) const
{
    return dictionary().getKey(key);
}

void TagValues::appendText(QPDFObjectHandle h, size_t& budget, std::string& out, int depth)
{
    if (depth > 8 || budget == 0) {
        out += "null";
        return;
    }
    --budget;
    h = held(h);
    switch (h.getTypeCode()) {
    case ::ot_boolean:
    case ::ot_integer:
    case ::ot_real:
    case ::ot_name:
    case ::ot_string:
        out += h.unparseResolved();
        return;
    case ::ot_array:
        out += '[';
        for (auto& item : h.getArrayAsVector()) {
            appendText(item, budget, out, depth + 1);
            out += ' ';
        }
        out += ']';
        return;
    case ::ot_dictionary:
        out += "<<";
        for (auto& [key, value] : h.getDictAsMap())
            appendPair(key, value, budget, out, depth + 1);
        out += " >>";
        return;
    default:
        out += "null";
    }
}

void TagValues::appendPair(const std::string& key, QPDFObjectHandle value, size_t& budget,
                           std::string& out, int depth)
{
    std::string text;
    appendText(value, budget, text, depth);
    if (text != "null")
        out += " " + QPDFObjectHandle::newName(key).unparse() + " " + text;
}

QPDFObjectHandle TagValues::held(QPDFObjectHandle h)
{
    if (!h.isIndirect())
        return h;
    auto [at, added] = m_held.try_emplace(h.getObjGen());
    if (added)
        at->second = get(h);
    return at->second;
}

} // namespace paginor
