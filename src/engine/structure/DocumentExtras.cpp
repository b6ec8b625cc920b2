// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/DocumentExtras.h"

#include <algorithm>
#include <set>

namespace paginor {

namespace {

// Nesting deeper than this in an /Order or a name tree is damage, not structure.
constexpr int kMaxDepth = 32;

bool isGroup(QPDFObjectHandle h)
{
    return h.isIndirect() && h.isDictionary();
}

std::vector<QPDFObjectHandle> groupsIn(QPDFObjectHandle array)
{
    std::vector<QPDFObjectHandle> groups;
    if (!array.isArray())
        return groups;
    for (auto& item : array.getArrayAsVector())
        if (isGroup(item))
            groups.push_back(item);
    return groups;
}

std::vector<OrderItem> readOrder(QPDFObjectHandle array, int depth, std::set<QPDFObjGen>& seen)
{
    std::vector<OrderItem> items;
    if (!array.isArray() || depth > kMaxDepth ||
        (array.isIndirect() && !seen.insert(array.getObjGen()).second))
        return items;
    for (auto& entry : array.getArrayAsVector()) {
        OrderItem item;
        if (entry.isArray()) {
            item.kind = OrderItem::Kind::List;
            item.kids = readOrder(entry, depth + 1, seen);
        } else if (entry.isString()) {
            item.kind = OrderItem::Kind::Label;
            item.label = entry.getStringValue();
        } else if (isGroup(entry)) {
            item.group = entry;
        } else {
            continue;
        }
        items.push_back(std::move(item));
    }
    return items;
}

} // namespace

DocumentExtras::DocumentExtras(QPDF& pdf)
{
    // Each part on its own: damage in one leaves the others.
    auto guarded = [](auto&& read) {
        try {
            read();
        } catch (const std::exception&) {
        }
    };
    guarded([&] { readInfo(pdf.getTrailer().getKey("/Info")); });
    auto root = pdf.getRoot();
    guarded([&] {
        auto metadata = root.getKey("/Metadata");
        if (metadata.isStream())
            m_metadata = metadata;
    });
    guarded([&] { readOptionalContent(root.getKey("/OCProperties")); });
    guarded([&] {
        auto names = root.getKey("/Names");
        if (names.isDictionary())
            readAttachments(names.getKey("/EmbeddedFiles"));
    });
    guarded([&] {
        for (auto& file : groupsIn(root.getKey("/AF")))
            m_associated.push_back(file);
    });
}

void DocumentExtras::readInfo(QPDFObjectHandle info)
{
    if (!info.isDictionary())
        return;
    for (const char* key : {"/Title", "/Author", "/Subject", "/Keywords"}) {
        auto value = info.getKey(key);
        if (value.isString())
            m_info.emplace_back(key, value.getStringValue());
    }
    auto title = info.getKey("/Title");
    if (title.isString())
        m_title = title.getUTF8Value();
}

void DocumentExtras::readOptionalContent(QPDFObjectHandle properties)
{
    if (!properties.isDictionary())
        return;
    std::set<QPDFObjGen> known;
    for (auto& group : groupsIn(properties.getKey("/OCGs")))
        if (known.insert(group.getObjGen()).second)
            m_oc.groups.push_back(group);
    if (m_oc.groups.empty())
        return;
    auto config = properties.getKey("/D");
    if (!config.isDictionary())
        return;
    auto listed = [&known](QPDFObjectHandle array) {
        std::vector<QPDFObjectHandle> result;
        for (auto& group : groupsIn(array))
            if (known.count(group.getObjGen()))
                result.push_back(group);
        return result;
    };
    std::set<QPDFObjGen> on;
    for (auto& group : listed(config.getKey("/ON"))) {
        on.insert(group.getObjGen());
        m_oc.on.push_back(group.getObjGen());
    }
    if (config.getKey("/BaseState").isNameAndEquals("/OFF")) {
        for (auto& group : m_oc.groups)
            if (!on.count(group.getObjGen()))
                m_oc.off.push_back(group.getObjGen());
    } else {
        for (auto& group : listed(config.getKey("/OFF")))
            m_oc.off.push_back(group.getObjGen());
    }
    auto order = config.getKey("/Order");
    if (order.isArray()) {
        std::set<QPDFObjGen> seen;
        m_oc.hasOrder = true;
        m_oc.order = readOrder(order, 0, seen);
    }
    auto radio = config.getKey("/RBGroups");
    if (radio.isArray())
        for (auto& set : radio.getArrayAsVector())
            if (auto groups = listed(set); !groups.empty())
                m_oc.radioGroups.push_back(std::move(groups));
    m_oc.locked = listed(config.getKey("/Locked"));
    auto states = config.getKey("/AS");
    if (states.isArray()) {
        for (auto& entry : states.getArrayAsVector()) {
            if (!entry.isDictionary() || !entry.getKey("/Event").isName())
                continue;
            AutoState state;
            state.event = QPDFObjectHandle::newName(entry.getKey("/Event").getName()).unparse();
            auto category = QPDFObjectHandle::newArray();
            auto given = entry.getKey("/Category");
            if (given.isArray())
                for (auto& item : given.getArrayAsVector())
                    if (item.isName())
                        category.appendItem(QPDFObjectHandle::newName(item.getName()));
            state.category = category.unparse();
            state.groups = listed(entry.getKey("/OCGs"));
            m_oc.autoStates.push_back(std::move(state));
        }
    }
    if (config.getKey("/Name").isString())
        m_oc.name = config.getKey("/Name").getStringValue();
    if (config.getKey("/ListMode").isName())
        m_oc.listMode = config.getKey("/ListMode").getName();
}

// A name tree read with a visited set and a depth limit, since damaged trees loop.
void DocumentExtras::readAttachments(QPDFObjectHandle tree)
{
    std::set<QPDFObjGen> seen;
    std::vector<std::pair<QPDFObjectHandle, int>> stack{{tree, 0}};
    while (!stack.empty()) {
        auto [node, depth] = stack.back();
        stack.pop_back();
        if (!node.isDictionary() || depth > kMaxDepth ||
            (node.isIndirect() && !seen.insert(node.getObjGen()).second))
            continue;
        auto names = node.getKey("/Names");
        if (names.isArray()) {
            auto items = names.getArrayAsVector();
            for (size_t i = 0; i + 1 < items.size(); i += 2)
                if (items[i].isString() && items[i + 1].isDictionary())
                    m_attachments.push_back({items[i].getStringValue(), items[i + 1]});
        }
        auto kids = node.getKey("/Kids");
        if (kids.isArray()) {
            auto items = kids.getArrayAsVector();
            for (auto kid = items.rbegin(); kid != items.rend(); ++kid)
                stack.emplace_back(*kid, depth + 1);
        }
    }
    std::stable_sort(m_attachments.begin(), m_attachments.end(),
                     [](const Attachment& a, const Attachment& b) { return a.name < b.name; });
}

} // namespace paginor
