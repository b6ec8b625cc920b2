// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace paginor::test {

// The objects of a tagged test PDF, for a test to damage before it is written.
struct TaggedParts
{
    QPDF* pdf = nullptr;
    QPDFObjectHandle root;       // the /StructTreeRoot
    QPDFObjectHandle document;   // its one top element, /Document
    QPDFObjectHandle parentTree; // << /Nums [...] >>
    std::vector<QPDFObjectHandle> pages;
    std::vector<QPDFObjectHandle> headings; // one /H1 per page, MCID 0, /ID (h<k>)
    std::vector<QPDFObjectHandle> notes;    // one /Note per page, MCID 1, class /Box
    std::vector<QPDFObjectHandle> links;    // one /Link per page: MCID 2 and its annotation
};

struct TaggedSpec
{
    int pages = 3;
    QString marker = "t"; // page k draws "<marker> page k"
    std::string lang = "en-GB";
    std::string noteRole = "/P";    // what the role map makes of /Note
    std::string boxColor = "1 0 0"; // the class /Box's colour
    bool form = false;              // page 1 carries a form field
    // Changes made to the objects before the file is written.
    std::function<void(TaggedParts&)> damage;
};

// Writes a tagged PDF at `path`. Each page k has an /H1 (MCID 0, the page text), a /Note
// (MCID 1) and a /Link (MCID 2 and a web link, tagged through an object reference) under one
// /Document; page 1 also has a /Table whose /TD names its /TH (ID "th") in /Headers, and
// page 2 a /Figure known only by its alternate text. The parent tree, /StructParents of
// pages and /StructParent of links are whole.
void makeTaggedPdf(const QString& path, const TaggedSpec& recipe);

} // namespace paginor::test
