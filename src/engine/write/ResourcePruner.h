// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <map>
#include <memory>
#include <set>
#include <string>

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
    void prune(QPDFObjectHandle page);

private:
    using Names = std::set<std::string>;
    // The names a content stream (or array of them) mentions; false when it cannot be read.
    static bool scan(QPDFObjectHandle content, Names& names);
    // Adds the names of the form XObject `form` and of the forms it draws, cached per form.
    bool addFormNames(QPDFObjectHandle form, Names& names, std::set<QPDFObjGen>& seen);

    std::map<QPDFObjGen, std::shared_ptr<const Names>> m_forms;
};

} // namespace paginor
