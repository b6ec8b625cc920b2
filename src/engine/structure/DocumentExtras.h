// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <string>
#include <utility>
#include <vector>

namespace paginor {

// One item of an optional-content /Order: a group, a label, or a nested list (the children of
// the group before it, or a labelled block when it starts with a label).
struct OrderItem
{
    enum class Kind
    {
        Group,
        Label,
        List,
    };
    Kind kind = Kind::Group;
    QPDFObjectHandle group;      // Group: the source's group dictionary (indirect)
    std::string label;           // Label: the string's bytes
    std::vector<OrderItem> kids; // List
};

// A usage application of the default configuration (/AS): which groups an event sets.
struct AutoState
{
    std::string event;    // a name, as PDF text
    std::string category; // an array of names, as PDF text
    std::vector<QPDFObjectHandle> groups;
};

// A document's optional content (/OCProperties) with its default configuration read into
// plain lists. Groups are the source's indirect dictionaries; a group is named by its object.
struct OptionalContent
{
    std::vector<QPDFObjectHandle> groups;
    std::vector<QPDFObjGen> off;  // off by default, with a base state of OFF already applied
    std::vector<QPDFObjGen> on;   // listed as on
    std::vector<OrderItem> order; // empty when the configuration has no /Order
    bool hasOrder = false;
    std::vector<std::vector<QPDFObjectHandle>> radioGroups; // /RBGroups
    std::vector<QPDFObjectHandle> locked;
    std::vector<AutoState> autoStates;
    std::string name;     // /Name of the configuration, bytes; "" when none
    std::string listMode; // /ListMode, a name with its slash; "" when none

    bool empty() const { return groups.empty(); }
};

// A document-level attachment: its key in /Names /EmbeddedFiles and its /Filespec dictionary.
struct Attachment
{
    std::string name; // the key's bytes
    QPDFObjectHandle fileEntry;
};

// What a document holds at its catalog and trailer beyond pages and navigation: information
// entries, XMP metadata, optional content and attachments. Read once per source, in one place,
// so that the plan decides from plain facts. A damaged entry is left out; reading never throws.
class DocumentExtras
{
public:
    explicit DocumentExtras(QPDF& pdf);

    // Title, Author, Subject and Keywords of the document information, as (key, string bytes),
    // in that order; entries missing or not strings are left out.
    const std::vector<std::pair<std::string, std::string>>& info() const { return m_info; }
    // The information title as UTF-8, "" when missing.
    const std::string& titleText() const { return m_title; }
    // The catalog's /Metadata stream, or null.
    QPDFObjectHandle metadata() const { return m_metadata; }
    const OptionalContent& optionalContent() const { return m_oc; }
    // /Names /EmbeddedFiles in key order.
    const std::vector<Attachment>& attachments() const { return m_attachments; }
    // The catalog's associated files (/AF), indirect /Filespec dictionaries.
    const std::vector<QPDFObjectHandle>& associatedFiles() const { return m_associated; }

private:
    void readInfo(QPDFObjectHandle info);
    void readOptionalContent(QPDFObjectHandle properties);
    void readAttachments(QPDFObjectHandle tree);

    std::vector<std::pair<std::string, std::string>> m_info;
    std::string m_title;
    QPDFObjectHandle m_metadata;
    OptionalContent m_oc;
    std::vector<Attachment> m_attachments;
    std::vector<QPDFObjectHandle> m_associated;
};

} // namespace paginor
