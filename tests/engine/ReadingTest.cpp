// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// The reading layer: the block-buffered file source against qpdf's in-memory one, the plain
// scan of destinations, and the pruning of shared resources.
#include "engine/read/BlockInputSource.h"
#include "engine/read/DestinationScanner.h"
#include "engine/read/ObjectStreamReader.h"
#include "engine/read/PlainObjectScanner.h"
#include "engine/write/ResourcePruner.h"
#include "support/PdfFactory.h"

#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFTokenizer.hh>

#include <QFile>
#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace paginor;
using namespace paginor::test;

namespace {

// What a mix of seeks, reads, steps back and end-of-line searches returns, as text.
std::string walk(InputSource& in, qpdf_offset_t size)
{
    std::string trace;
    char buffer[9000];
    for (qpdf_offset_t at : {qpdf_offset_t(0), size / 2 - 3, qpdf_offset_t(65535), size - 5,
                             qpdf_offset_t(61437), size}) {
        in.seek(at, SEEK_SET);
        const size_t n = in.read(buffer, sizeof buffer);
        trace += std::to_string(n) + ":" + std::string(buffer, std::min<size_t>(n, 40)) + "@" +
                 std::to_string(in.getLastOffset()) + "/" + std::to_string(in.tell()) + " ";
        in.unreadCh('x');
        trace += std::to_string(in.findAndSkipNextEOL()) + "," + std::to_string(in.tell()) + " ";
    }
    in.seek(-7, SEEK_END);
    trace += std::to_string(in.tell()) + " ";
    in.seek(-2, SEEK_CUR);
    trace += std::to_string(in.tell());
    return trace;
}

} // namespace

TEST(Reading, BlockSourceReadsAsTheInMemorySource)
{
    TempDir dir;
    // Line ends of every kind, runs of them, and one across each block boundary.
    std::string data;
    for (int i = 0; data.size() < 200000; ++i)
        data += std::string(size_t(i % 97), char('a' + i % 26)) + (i % 3 == 0   ? "\r\n"
                                                                   : i % 3 == 1 ? "\n\n\r"
                                                                                : "\r");
    data[65535] = '\n';
    data[131071] = '\r';
    const QString path = dir.path("data.bin");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(data.data(), qint64(data.size()));
    file.close();

    Buffer bytes(reinterpret_cast<unsigned char*>(data.data()), data.size());
    BufferInputSource memory("memory", &bytes);
    const std::string expected = walk(memory, qpdf_offset_t(data.size()));
    // One block read again for every move; a few, the least recently used given up; all kept.
    for (const auto& [size, count] : {std::pair<size_t, size_t>{8192, 1}, {4096, 3}, {32768, 32}}) {
        BlockInputSource block(QFile::encodeName(path).toStdString(), size, count);
        EXPECT_EQ(walk(block, qpdf_offset_t(data.size())), expected) << size << " x " << count;
        // Again with the blocks the first walk left behind.
        EXPECT_EQ(walk(block, qpdf_offset_t(data.size())), expected) << size << " x " << count;
        block.releaseBlock();
        EXPECT_EQ(walk(block, qpdf_offset_t(data.size())), expected) << size << " x " << count;
        EXPECT_THROW(block.seek(-1, SEEK_SET), std::exception);
    }
    BlockInputSource mapped(QFile::encodeName(path).toStdString(), true);
    ASSERT_TRUE(mapped.mapped());
    EXPECT_EQ(walk(mapped, qpdf_offset_t(data.size())), expected);
    mapped.releaseBlock();
    EXPECT_EQ(walk(mapped, qpdf_offset_t(data.size())), expected);
    EXPECT_THROW(BlockInputSource(QFile::encodeName(dir.path("none")).toStdString()),
                 std::exception);
}

TEST(Reading, MappedFileCutShortFailsTheRead)
{
    // Another program truncating an open source must give a failed read, not end the process.
    TempDir dir;
    const QString path = dir.path("cut.bin");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3 * 65536, 'x'));
    file.close();
    BlockInputSource mapped(QFile::encodeName(path).toStdString(), true);
    ASSERT_TRUE(mapped.mapped());
    char bytes[16];
    EXPECT_EQ(mapped.read(bytes, sizeof bytes), sizeof bytes);
    ASSERT_TRUE(QFile::resize(path, 100));
    mapped.seek(2 * 65536, SEEK_SET);
    EXPECT_THROW(mapped.read(bytes, sizeof bytes), std::exception);
    mapped.seek(0, SEEK_SET);
    EXPECT_EQ(mapped.read(bytes, sizeof bytes), sizeof bytes); // what is left still reads
}

