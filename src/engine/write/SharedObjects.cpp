// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/SharedObjects.h"

#include <qpdf/Buffer.hh>

#include <map>
#include <set>
#include <string_view>
#include <unordered_map>

namespace paginor {

namespace {

// The indirect objects `h` refers to through its direct parts.
void collectReferences(QPDFObjectHandle h, std::vector<QPDFObjectHandle>& out)
{
    if (h.isStream())
        h = h.getDict();
    if (h.isDictionary()) {
        for (auto& item : h.getDictAsMap()) {
            if (item.second.isIndirect())
                out.push_back(item.second);
            else
                collectReferences(item.second, out);
        }
    } else if (h.isArray()) {
        for (auto& item : h.getArrayAsVector()) {
            if (item.isIndirect())
                out.push_back(item);
            else
                collectReferences(item, out);
        }
    }
}

// Replaces the references in `h`'s direct parts to objects that `kept` maps elsewhere.
void redirect(QPDFObjectHandle h, const std::map<QPDFObjGen, QPDFObjectHandle>& kept)
{
    if (h.isStream())
        h = h.getDict();
    auto target = [&kept](QPDFObjectHandle item, QPDFObjectHandle& to) {
        if (!item.isIndirect())
            return false;
        auto found = kept.find(item.getObjGen());
        if (found == kept.end())
            return false;
        to = found->second;
        return true;
    };
    QPDFObjectHandle to;
    if (h.isDictionary()) {
        for (auto& item : h.getDictAsMap()) {
            if (target(item.second, to))
                h.replaceKey(item.first, to);
            else if (!item.second.isIndirect())
                redirect(item.second, kept);
        }
    } else if (h.isArray()) {
        const int n = h.getArrayNItems();
        for (int i = 0; i < n; ++i) {
            auto item = h.getArrayItem(i);
            if (target(item, to))
                h.setArrayItem(i, to);
            else if (!item.isIndirect())
                redirect(item, kept);
        }
    }
}

// The text an object is compared by: its value, or a stream's dictionary with its /Length
// as a number, so that streams read only when their dictionaries match.
std::string keyText(QPDFObjectHandle h)
{
    if (!h.isStream())
        return h.unparseResolved();
    auto dict = h.getDict();
    auto length = dict.getKey("/Length");
    if (!length.isIndirect())
        return dict.unparse();
    dict = dict.shallowCopy();
    dict.replaceKey("/Length", length.isInteger()
                                   ? QPDFObjectHandle::newInteger(length.getIntValue())
                                   : QPDFObjectHandle::newNull());
    return dict.unparse();
}

// A stream's stored data; false when it cannot be read, and the stream is then left to the
// writer, which reports what it cannot read.
bool rawData(QPDFObjectHandle stream, std::string& out)
{
    try {
        auto data = stream.getRawStreamData();
        out.assign(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

DuplicateFinder::Saved shareIdenticalObjects(QPDF& pdf)
{
    DuplicateFinder::Saved saved;
    std::map<QPDFObjGen, QPDFObjectHandle> kept; // a duplicate -> the copy that stays
    std::set<QPDFObjGen> seen;
    std::vector<QPDFObjectHandle> done; // in the order they were finished
    std::unordered_multimap<size_t, QPDFObjectHandle> written;

    // Depth first without recursion: a page tree or a chain of beads may be deep.
    struct Frame
    {
        QPDFObjectHandle object;
        std::vector<QPDFObjectHandle> kids;
        size_t next = 0;
    };
    std::vector<Frame> stack;
    std::vector<QPDFObjectHandle> roots;
    collectReferences(pdf.getTrailer(), roots);
    for (auto& root : roots) {
        if (!seen.insert(root.getObjGen()).second)
            continue;
        stack.push_back({root, {}, 0});
        collectReferences(root, stack.back().kids);
        while (!stack.empty()) {
            Frame& top = stack.back();
            if (top.next < top.kids.size()) {
                auto kid = top.kids[top.next++];
                if (seen.insert(kid.getObjGen()).second) {
                    Frame frame{kid, {}, 0};
                    collectReferences(kid, frame.kids);
                    stack.push_back(std::move(frame));
                }
                continue;
            }
            auto h = top.object;
            stack.pop_back();
            done.push_back(h);
            if (h.isNull())
                continue;
            redirect(h, kept);
            if (!DuplicateFinder::mayShare(h.isStream() ? h.getDict() : h))
                continue;
            const std::string text = keyText(h);
            const size_t hash = std::hash<std::string_view>()(text) * 2 + size_t(h.isStream());
            bool shared = false, read = false;
            std::string data, otherData;
            auto range = written.equal_range(hash);
            for (auto it = range.first; it != range.second && !shared; ++it) {
                auto other = it->second;
                if (other.isStream() != h.isStream() || keyText(other) != text)
                    continue;
                if (h.isStream()) {
                    if (!read && !rawData(h, data))
                        break;
                    read = true;
                    if (!rawData(other, otherData) || otherData != data)
                        continue;
                }
                kept.emplace(h.getObjGen(), other);
                ++saved.objects;
                saved.bytes += int64_t(text.size() + data.size());
                shared = true;
            }
            if (!shared)
                written.emplace(hash, h);
        }
    }
    // References met before their target was compared (within a loop) follow it now.
    if (!kept.empty()) {
        for (auto& h : done)
            redirect(h, kept);
        redirect(pdf.getTrailer(), kept);
    }
    return saved;
}

} // namespace paginor
