// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#include "engine/write/PdfText.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <cstdio>
#include <cstring>

namespace paginor {

void appendReference(int number, std::string& out)
{
    out += std::to_string(number);
    out += " 0 R";
}

void appendName(const std::string& name, std::string& out)
{
    for (size_t i = 1; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c < 0x21 || c > 0x7e || std::strchr("#()<>[]{}/%", c)) {
            out += QPDFObjectHandle::newName(name).unparse();
            return;
        }
    }
    out += name;
}

void appendString(const std::string& text, std::string& out)
{
    out += '(';
    for (unsigned char c : text) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c > 0x7e) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", unsigned(c));
            out += octal;
        } else {
            out += char(c);
        }
    }
    out += ')';
}

void appendDest(const std::string& pageRef, const std::string& view, std::string& out)
{
    out += '[';
    out += pageRef;
    out += ' ';
    out += view.find_first_not_of(' ') == std::string::npos ? std::string("/Fit") : view;
    out += ']';
}

} // namespace paginor
