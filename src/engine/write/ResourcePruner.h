// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

namespace paginor {

// Drops the fonts and XObjects a page does not draw with from its resource dictionary, so that
// a page copied out of a document whose pages share one dictionary takes only its own.
//
// Instead of parsing the content into objects, it keeps every resource whose name appears
// anywhere in the decoded content (strings and comments included): a superset of the names
// used, so nothing drawn is ever dropped, at a fraction of the cost.
class ResourcePruner
{
public:
    // Prunes `page`'s /Font and /XObject entries. Shared dictionaries are copied before being
    // changed, so other pages keep theirs. Leaves the page alone when any content it draws
    // cannot be decoded. Never throws.
    //
    // With `inOutput`, the page goes into the output begun by the last startOutput, and is
    // left whole once the pages pruned so far for that output draw with every font and
    // XObject of its shared dictionary: all of them are written anyway, and reading the rest
    // of the pages' content would only cost time.
    void prune(QPDFObjectHandle page, bool inOutput = false);
    // Begins an output: no dictionary counts as drawn with in full yet.
    void startOutput();

private:
    using Names = std::set<std::string>;
    // A shared resource dictionary: its own number, or its font and XObject lists' numbers.
    using Shared = std::pair<QPDFObjGen, QPDFObjGen>;
    static bool sharedKey(QPDFObjectHandle resources, Shared& key);
    // Adds `names` to what this output's pages drew with from `key`, and `key` to m_full when
    // that is now everything in `resources`' font and XObject lists.
    void addDrawn(const Shared& key, QPDFObjectHandle resources, const Names& names);
    // The names a content stream (or array of them) mentions; false when it cannot be read.
    static bool scan(QPDFObjectHandle content, Names& names);
    // Adds the names of the form XObject `form` and of the forms it draws, cached per form.
    bool addFormNames(QPDFObjectHandle form, Names& names, std::set<QPDFObjGen>& seen);

    std::map<QPDFObjGen, std::shared_ptr<const Names>> m_forms;
    // For the output being written: the names drawn with so far, by shared dictionary, and
    // the dictionaries drawn with in full.
    std::map<Shared, Names> m_drawn;
    std::set<Shared> m_full;
};

} // namespace paginor