namespace {

// Two fonts, a form drawing with the second and an image, in one resource dictionary that
// pages share.
struct SharedResources
{
    QPDF pdf;
    QPDFObjectHandle shared;

    SharedResources()
    {
        pdf.emptyPDF();
        auto font = [&](const char* base) {
            return pdf.makeIndirectObject(QPDFObjectHandle::parse(
                std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + base + " >>"));
        };
        auto form = QPDFObjectHandle::newStream(&pdf, "BT /F2 10 Tf (f) Tj ET");
        form.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
        auto image = QPDFObjectHandle::newStream(&pdf, "x");
        image.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
        auto fonts = QPDFObjectHandle::newDictionary();
        fonts.replaceKey("/F1", font("Helvetica"));
        fonts.replaceKey("/F2", font("Courier"));
        auto xobjects = QPDFObjectHandle::newDictionary();
        xobjects.replaceKey("/Fm1", form);
        xobjects.replaceKey("/Im1", image);
        shared = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        shared.replaceKey("/Font", fonts);
        shared.replaceKey("/XObject", xobjects);
    }

    // A page drawing `content`; null content cannot be decoded.
    QPDFObjectHandle page(const char* content)
    {
        auto stream = QPDFObjectHandle::newStream(&pdf, content ? content : "garbage");
        if (!content)
            stream.getDict().replaceKey("/Filter", QPDFObjectHandle::newName("/FlateDecode"));
        auto page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 100 100] >>");
        page.replaceKey("/Resources", shared);
        page.replaceKey("/Contents", stream);
        return pdf.makeIndirectObject(page);
    }
};

std::set<std::string> kept(QPDFObjectHandle page, const char* type)
{
    return page.getKey("/Resources").getKey(type).getKeys();
}

} // namespace

