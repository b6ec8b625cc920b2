// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <string>

namespace paginor {

// Pieces of PDF syntax appended to `out`, for the writer that writes objects as text.

// "12 0 R".
void appendReference(int number, std::string& out);

// A name (with its slash): as it is when made only of regular characters, else escaped.
void appendName(const std::string& name, std::string& out);

// A literal string: the delimiters and the escape character escaped, other bytes outside
// printable ASCII written in octal, so that any name survives line-end conversions.
void appendString(const std::string& text, std::string& out);

// [page view...], where `view` is a Target's text of a fit name and numbers or null.
void appendDest(const std::string& pageRef, const std::string& view, std::string& out);

} // namespace paginor
