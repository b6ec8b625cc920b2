// The reading layer: the block-buffered file source against qpdf's in-memory one, and the
// pruning of shared resources.
#include "engine/BlockInputSource.h"
#include "engine/ObjectStreamReader.h"
#include "engine/ResourcePruner.h"
#include "support/PdfFactory.h"

#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDF.hh>

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

    BlockInputSource block(QFile::encodeName(path).toStdString());
    Buffer bytes(reinterpret_cast<unsigned char*>(data.data()), data.size());
    BufferInputSource memory("memory", &bytes);
    EXPECT_EQ(walk(block, qpdf_offset_t(data.size())), walk(memory, qpdf_offset_t(data.size())));
    EXPECT_THROW(block.seek(-1, SEEK_SET), std::exception);
    EXPECT_THROW(BlockInputSource(QFile::encodeName(dir.path("none")).toStdString()),
                 std::exception);
}

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
        QPDF pdf;
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
        auto shared = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        shared.replaceKey("/Font", fonts);
        shared.replaceKey("/XObject", xobjects);
        auto content = QPDFObjectHandle::newStream(&pdf, c.content ? c.content : "garbage");
        if (!c.content)
            content.getDict().replaceKey("/Filter", QPDFObjectHandle::newName("/FlateDecode"));
        auto page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 100 100] >>");
        page.replaceKey("/Resources", shared);
        page.replaceKey("/Contents", content);
        page = pdf.makeIndirectObject(page);

        ResourcePruner().prune(page);
        auto kept = page.getKey("/Resources");
        EXPECT_EQ(kept.getKey("/Font").getKeys(), c.fonts);
        EXPECT_EQ(kept.getKey("/XObject").getKeys(), c.xobjects);
        // The shared dictionary other pages use is untouched.
        EXPECT_EQ(shared.getKey("/Font").getKeys().size(), 2u);
        EXPECT_EQ(shared.getKey("/XObject").getKeys().size(), 2u);
    }
}

// Objects outside object streams are read apart from the file once each, whole objects only:
// streams, objects the table misplaces and second uses are left to the document.
TEST(Reading, ObjectsInTheFileAreReadApartOnceAndWhole)
{
    const std::vector<std::string> bodies = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 10 10] >>",
        "<< /Plain [1 (two) /three] >>",
        "<< /Length 2 >>\nstream\nxx\nendstream",
        "(misplaced)",
        "(seven)"};
    std::string file = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < bodies.size(); ++i) {
        offsets.push_back(file.size());
        file += std::to_string(i + 1) + " 0 obj\n" + bodies[i] + "\nendobj\n";
    }
    offsets[5] = offsets[6]; // object 6 points at object 7
    const size_t xref = file.size();
    file += "xref\n0 8\n0000000000 65535 f \n";
    for (size_t at : offsets) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", at);
        file += line;
    }
    file += "trailer << /Size 8 /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
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
        {4, "<< /Plain [ 1 (two) /three ] >>"}, {4, ""}, {5, ""}, {6, ""}, {7, "(seven)"}, {9, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.object);
        QPDFObjectHandle got;
        const bool read = reader.readOnce(QPDFObjGen(c.object, 0), got);
        EXPECT_EQ(read ? got.unparse() : std::string(), c.expected);
    }
    EXPECT_TRUE(reader.readApart(QPDFObjGen(3, 0), value)); // a look does not use it up
    EXPECT_TRUE(reader.readApart(QPDFObjGen(3, 0), value));
    EXPECT_EQ(value.getKey("/MediaBox").unparse(), "[ 0 0 10 10 ]");
}