TEST(Reading, PruningKeepsWhatThePageDraws)
{
    struct Case
    {
        const char* content;
        std::set<std::string> fonts, xobjects;
    };
    const Case cases[] = {
        {"BT /F1 12 Tf (a) Tj ET", {"/F1"}, {}},
        // A form without resources draws with the page's.
        {"/Fm1 Do", {"/F2"}, {"/Fm1"}},
        {"BT /F#31 9 Tf ET /Im1 Do", {"/F1"}, {"/Im1"}},
        // Content that cannot be decoded keeps everything.
        {nullptr, {"/F1", "/F2"}, {"/Fm1", "/Im1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content ? c.content : "undecodable");
        SharedResources doc;
        auto page = doc.page(c.content);
        ResourcePruner().prune(page);
        EXPECT_EQ(kept(page, "/Font"), c.fonts);
        EXPECT_EQ(kept(page, "/XObject"), c.xobjects);
        // The shared dictionary other pages use is untouched.
        EXPECT_EQ(doc.shared.getKey("/Font").getKeys().size(), 2u);
        EXPECT_EQ(doc.shared.getKey("/XObject").getKeys().size(), 2u);
    }
}

// Within one output, once its pages have drawn with everything a shared dictionary holds, the
// next pages keep it whole; the next output starts afresh.
TEST(Reading, PruningStopsWhenTheOutputDrawsWithEverything)
{
    SharedResources doc;
    ResourcePruner pruner;
    pruner.startOutput();
    auto first = doc.page("BT /F1 12 Tf (a) Tj ET");
    auto second = doc.page("/Fm1 Do /Im1 Do");
    auto third = doc.page("BT /F1 12 Tf (c) Tj ET");
    for (auto page : {first, second, third})
        pruner.prune(page, true);
    EXPECT_EQ(kept(first, "/Font"), std::set<std::string>{"/F1"});
    EXPECT_EQ(kept(second, "/Font"), std::set<std::string>{"/F2"});
    EXPECT_EQ(third.getKey("/Resources").getObjGen(), doc.shared.getObjGen());

    pruner.startOutput();
    auto alone = doc.page("BT /F1 12 Tf (c) Tj ET");
    pruner.prune(alone, true);
    EXPECT_EQ(kept(alone, "/Font"), std::set<std::string>{"/F1"});
    EXPECT_TRUE(kept(alone, "/XObject").empty());
}

// Objects outside object streams are read apart from the file once each, whole objects only:
// streams, objects the table misplaces and second uses are left to the document.
TEST(Reading, ObjectsInTheFileAreReadApartOnceAndWhole)
{
    auto repeated = [](const std::string& text, int times) {
        std::string all;
        for (int i = 0; i < times; ++i)
            all += text;
        return all;
    };
    const std::vector<std::string> bodies = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 10 10] >>",
        "<< /Plain [1 (two) /three] >>",
        "<< /Length 2 >>\nstream\nxx\nendstream",
        "(misplaced)",
        "(seven)",
        "<< /Escaped (a\\)b) % note\n /Hex <41 42> /On true >>", // the general parser's
        "[" + repeated("1 ", 5000) + "]"};                       // past the scan's window
    std::string file = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < bodies.size(); ++i) {
        offsets.push_back(file.size());
        file += std::to_string(i + 1) + " 0 obj\n" + bodies[i] + "\nendobj\n";
    }
    offsets[5] = offsets[6]; // object 6 points at object 7
    const size_t xref = file.size();
    file += "xref\n0 " + std::to_string(bodies.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t at : offsets) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", at);
        file += line;
    }
    file += "trailer << /Size " + std::to_string(bodies.size() + 1) +
            " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    TempDir dir;
    const QString path = dir.path("plain.pdf");
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(file.data(), qint64(file.size())));
    out.close();

    QPDF pdf;
    auto input = std::make_shared<BlockInputSource>(QFile::encodeName(path).toStdString());
    pdf.processInputSource(input);
    ObjectStreamReader reader(pdf, {});
    QPDFObjectHandle value;
    EXPECT_FALSE(reader.readOnce(QPDFObjGen(4, 0), value)); // not given the file yet
    reader.setFileInput(input);
    const struct
    {
        int object;
        const char* expected; // "" when left to the document
    } cases[] = {
        {4, "<< /Plain [ 1 (two) /three ] >>"},           {4, ""}, {5, ""}, {6, ""}, {7, "(seven)"},
        {8, "<< /Escaped (a\\)b) /Hex (AB) /On true >>"}, {11, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.object);
        QPDFObjectHandle got;
        const bool read = reader.readOnce(QPDFObjGen(c.object, 0), got);
        EXPECT_EQ(read ? got.unparse() : std::string(), c.expected);
    }
    QPDFObjectHandle longArray;
    ASSERT_TRUE(reader.readOnce(QPDFObjGen(9, 0), longArray));
    EXPECT_EQ(longArray.getArrayNItems(), 5000);
    EXPECT_TRUE(reader.readApart(QPDFObjGen(3, 0), value)); // a look does not use it up
    EXPECT_TRUE(reader.readApart(QPDFObjGen(3, 0), value));
    EXPECT_EQ(value.getKey("/MediaBox").unparse(), "[ 0 0 10 10 ]");
}

namespace {

// An object as text with the type of every value, so that 5 and 5.0 or a reference and its
// number differ.
std::string typed(QPDFObjectHandle h)
{
    std::string text = std::to_string(int(h.getTypeCode())) + ":";
    if (h.isIndirect())
        return text + h.unparse();
    if (h.isArray())
        for (auto item : h.aitems())
            text += typed(item) + " ";
    else if (h.isDictionary())
        for (const auto& [key, item] : h.ditems())
            text += key + "=" + typed(item) + " ";
    else
        text += h.unparse();
    return text;
}

} // namespace

