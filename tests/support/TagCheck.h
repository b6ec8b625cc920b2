// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <map>
#include <string>
#include <vector>

namespace paginor::test {

// What the logical structure of a PDF holds, and every way in which it is not whole.
struct TagReport
{
    bool tree = false;   // the catalog has a /StructTreeRoot
    bool marked = false; // /MarkInfo /Marked true
    std::string lang;    // the catalog's /Lang
    int nextKey = -1;    // /ParentTreeNextKey, -1 when missing (it is optional)
    int pages = 0;
    int markedContent = 0; // marked-content ids used in the pages' content, over all pages
    int reached = 0;       // of them, reached through the parent tree from the element owning them
    int elements = 0;      // elements reachable from the root
    int contentKids = 0;   // marked-content references held by those elements
    int objectKids = 0;    // object references held by those elements
    int unusedClaims = 0;  // marked content claimed on a page that does not use it (harmless)
    std::map<std::string, int> types; // elements by /S
    std::map<std::string, int> langs; // elements by their own /Lang
    std::vector<std::string> alt;     // the /Alt texts, in tree order
    std::vector<std::string> faults;  // each fault, in words
};

// Checks the structure of the PDF at `path` the way a reader of it relies on it:
// - every marked-content id used on a page is reached through the page's /StructParents entry
//   of the parent tree, from an element of the tree that claims that id on that page;
// - no element, marked-content or object reference names a page outside the document;
// - every /StructParent of an annotation leads to the element that refers to it;
// - /P of every element is its parent, a /ParentTreeNextKey lies above every key, no loops.
// A file without a tree gives an empty report without faults.
TagReport checkTags(const QString& path);

// The faults of `report` as one text for a test's failure message.
std::string faultText(const TagReport& report);

} // namespace paginor::test
