// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace paginor::test {

// What a sound program makes of an input.
enum class Verdict
{
    Opens,         // readable, perhaps after repair: `pages` pages, every job succeeds
    Refused,       // no password opens it: every job reports a failure
    Either,        // damaged in a way a reader may or may not repair; jobs must agree
    NeedsPassword, // opens with `password` only
};

struct HostileInput
{
    std::string name; // unique, usable as a file name stem
    std::string bytes;
    Verdict verdict = Verdict::Either;
    int pages = 0;    // for Opens and NeedsPassword
    QString password; // for NeedsPassword
};

// Builds PDFs from raw object bodies: object k (from 1) is the k-th body. The cross-reference
// table, the trailer and startxref are computed, so only what a case breaks on purpose is
// wrong. Object 1 must be the catalog.
class RawPdf
{
public:
    // Appends an object and returns its number.
    int add(std::string body);
    // Replaces the body of an object already added.
    void set(int object, std::string body) { m_objects.at(size_t(object - 1)) = std::move(body); }
    // Appends a stream object with an exact /Length and the extra dictionary entries.
    int addStream(const std::string& data, const std::string& extraDict = {});
    // Entries appended to the trailer dictionary (after /Size and /Root).
    void setTrailerExtra(std::string extra) { m_trailerExtra = std::move(extra); }
    // Overrides the trailer's /Size (default: the real object count + 1).
    void setSize(int64_t size) { m_size = size; }
    std::string bytes() const;

private:
    std::vector<std::string> m_objects;
    std::string m_trailerExtra;
    int64_t m_size = -1;
};

// The content stream of page k of a raw test file with `marker`.
std::string rawPageContent(const std::string& marker, int k);

// A plain file of `pages` pages drawing rawPageContent(marker, k), with one font shared by
// all pages through the page tree's inherited /Resources.
std::string rawPdf(int pages, const std::string& marker);

// Writes a file of `pages` pages in one pass with bounded memory, for scale tests. Pages sit
// in a balanced tree of 100-kid nodes and share one resource dictionary.
bool writeLargeRawPdf(const QString& path, int pages, const std::string& marker);

// Every hostile input, made from `goodPdf` (a sound file as the test
// factory writes it) and from raw files built here. Encrypted cases are made by the caller,
// which owns the factory.
std::vector<HostileInput> hostileInputs(const std::string& goodPdf);

// Damage to the object streams of `packed`, a sound file of `pages` pages whose objects sit
// in uncompressed object streams; the first input is `packed` itself.
std::vector<HostileInput> objectStreamInputs(const std::string& packed, int pages);

} // namespace paginor::test