// What the plain scan takes it must read exactly as qpdf's parser; everything else, including
// damage, it must leave to the parser.
TEST(Reading, ThePlainScanReadsDestinationsAsTheParserDoesAndRefusesTheRest)
{
    QPDF pdf;
    pdf.emptyPDF(); // objects 1 and 2
    auto known = [](QPDFObjGen og) {
        return og.getGen() == 0 && (og.getObj() == 1 || og.getObj() == 2);
    };
    std::string longArray = "[";
    for (int i = 0; i < 600; ++i)
        longArray += "0 ";
    longArray += "]";
    const std::vector<std::pair<std::string, bool>> cases{
        {"[1 0 R /XYZ 56.69 740 null]", true},
        {"\n [ 2  0\r\nR/FitH -0.5]% the next object", true},
        {"[1 0 R /FitR -3 0.50 007 10]<<", true},
        {"[2 0 R/Fit]", true},
        {"[]", true},
        {"<< /D [1 0 R /XYZ 0 792 0] >>", true},
        {"<</D[1 0 R/Fit]/S/GoTo/N 3>>", true},
        {"<</Limits[(a.1)(b 2)]/Names[(a.1)1 0 R(b 2)2 0 R]>>", true},
        {"<</Kids[1 0 R 2 0 R]/Limits[(\xfe\xff)(z)]>>", true},
        {"[(a\\)b)]", false}, // strings the parser translates
        {"[(a(b))]", false},
        {"[(line\r\nend)]", false},
        {"[(open]", false},
        {"<</Subtype/Link/Border[0 0 0]/A<</S/URI/URI(https://x.org/a?b=1)>>/P 2 0 R>>", true},
        {"[[[[[[[[1]]]]]]]]", true},
        {"<</Font<</F1.a-b_c+2 1 0 R>>/ProcSet[/PDF/Text]>>", true},
        {"[[[[[[[[[1]]]]]]]]]", false}, // nesting past any destination or link
        {"<</A null/B 1>>", false},     // null values, stored as missing keys
        {"[1 0 R <00ff> < FE ff 0 0 41 > <>]", true},
        {"[<abc>]", false}, // an odd count of digits
        {"[<0g>]", false},
        {"<</I true/K false>>", true},
        {"[truex]", false},
        {"[1 0 R % note\n /Fit%]\r]", true}, // comments
        {"[1 0 R /X#59Z 0 0 null]", false},  // escapes in names
        {"[1 0 R /XYZ 1e5 .5 +5]", false},   // unusual numbers
        {"[1 0 R /XYZ 1.2.3 0 null]", false},
        {"[1 0 R /XYZ 1234567890123456789 0]", false},
        {"[1 0 R /XYZ 1234567890123456789012345678 0]", false}, // past 64 bits
        {"[1 0 R /Fit nullx]", false},
        {"[1 0 Rx /Fit]", false},
        {"[9 0 R /Fit]", false}, // objects the document lacks
        {"[1 1 R /Fit]", false},
        {"[2147483648 0 R /Fit]", false},
        {"[1 0 R /XYZ 0 0 null", false}, // cut short
        {"[1 0 R /Fit] ", true},
        {longArray, false}, // longer than any name-tree node
        {"<< /D [1 0 R /Fit] /D [2 0 R /Fit] >>", false},
        {"1 0 R", false},
        {"", false},
    };
    for (const auto& [bytes, accepted] : cases) {
        SCOPED_TRACE(bytes);
        QPDFObjectHandle scanned;
        ASSERT_EQ(scanPlainObject(bytes.data(), bytes.data() + bytes.size(), pdf, known, scanned),
                  accepted);
        if (!accepted) {
            EXPECT_FALSE(scanned.isInitialized()) << "left alone";
            continue;
        }
        auto input = std::make_shared<BufferInputSource>("case", bytes);
        QPDFTokenizer tokenizer;
        bool empty = false;
        auto parsed = QPDFObjectHandle::parse(input, "case", tokenizer, empty, nullptr, &pdf);
        EXPECT_EQ(typed(scanned), typed(parsed));
    }
}

// With a key list, a dictionary keeps those keys and steps over the rest unread.
TEST(Reading, ThePlainScanKeepsOnlyTheKeysAsked)
{
    QPDF pdf;
    pdf.emptyPDF();
    auto known = [](QPDFObjGen og) {
        return og.getGen() == 0 && (og.getObj() == 1 || og.getObj() == 2);
    };
    const KeyList keys{"/Type", "/Kids", "/Resources"};
    const std::vector<std::pair<std::string, std::string>> cases{
        // Values not asked for may hold what the plain scan refuses to build.
        {"<</Type/Page/Annots[1 0 R 9 0 R null]/Contents 2 0 R/Resources 1 0 R>>",
         "<< /Resources 1 0 R /Type /Page >>"},
        {"<</Group<</S/Transparency/X<</Y[[1]]>>>>/Kids[2 0 R]/Type/Pages>>",
         "<< /Kids [ 2 0 R ] /Type /Pages >>"},
        {"<</Resources<</Font<</F1 1 0 R>>>>/Type/Page>>",
         "<< /Resources << /Font << /F1 1 0 R >> >> /Type /Page >>"},
        {"<</Type/Page/Type/Pages>>", "-"}, // a repeated key asked for
        {"<</Type/Page/Annots[1 0 R>>", "-"},
        {"<</Type/Page/Annots 1 0>>", "-"},
        {"<</Type/Page/A/B#20C>>", "-"},
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(bytes);
        QPDFObjectHandle scanned;
        const bool read = scanPlainObject(bytes.data(), bytes.data() + bytes.size(), pdf, known,
                                          scanned, nullptr, &keys);
        EXPECT_EQ(read ? scanned.unparse() : "-", expected);
    }
}

