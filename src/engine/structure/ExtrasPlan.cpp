// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/structure/ExtrasPlan.h"

#include "engine/SourceDocument.h"
#include "engine/structure/DocumentExtras.h"
#include "engine/structure/StructurePlan.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <map>

namespace paginor {

namespace {

std::string stringText(const std::string& bytes)
{
    return QPDFObjectHandle::newString(bytes).unparse();
}

std::string join(const std::vector<std::string>& items)
{
    std::string text;
    for (const auto& item : items) {
        if (!text.empty())
            text += ' ';
        text += item;
    }
    return text;
}

std::string arrayText(const std::vector<std::string>& items)
{
    return "[" + join(items) + "]";
}

// A value of the source as PDF text: direct containers written out, indirect objects copied
// through the emitter.
std::string valueText(QPDFObjectHandle h, const ExtrasEmitter& emitter, int depth = 0)
{
    if (h.isIndirect())
        return emitter.reference(h);
    if (depth > 32)
        return "null";
    if (h.isArray()) {
        std::vector<std::string> items;
        for (auto& item : h.getArrayAsVector())
            items.push_back(valueText(item, emitter, depth + 1));
        return arrayText(items);
    }
    if (h.isDictionary()) {
        std::string text = "<<";
        for (auto& [key, value] : h.getDictAsMap()) {
            if (value.isNull())
                continue;
            text += ' ' + QPDFObjectHandle::newName(key).unparse() + ' ' +
                    valueText(value, emitter, depth + 1);
        }
        return text + " >>";
    }
    return h.isInitialized() ? h.unparse() : "null";
}

// The title of a source's own bookmark entry in a merge: its document title, else its file
// name without ".pdf".
std::string entryLabel(const SourceDocument& source, const DocumentExtras& extras)
{
    QString label = QString::fromStdString(extras.titleText()).trimmed();
    if (label.isEmpty()) {
        label = QFileInfo(QFile::decodeName(source.path().c_str())).fileName();
        if (label.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            label.chop(4);
    }
    return QPDFObjectHandle::newUnicodeString(label.toStdString()).unparse();
}

// Appends the kept part of an /Order to `out`; returns how many of the items added are groups
// or lists, which a list needs beside its label to be worth keeping. A group dropped from a
// part hands its kept children up to its own level.
int appendOrder(const std::vector<OrderItem>& items, const std::map<QPDFObjGen, std::string>& refs,
                std::vector<std::string>& out)
{
    int shown = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& item = items[i];
        switch (item.kind) {
        case OrderItem::Kind::Group: {
            auto ref = refs.find(item.group.getObjGen());
            if (ref != refs.end()) {
                out.push_back(ref->second);
                ++shown;
            } else if (i + 1 < items.size() && items[i + 1].kind == OrderItem::Kind::List &&
                       (items[i + 1].kids.empty() ||
                        items[i + 1].kids.front().kind != OrderItem::Kind::Label)) {
                shown += appendOrder(items[++i].kids, refs, out);
            }
            break;
        }
        case OrderItem::Kind::Label:
            out.push_back(stringText(item.label));
            break;
        case OrderItem::Kind::List: {
            std::vector<std::string> inner;
            if (appendOrder(item.kids, refs, inner) > 0) {
                out.push_back(arrayText(inner));
                ++shown;
            }
            break;
        }
        }
    }
    return shown;
}

std::vector<std::string> keptRefs(const std::vector<QPDFObjectHandle>& groups,
                                  const std::map<QPDFObjGen, std::string>& refs)
{
    std::vector<std::string> result;
    for (auto& group : groups)
        if (auto ref = refs.find(group.getObjGen()); ref != refs.end())
            result.push_back(ref->second);
    return result;
}

} // namespace

ExtrasPlan::ExtrasPlan(bool keepAttachments) : m_keepAttachments(keepAttachments) {}

void ExtrasPlan::addSegment(SourceDocument& source, const std::vector<int32_t>& indices,
                            const ExtrasEmitter& emitter)
{
    const auto& extras = source.extras();
    const bool first = m_segments++ == 0;
    const bool whole =
        std::set<int32_t>(indices.begin(), indices.end()).size() == size_t(source.pageCount());
    // Which groups the pages use is asked before anything else is copied.
    addLayers(source, whole, emitter);
    if (first) {
        for (const auto& [key, bytes] : extras.info())
            m_info.emplace_back(key, stringText(bytes));
        if (extras.metadata().isInitialized())
            m_metadata = emitter.reference(extras.metadata());
    }
    if (m_keepAttachments)
        addAttachments(source, emitter);
}

void ExtrasPlan::addLayers(SourceDocument& source, bool whole, const ExtrasEmitter& emitter)
{
    const auto& extras = source.extras();
    const OptionalContent& oc = extras.optionalContent();
    if (oc.empty())
        return;
    std::vector<QPDFObjectHandle> kept;
    for (auto& group : oc.groups)
        if (whole || emitter.reached(group.getObjGen()))
            kept.push_back(group);
    if (kept.empty())
        return;
    Layers layers;
    layers.label = entryLabel(source, extras);
    std::map<QPDFObjGen, std::string> refs;
    for (auto& group : kept) {
        layers.groups.push_back(emitter.reference(group));
        refs.emplace(group.getObjGen(), layers.groups.back());
    }
    auto refsOf = [&refs](const std::vector<QPDFObjGen>& list) {
        std::vector<std::string> result;
        for (const auto& og : list)
            if (auto ref = refs.find(og); ref != refs.end())
                result.push_back(ref->second);
        return result;
    };
    layers.on = refsOf(oc.on);
    layers.off = refsOf(oc.off);
    layers.locked = keptRefs(oc.locked, refs);
    for (const auto& set : oc.radioGroups)
        if (auto groups = keptRefs(set, refs); !groups.empty())
            layers.radio.push_back(arrayText(groups));
    for (const auto& state : oc.autoStates) {
        auto groups = keptRefs(state.groups, refs);
        if (groups.empty())
            continue;
        layers.autoStates.push_back("<< /Event " + state.event + " /Category " + state.category +
                                    " /OCGs " + arrayText(groups) + " >>");
    }
    if (oc.hasOrder) {
        layers.hasOrder = true;
        std::vector<std::string> items;
        appendOrder(oc.order, refs, items);
        layers.order = join(items);
    }
    layers.name = oc.name;
    layers.listMode = oc.listMode;
    m_layers.push_back(std::move(layers));
}

void ExtrasPlan::addAttachments(SourceDocument& source, const ExtrasEmitter& emitter)
{
    const auto& extras = source.extras();
    for (const auto& attachment : extras.attachments()) {
        std::string name = attachment.name;
        for (int n = 2; !m_usedNames.insert(name).second; ++n)
            name = numberedName(attachment.name, n);
        m_attachments.emplace_back(name, valueText(attachment.fileEntry, emitter));
    }
    for (const auto& file : extras.associatedFiles())
        m_associated.push_back(emitter.reference(file));
}

std::string ExtrasPlan::ocProperties() const
{
    std::vector<std::string> groups, on, off, locked, radio, states, order;
    const bool labelled = m_segments > 1;
    auto append = [](std::vector<std::string>& to, const std::vector<std::string>& from) {
        to.insert(to.end(), from.begin(), from.end());
    };
    for (const auto& layers : m_layers) {
        append(groups, layers.groups);
        append(on, layers.on);
        append(off, layers.off);
        append(locked, layers.locked);
        append(radio, layers.radio);
        append(states, layers.autoStates);
        if (!layers.hasOrder)
            continue;
        if (!labelled)
            order.push_back(layers.order);
        else if (!layers.order.empty())
            order.push_back("[" + layers.label + " " + layers.order + "]");
    }
    std::string config = "<<";
    if (!labelled && !m_layers.front().name.empty())
        config += " /Name " + stringText(m_layers.front().name);
    config += " /BaseState /ON";
    if (!on.empty())
        config += " /ON " + arrayText(on);
    if (!off.empty())
        config += " /OFF " + arrayText(off);
    if (std::any_of(m_layers.begin(), m_layers.end(), [](const Layers& l) { return l.hasOrder; }))
        config += " /Order " + arrayText(order);
    if (!radio.empty())
        config += " /RBGroups " + arrayText(radio);
    if (!locked.empty())
        config += " /Locked " + arrayText(locked);
    if (!states.empty())
        config += " /AS " + arrayText(states);
    if (!labelled && !m_layers.front().listMode.empty())
        config += " /ListMode " + m_layers.front().listMode;
    config += " >>";
    return "<< /OCGs " + arrayText(groups) + " /D " + config + " >>";
}

std::vector<std::pair<std::string, std::string>> ExtrasPlan::catalogEntries() const
{
    std::vector<std::pair<std::string, std::string>> entries;
    if (!m_layers.empty())
        entries.emplace_back("/OCProperties", ocProperties());
    if (!m_associated.empty())
        entries.emplace_back("/AF", arrayText(m_associated));
    if (!m_metadata.empty() && m_metadata != "null")
        entries.emplace_back("/Metadata", m_metadata);
    return entries;
}

std::string ExtrasPlan::embeddedFiles() const
{
    if (m_attachments.empty())
        return {};
    std::map<std::string, std::string> sorted(m_attachments.begin(), m_attachments.end());
    std::string text = "<< /Names [";
    for (const auto& [name, value] : sorted)
        text += stringText(name) + " " + value + " ";
    return text + "] >>";
}

std::map<std::string, std::string>
ExtrasPlan::info(const std::map<std::string, QString>& given) const
{
    std::map<std::string, std::string> entries(m_info.begin(), m_info.end());
    for (const auto& [key, text] : given)
        entries[key] = QPDFObjectHandle::newUnicodeString(text.toStdString()).unparse();
    return entries;
}

std::set<QPDFObjGen> reachedFrom(const std::vector<QPDFObjectHandle>& pages)
{
    std::set<QPDFObjGen> seen;
    std::vector<QPDFObjectHandle> stack;
    for (const auto& page : pages) {
        if (!seen.insert(page.getObjGen()).second)
            continue;
        auto dict = page;
        for (auto& [key, value] : dict.getDictAsMap())
            if (key != "/Parent")
                stack.push_back(value);
    }
    while (!stack.empty()) {
        auto h = stack.back();
        stack.pop_back();
        if (h.isIndirect() && !seen.insert(h.getObjGen()).second)
            continue;
        if (h.isArray()) {
            for (auto& item : h.getArrayAsVector())
                stack.push_back(item);
            continue;
        }
        auto dict = h.isStream() ? h.getDict() : h;
        if (!dict.isDictionary() || dict.isDictionaryOfType("/Page") ||
            dict.isDictionaryOfType("/Pages") || dict.isDictionaryOfType("/Catalog"))
            continue;
        for (auto& [key, value] : dict.getDictAsMap())
            if (key != "/Parent")
                stack.push_back(value);
    }
    return seen;
}

std::string withNamesEntry(const std::string& catalog, const std::string& key,
                           const std::string& value)
{
    static const std::string names = " /Names <<";
    const auto at = catalog.find(names);
    if (at == std::string::npos)
        return catalog + names + " " + key + " " + value + " >>";
    std::string result = catalog;
    result.insert(at + names.size(), " " + key + " " + value);
    return result;
}

} // namespace paginor
