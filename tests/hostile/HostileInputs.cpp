// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Hostile inputs, made in code with fixed random seeds so that every run sees the same bytes.
#include "hostile/HostileInputs.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <random>
#include <utility>

namespace paginor::test {

int RawPdf::add(std::string body)
{
    m_objects.push_back(std::move(body));
    return int(m_objects.size());
}

int RawPdf::addStream(const std::string& data, const std::string& extraDict)
{
    return add("<< /Length " + std::to_string(data.size()) + " " + extraDict + " >>\nstream\n" +
               data + "\nendstream");
}

std::string RawPdf::bytes() const
{
    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < m_objects.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + m_objects[i] + "\nendobj\n";
    }
    const size_t xref = out.size();
    out += "xref\n0 " + std::to_string(m_objects.size() + 1) + "\n0000000000 65535 f \n";
    char entry[32];
    for (size_t off : offsets) {
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", off);
        out += entry;
    }
    const int64_t size = m_size >= 0 ? m_size : int64_t(m_objects.size() + 1);
    out += "trailer\n<< /Size " + std::to_string(size) + " /Root 1 0 R " + m_trailerExtra +
           " >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

std::string rawPageContent(const std::string& marker, int k)
{
    return "BT /F1 24 Tf 72 700 Td (" + marker + " page " + std::to_string(k) + ") Tj ET";
}

namespace {

const char* kFont = "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>";
const char* kMediaBox = "/MediaBox [0 0 612 792]";

std::string ref(int object)
{
    return std::to_string(object) + " 0 R";
}

// The parts of a plain raw file that a case may bend.
struct RawParts
{
    std::string count;          // the /Count text; "" = the true count
    std::string kidsExtra;      // appended inside the root's /Kids
    std::string firstLength;    // replaces the first content stream's /Length; "" = true
    std::string firstPageExtra; // added to the first page's dictionary
    int64_t size = -1;          // the trailer's /Size; -1 = true
};

std::string buildRaw(int pages, const std::string& marker, const RawParts& parts = {})
{
    RawPdf pdf;
    pdf.add("<< /Type /Catalog /Pages 2 0 R >>");
    pdf.add(""); // the page tree, written once its kids are known
    const int font = pdf.add(kFont);
    std::string kids;
    for (int k = 1; k <= pages; ++k) {
        const std::string content = rawPageContent(marker, k);
        const int contents = k == 1 && !parts.firstLength.empty()
                                 ? pdf.add("<< /Length " + parts.firstLength + " >>\nstream\n" +
                                           content + "\nendstream")
                                 : pdf.addStream(content);
        const int page =
            pdf.add("<< /Type /Page /Parent 2 0 R " + std::string(kMediaBox) + " /Contents " +
                    ref(contents) + " " + (k == 1 ? parts.firstPageExtra : std::string()) + " >>");
        kids += ref(page) + " ";
    }
    pdf.set(2, "<< /Type /Pages /Kids [" + kids + parts.kidsExtra + "] /Count " +
                   (parts.count.empty() ? std::to_string(pages) : parts.count) +
                   " /Resources << /Font << /F1 " + ref(font) + " >> >> >>");
    pdf.setSize(parts.size);
    return pdf.bytes();
}

std::string randomBytes(size_t n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::string out(n, '\0');
    for (char& c : out)
        c = char(rng() & 0xFF);
    return out;
}

// Flips `count` random bits at random places.
std::string flipBits(std::string bytes, unsigned seed, int count)
{
    std::mt19937 rng(seed);
    for (int i = 0; i < count && !bytes.empty(); ++i)
        bytes[rng() % bytes.size()] ^= char(1u << (rng() % 8));
    return bytes;
}

// Replaces the text between `from` and `to` (both found in order) with junk of the same length.
std::string garble(std::string bytes, const std::string& from, const std::string& to, unsigned seed)
{
    const size_t a = bytes.rfind(from);
    const size_t b = a == std::string::npos ? a : bytes.find(to, a);
    if (b == std::string::npos)
        return bytes;
    std::mt19937 rng(seed);
    for (size_t i = a; i < b; ++i)
        bytes[i] = char('!' + rng() % 90);
    return bytes;
}

void addCuts(std::vector<HostileInput>& out, const std::string& stem, const std::string& good)
{
    const size_t n = good.size();
    for (size_t cut :
         {size_t(1), size_t(9), size_t(64), n / 4, n / 2, n * 3 / 4, n - 40, n - 7, n - 1}) {
        HostileInput in;
        in.name = stem + "-cut-at-" + std::to_string(cut);
        in.bytes = good.substr(0, cut);
        // A header or less is never a document; past that, repair may or may not succeed.
        in.verdict = cut <= 64 ? Verdict::Refused : Verdict::Either;
        out.push_back(in);
    }
}

} // namespace

std::string rawPdf(int pages, const std::string& marker)
{
    return buildRaw(pages, marker);
}

bool writeLargeRawPdf(const QString& path, int pages, const std::string& marker)
{
    std::FILE* f = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!f)
        return false;
    const int perNode = 100;
    const int nodes = (pages + perNode - 1) / perNode;
    // Objects: 1 catalog, 2 root, 3 font, 4..3+nodes the inner nodes, then per page its
    // contents and the page itself.
    const int firstPage = 4 + nodes;
    const int total = firstPage + 2 * pages - 1;
    std::vector<long> offsets;
    offsets.reserve(size_t(total));
    auto object = [&](const std::string& body) {
        offsets.push_back(std::ftell(f));
        std::fprintf(f, "%zu 0 obj\n%s\nendobj\n", offsets.size(), body.c_str());
    };
    std::fputs("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n", f);
    object("<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (int i = 0; i < nodes; ++i)
        kids += ref(4 + i) + " ";
    object("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) +
           " /Resources << /Font << /F1 3 0 R >> >> >>");
    object(kFont);
    for (int i = 0; i < nodes; ++i) {
        const int first = i * perNode, last = std::min(pages, first + perNode);
        std::string nodeKids;
        for (int p = first; p < last; ++p)
            nodeKids += ref(firstPage + 2 * p + 1) + " ";
        object("<< /Type /Pages /Parent 2 0 R /Kids [" + nodeKids + "] /Count " +
               std::to_string(last - first) + " >>");
    }
    for (int p = 0; p < pages; ++p) {
        const std::string content = rawPageContent(marker, p + 1);
        object("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
               "\nendstream");
        object("<< /Type /Page /Parent " + ref(4 + p / perNode) + " " + kMediaBox + " /Contents " +
               ref(firstPage + 2 * p) + " >>");
    }
    const long xref = std::ftell(f);
    std::fprintf(f, "xref\n0 %zu\n0000000000 65535 f \n", offsets.size() + 1);
    for (long off : offsets)
        std::fprintf(f, "%010ld 00000 n \n", off);
    std::fprintf(f, "trailer\n<< /Size %zu /Root 1 0 R >>\nstartxref\n%ld\n%%%%EOF\n",
                 offsets.size() + 1, xref);
    const bool ok = !std::ferror(f);
    return std::fclose(f) == 0 && ok;
}

std::vector<HostileInput> hostileInputs(const std::string& goodPdf)
{
    std::vector<HostileInput> out;
    auto add = [&](std::string name, std::string bytes, Verdict verdict, int pages = 0) {
        HostileInput in;
        in.name = std::move(name);
        in.bytes = std::move(bytes);
        in.verdict = verdict;
        in.pages = pages;
        out.push_back(in);
    };
    const int rawPages = 3;
    const std::string raw = rawPdf(rawPages, "raw");

    add("zero-length", "", Verdict::Refused);
    add("random-bytes", randomBytes(4096, 1), Verdict::Refused);
    add("header-then-random", "%PDF-1.7\n" + randomBytes(4096, 2), Verdict::Refused);
    add("text-named-pdf", "Dear reader,\nthis is a letter, not a document.\n", Verdict::Refused);

    // The objects are sound, so a reader that rebuilds the cross-references recovers them all.
    add("garbage-xref", garble(raw, "xref", "trailer", 3), Verdict::Opens, rawPages);
    {
        std::string bytes = raw;
        const size_t at = bytes.rfind("startxref\n") + 10;
        bytes.replace(at, bytes.find('\n', at) - at, "17");
        add("startxref-points-inside", bytes, Verdict::Opens, rawPages);
    }

    // The tree's own counts are hints; the kids are what a reader must trust.
    const std::pair<const char*, const char*> counts[] = {
        {"huge", "2147483647"}, {"zero", "0"}, {"negative", "-5"}, {"fraction", "1.5"}};
    for (const auto& [label, count] : counts) {
        RawParts parts;
        parts.count = count;
        add(std::string("count-lies-") + label, buildRaw(rawPages, "raw", parts), Verdict::Opens,
            rawPages);
    }
    {
        // A count too big for any integer makes the tree itself unreadable.
        RawParts parts;
        parts.count = "99999999999999999999";
        add("count-unreadable", buildRaw(rawPages, "raw", parts), Verdict::Either);
    }
    {
        RawParts parts;
        parts.size = 2147483647;
        add("trailer-size-lies", buildRaw(rawPages, "raw", parts), Verdict::Opens, rawPages);
    }

    // Page trees that loop back on themselves, directly and through a page.
    {
        RawParts parts;
        parts.kidsExtra = "2 0 R";
        add("tree-loops-to-root", buildRaw(rawPages, "raw", parts), Verdict::Either);
        parts.kidsExtra = "1 0 R 5 0 R 5 0 R";
        add("tree-kids-odd", buildRaw(rawPages, "raw", parts), Verdict::Either);
        RawPdf pdf;
        pdf.add("<< /Type /Catalog /Pages 2 0 R >>");
        pdf.add("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
        pdf.add("<< /Type /Pages /Parent 2 0 R /Kids [4 0 R 2 0 R] /Count 1 >>");
        pdf.add("<< /Type /Page /Parent 3 0 R " + std::string(kMediaBox) + " >>");
        add("tree-loops-through-child", pdf.bytes(), Verdict::Either);
    }

    // Stream lengths that lie: too short, past the end, and pointing at nothing.
    const std::pair<const char*, const char*> lengths[] = {
        {"short", "5"}, {"past-end", "999999"}, {"missing-object", "99 0 R"}, {"negative", "-1"}};
    for (const auto& [label, length] : lengths) {
        RawParts parts;
        parts.firstLength = length;
        add(std::string("stream-length-") + label, buildRaw(rawPages, "raw", parts),
            Verdict::Either);
    }
    {
        RawParts parts;
        parts.firstPageExtra = "/Annots " + std::string(600, '[') + std::string(600, ']');
        add("deep-nesting", buildRaw(rawPages, "raw", parts), Verdict::Either);
    }

    addCuts(out, "raw", raw);
    addCuts(out, "made", goodPdf);
    for (unsigned seed = 1; seed <= 10; ++seed) {
        const int bits = int(1 + seed % 4) * 2;
        add("made-flips-" + std::to_string(seed), flipBits(goodPdf, seed, bits), Verdict::Either);
        add("raw-flips-" + std::to_string(seed), flipBits(raw, seed + 100, bits), Verdict::Either);
    }
    return out;
}

std::vector<HostileInput> objectStreamInputs(const std::string& packed, int pages)
{
    std::vector<HostileInput> out;
    auto add = [&](std::string name, std::string bytes, Verdict verdict) {
        out.push_back({std::move(name), std::move(bytes), verdict, pages, {}});
    };
    add("objstm-sound", packed, Verdict::Opens);
    // The start of each object stream's data: its header of object numbers and offsets.
    std::vector<size_t> headers;
    for (size_t at = packed.find("/ObjStm"); at != std::string::npos;
         at = packed.find("/ObjStm", at + 1)) {
        const size_t data = packed.find("stream\n", at);
        if (data != std::string::npos)
            headers.push_back(data + 7);
    }
    for (size_t i = 0; i < headers.size() && i < 4; ++i) {
        const std::string n = std::to_string(i + 1);
        std::string bytes = packed;
        for (size_t j = headers[i]; j < headers[i] + 24 && j < bytes.size(); ++j)
            bytes[j] = 'x';
        add("objstm-header-garbage-" + n, bytes, Verdict::Either);
        // The second object's offset pointing elsewhere, the length kept.
        bytes = packed;
        size_t at = headers[i];
        for (int token = 0; token < 3 && at < bytes.size(); ++token)
            at = bytes.find(' ', bytes.find_first_not_of(' ', at));
        if (at == std::string::npos)
            continue;
        for (++at; at < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes[at])); ++at)
            bytes[at] = '9';
        add("objstm-offset-lies-" + n, bytes, Verdict::Either);
    }
    for (unsigned seed = 1; seed <= 4; ++seed)
        add("objstm-flips-" + std::to_string(seed), flipBits(packed, seed + 200, 4),
            Verdict::Either);
    return out;
}

} // namespace paginor::test
