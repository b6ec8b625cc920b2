// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace paginor {

class SourceDocument;

// How a writer makes objects of the segment being written part of its output.
struct ExtrasEmitter
{
    // The output's reference ("12 0 R") to the source's indirect object `h`, copied with all it
    // reaches, or "null" for a page not in the output.
    std::function<std::string(QPDFObjectHandle h)> reference;
    // Whether the segment's pages reached the source object `og` while they were written.
    std::function<bool(QPDFObjGen og)> reached;
};

// Decides what an output keeps of its sources' document-level extras (see DocumentExtras) and
// gives it as PDF text, which each writer only places: information entries and XMP metadata
// come from the first source; optional content keeps, for a whole source, all its groups and,
// for a part, the groups its pages use, each with its own default state, several sources'
// /Order each under a label named like the source's bookmark entry; attachments and associated
// files of every source are kept unless dropped, a name met again being numbered as named
// destinations are.
class ExtrasPlan
{
public:
    explicit ExtrasPlan(bool keepAttachments = true);

    // Whether document-level attachments (/EmbeddedFiles, the catalog's /AF) are kept.
    void keepAttachments(bool keep) { m_keepAttachments = keep; }

    // Adds the segment of the output holding the pages `indices` of `source`, once those pages
    // are written and before the next segment starts: what it keeps is copied through
    // `emitter` now, while the source is still open.
    void addSegment(SourceDocument& source, const std::vector<int32_t>& indices,
                    const ExtrasEmitter& emitter);

    // The catalog's entries besides pages and navigation, as (key, PDF text): /OCProperties,
    // /AF and /Metadata, each only when there is something to keep.
    std::vector<std::pair<std::string, std::string>> catalogEntries() const;

    // The /EmbeddedFiles name tree (a single node) as PDF text, "" when nothing is kept.
    std::string embeddedFiles() const;

    // The information entries by key as PDF text: the first source's Title, Author, Subject and
    // Keywords, then `given` (text set by the caller, such as /Creator), which wins.
    std::map<std::string, std::string> info(const std::map<std::string, QString>& given) const;

private:
    struct Layers
    {
        std::string label; // the source's entry title as a PDF string
        std::vector<std::string> groups, on, off, locked, radio, autoStates;
        bool hasOrder = false;
        std::string order; // the items, without brackets
        std::string name, listMode;
    };
    void addLayers(SourceDocument& source, bool whole, const ExtrasEmitter& emitter);
    void addAttachments(SourceDocument& source, const ExtrasEmitter& emitter);
    std::string ocProperties() const;

    bool m_keepAttachments;
    int m_segments = 0;
    std::vector<std::pair<std::string, std::string>> m_info; // the first source's, as text
    std::string m_metadata;
    std::vector<Layers> m_layers;
    std::vector<std::pair<std::string, std::string>> m_attachments; // (name bytes, value text)
    std::set<std::string> m_usedNames;
    std::vector<std::string> m_associated;
};

// Every object reachable from `pages` without passing through another page or a /Parent: what
// a copy of those pages takes with it. For writers that cannot tell it themselves.
std::set<QPDFObjGen> reachedFrom(const std::vector<QPDFObjectHandle>& pages);

// `catalog` (catalog entries as PDF text) with `key value` added to its /Names dictionary,
// which is made when there is none.
std::string withNamesEntry(const std::string& catalog, const std::string& key,
                           const std::string& value);

} // namespace paginor
