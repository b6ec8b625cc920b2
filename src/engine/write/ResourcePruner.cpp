// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/ResourcePruner.h"

#include <qpdf/Pl_Buffer.hh>

#include <cstring>
#include <vector>

namespace paginor {

namespace {

bool isDelimiterOrSpace(unsigned char c)
{
    return c <= ' ' || std::strchr("()<>[]{}/%", c) != nullptr;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Every name token's text in `data`, with #xx escapes decoded as in a dictionary key.
void collectNames(const unsigned char* data, size_t size, std::set<std::string>& names)
{
    const unsigned char* end = data + size;
    const unsigned char* p = data;
    std::string name;
    while ((p = static_cast<const unsigned char*>(std::memchr(p, '/', size_t(end - p))))) {
        ++p;
        name.assign(1, '/');
        bool escaped = false;
        while (p < end && !isDelimiterOrSpace(*p)) {
            name += char(*p);
            escaped = escaped || *p == '#';
            ++p;
        }
        if (escaped) {
            // Keep the raw spelling too: either may be the one a dictionary was keyed by.
            names.insert(name);
            std::string decoded;
            for (size_t i = 0; i < name.size(); ++i) {
                const int hi = i + 2 < name.size() ? hexValue(name[i + 1]) : -1;
                const int lo = hi >= 0 ? hexValue(name[i + 2]) : -1;
                if (name[i] == '#' && lo >= 0) {
                    decoded += char(hi * 16 + lo);
                    i += 2;
                } else {
                    decoded += name[i];
                }
            }
            name = decoded;
        }
        names.insert(name);
    }
}

} // namespace

bool ResourcePruner::scan(QPDFObjectHandle content, Names& names)
{
    std::vector<QPDFObjectHandle> streams;
    if (content.isArray()) {
        for (auto item : content.aitems())
            streams.push_back(item);
    } else {
        streams.push_back(content);
    }
    for (auto& stream : streams) {
        if (!stream.isStream())
            return false;
        Pl_Buffer data("content");
        if (!stream.pipeStreamData(&data, 0, qpdf_dl_generalized, true, false))
            return false;
        auto bytes = data.getBufferSharedPointer();
        collectNames(bytes->getBuffer(), bytes->getSize(), names);
    }
    return true;
}

bool ResourcePruner::addFormNames(QPDFObjectHandle form, Names& names, std::set<QPDFObjGen>& seen)
{
    if (!seen.insert(form.getObjGen()).second)
        return true;
    auto cached = m_forms.find(form.getObjGen());
    if (cached == m_forms.end()) {
        auto own = std::make_shared<Names>();
        if (!scan(form, *own))
            own.reset();
        cached = m_forms.emplace(form.getObjGen(), own).first;
    }
    if (!cached->second)
        return false;
    names.insert(cached->second->begin(), cached->second->end());
    // A form draws forms of its own, from its resources or, lacking them, from the page's.
    auto resources = form.getDict().getKey("/Resources");
    auto xobjects = resources.isDictionary() ? resources.getKey("/XObject") : QPDFObjectHandle();
    if (xobjects.isDictionary()) {
        for (auto item : xobjects.ditems()) {
            auto inner = item.second;
            if (cached->second->count(item.first) && inner.isStream() &&
                inner.getDict().getKey("/Subtype").isNameAndEquals("/Form") &&
                !addFormNames(inner, names, seen))
                return false;
        }
    }
    return true;
}

void ResourcePruner::startOutput()
{
    m_drawn.clear();
    m_full.clear();
}

bool ResourcePruner::sharedKey(QPDFObjectHandle resources, Shared& key)
{
    if (resources.isIndirect()) {
        key = {resources.getObjGen(), QPDFObjGen()};
        return true;
    }
    auto fonts = resources.getKey("/Font");
    auto xobjects = resources.getKey("/XObject");
    // A list written into the page itself is the page's own.
    if ((!fonts.isIndirect() && !fonts.isNull()) || (!xobjects.isIndirect() && !xobjects.isNull()))
        return false;
    key = {fonts.getObjGen(), xobjects.getObjGen()};
    return key.first.isIndirect() || key.second.isIndirect();
}

void ResourcePruner::addDrawn(const Shared& key, QPDFObjectHandle resources, const Names& names)
{
    Names& drawn = m_drawn[key];
    drawn.insert(names.begin(), names.end());
    for (const char* type : {"/Font", "/XObject"}) {
        auto dict = resources.getKey(type);
        if (!dict.isDictionary())
            continue;
        for (const auto& name : dict.getKeys())
            if (!drawn.count(name))
                return;
    }
    m_full.insert(key);
}

void ResourcePruner::prune(QPDFObjectHandle page, bool inOutput)
{
    try {
        auto resources = page.getKey("/Resources");
        if (!resources.isDictionary())
            return;
        Shared key;
        const bool shared = inOutput && sharedKey(resources, key);
        if (shared && m_full.count(key))
            return;
        Names names;
        if (!scan(page.getKey("/Contents"), names))
            return;
        // Names drawn by the forms the page draws count as the page's: a form without
        // resources of its own draws with the page's.
        auto xobjects = resources.getKey("/XObject");
        if (xobjects.isDictionary()) {
            std::set<QPDFObjGen> seen;
            for (auto item : xobjects.ditems()) {
                auto form = item.second;
                if (names.count(item.first) && form.isStream() &&
                    form.getDict().getKey("/Subtype").isNameAndEquals("/Form") &&
                    !addFormNames(form, names, seen))
                    return;
            }
        }
        if (shared)
            addDrawn(key, resources, names);
        if (resources.isIndirect()) {
            resources = resources.shallowCopy();
            page.replaceKey("/Resources", resources);
        }
        for (const char* type : {"/Font", "/XObject"}) {
            auto dict = resources.getKey(type);
            if (!dict.isDictionary())
                continue;
            dict = dict.shallowCopy();
            resources.replaceKey(type, dict);
            for (const auto& key : dict.getKeys())
                if (!names.count(key))
                    dict.removeKey(key);
        }
    } catch (const std::exception&) {
        // Damage met while reading: the page keeps everything, as it would unpruned.
    }
}

} // namespace paginor