// Destinations and name-tree nodes read without building objects: what each shape gives, and
// the shapes left to the general reading ("-").
TEST(Reading, DestinationsAndNameNodesAreReadFromTheirBytesOrLeftAlone)
{
    auto dest = [](const std::string& bytes) {
        std::vector<PlainItem> items;
        if (!scanDestination(bytes.data(), bytes.data() + bytes.size(), items))
            return std::string("-");
        std::string text;
        for (const auto& item : items)
            text += item.kind == PlainItem::Reference
                        ? "R" + std::to_string(item.reference.getObj()) + " "
                        : "kind" + std::to_string(item.kind) + ":" + std::string(item.text) + " ";
        return text;
    };
    const std::vector<std::pair<std::string, std::string>> dests{
        {"[3 0 R /XYZ 56.69 -740 null]", "R3 kind3:/XYZ kind2:56.69 kind1:-740 kind5:null "},
        {"<</D[0/Fit]/S/GoTo/Limits[(a)(b)]>>", "kind1:0 kind3:/Fit "},
        {"[]", ""},
        {"[3 0 R /XYZ [0] 0]", "-"},
        {"<</S/GoTo>>", "-"},
        {"<</D[3 0 R/Fit]/D[4 0 R/Fit]>>", "-"},
        {"<</D 5 0 R>>", "-"},
        {"<</D[3 0 R/Fit]/A<</S/GoTo>>>>", "-"},
        {"[3 0 R /XYZ 1e5 0 null]", "-"},
        {"[3 0 R /XYZ (x\\)) 0]", "-"},
        {"[3 0 R /X#59Z]", "-"},
        {"[3 0 R % note\n/Fit]", "R3 kind3:/Fit "},
        {"[3 0 R /Fit", "-"},
        {"(name)", "-"},
    };
    for (const auto& [bytes, expected] : dests)
        EXPECT_EQ(dest(bytes), expected) << bytes;

    auto node = [](const std::string& bytes) {
        std::vector<std::pair<std::string, QPDFObjGen>> names;
        std::vector<QPDFObjGen> kids;
        if (!scanNameNode(bytes.data(), bytes.data() + bytes.size(), names, kids))
            return std::string("-");
        std::string text;
        for (const auto& [key, value] : names)
            text += key + "=" + std::to_string(value.getObj()) + " ";
        for (const auto& kid : kids)
            text += "kid" + std::to_string(kid.getObj()) + " ";
        return text;
    };
    const std::vector<std::pair<std::string, std::string>> nodes{
        {"<</Limits[(a)(b c)]/Names[(a)7 0 R(b c)8 0 R]>>", "a=7 b c=8 "},
        {"<< /Kids [ 4 0 R 5 0 R ] /Limits [ (a) (z) ] >>", "kid4 kid5 "},
        {"<<>>", ""},
        {"<</Names[(a)[3 0 R /Fit]]>>", "-"}, // values stored in place
        {"<</Names[(a)7 0 R(b)]>>", "-"},
        {"<</Names[/a 7 0 R]>>", "-"},
        {"<</Names 9 0 R>>", "-"},
        {"<</Kids[<</Names[]>>]>>", "-"},
        {"<</Kids[4 0 R]/Kids[5 0 R]>>", "-"},
        {"<</Names[(a\\)b)7 0 R]>>", "-"},
    };
    for (const auto& [bytes, expected] : nodes)
        EXPECT_EQ(node(bytes), expected) << bytes;
}
