// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

// Test PDFs made with libqpdf, so every test builds exactly the file it needs.
#include "support/PdfFactory.h"

#include <QDir>
#include <QFile>

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <cctype>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace paginor::test {

namespace {

QPDFObjectHandle parse(const std::string& text)
{
    return QPDFObjectHandle::parse(text);
}

QPDFObjectHandle newStream(QPDF& pdf, const std::string& data)
{
    return QPDFObjectHandle::newStream(&pdf, data);
}

// Page text as it appears in the content stream: "<marker> page k".
std::string pageText(const PdfSpec& recipe, int k)
{
    return recipe.marker.toStdString() + " page " + std::to_string(k);
}

QPDFObjectHandle makeFont(QPDF& pdf, bool program)
{
    auto font = pdf.makeIndirectObject(
        parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
    if (program) {
        std::string bytes(3000, '\0');
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 7 % 256);
        auto descriptor = pdf.makeIndirectObject(
            parse("<< /Type /FontDescriptor /FontName /Helvetica /Flags 32 "
                  "/FontBBox [0 0 1000 1000] /ItalicAngle 0 /Ascent 700 /Descent -200 "
                  "/CapHeight 700 /StemV 80 >>"));
        descriptor.replaceKey("/FontFile3", newStream(pdf, bytes));
        font.replaceKey("/FontDescriptor", descriptor);
    }
    return font;
}

// An image of a few kilobytes, distinct per page: large enough that copying every page's one
// into every output shows in the size of a per-page split.
QPDFObjectHandle makeImage(QPDF& pdf, int k)
{
    std::string pixels(64 * 64, char(k % 251));
    for (size_t i = 0; i < pixels.size(); i += 7)
        pixels[i] = char((i * 31 + size_t(k)) % 256);
    auto image = newStream(pdf, pixels);
    image.replaceDict(parse("<< /Type /XObject /Subtype /Image /Width 64 /Height 64 "
                            "/ColorSpace /DeviceGray /BitsPerComponent 8 >>"));
    return image;
}

// A grey picture of `kilobytes` KB of noise, which no compression makes smaller.
QPDFObjectHandle makeNoise(QPDF& pdf, int k, int kilobytes)
{
    std::string pixels(size_t(kilobytes) * 1024, '\0');
    uint32_t state = 2166136261u ^ uint32_t(k);
    for (char& c : pixels) {
        state = state * 1664525u + 1013904223u;
        c = char(state >> 24);
    }
    auto image = newStream(pdf, pixels);
    image.replaceDict(parse("<< /Type /XObject /Subtype /Image /Width 1024 /Height " +
                            std::to_string(kilobytes) +
                            " /ColorSpace /DeviceGray /BitsPerComponent 8 >>"));
    return image;
}

void encrypt(QPDFWriter& w, const PdfSpec& recipe)
{
    const std::string userUtf8 = recipe.userPassword.toStdString();
    const std::string ownerUtf8 =
        recipe.ownerPassword.isEmpty() ? userUtf8 + "-owner" : recipe.ownerPassword.toStdString();
    // Older encryption keys are made from PDFDocEncoding bytes, AES-256 from UTF-8, as
    // producers do.
    const std::string user = QUtil::utf8_to_pdf_doc(userUtf8);
    const std::string owner = QUtil::utf8_to_pdf_doc(ownerUtf8);
    const bool allow = !recipe.restricted;
    const auto print = allow ? qpdf_r3p_full : qpdf_r3p_none;
    switch (recipe.encryption) {
    case Encryption::None:
        break;
    case Encryption::Rc4_40:
        w.setR2EncryptionParametersInsecure(user.c_str(), owner.c_str(), allow, allow, allow,
                                            allow);
        break;
    case Encryption::Rc4_128:
        w.setR3EncryptionParametersInsecure(user.c_str(), owner.c_str(), true, allow, allow, allow,
                                            allow, allow, print);
        break;
    case Encryption::Aes_128:
        w.setR4EncryptionParametersInsecure(user.c_str(), owner.c_str(), true, allow, allow, allow,
                                            allow, allow, print, true, true);
        break;
    case Encryption::Aes_256:
        w.setR6EncryptionParameters(userUtf8.c_str(), ownerUtf8.c_str(), true, allow, allow, allow,
                                    allow, allow, print, true);
        break;
    }
}

// The document extras of PdfSpec::extras; `layers` holds page k's layer at k - 1.
void addExtras(QPDF& pdf, const PdfSpec& recipe, std::vector<QPDFObjectHandle> layers)
{
    const std::string m = recipe.marker.toStdString();
    auto info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    for (const char* key : {"/Title", "/Author", "/Subject", "/Keywords"}) {
        std::string word = key + 1;
        word[0] = char(std::tolower(word[0]));
        info.replaceKey(key, QPDFObjectHandle::newUnicodeString(m + " " + word));
    }
    pdf.getTrailer().replaceKey("/Info", info);
    auto root = pdf.getRoot();
    auto xmp = newStream(pdf, "<x:xmpmeta xmlns:x='adobe:ns:meta/'>" + m + "</x:xmpmeta>");
    xmp.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
    xmp.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
    root.replaceKey("/Metadata", xmp);

    auto order = QPDFObjectHandle::newArray();
    for (size_t k = 0; k < layers.size(); ++k)
        order.appendItem(k == 1 ? layers[k].wrapInArray() : layers[k]);
    auto config = parse("<< /RBGroups [] >>");
    config.replaceKey("/Name", QPDFObjectHandle::newString(m));
    config.replaceKey("/Order", order);
    if (layers.size() >= 2) {
        config.replaceKey("/OFF", layers[1].wrapInArray());
        config.getKey("/RBGroups").appendItem(QPDFObjectHandle::newArray({layers[0], layers[1]}));
    }
    auto properties = QPDFObjectHandle::newDictionary();
    properties.replaceKey("/OCGs", QPDFObjectHandle::newArray(layers));
    properties.replaceKey("/D", config);
    root.replaceKey("/OCProperties", properties);

    auto data = newStream(pdf, m + " invoice");
    data.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/EmbeddedFile"));
    auto file = pdf.makeIndirectObject(
        parse("<< /Type /Filespec /F (invoice.xml) /UF (invoice.xml) /AFRelationship /Data >>"));
    file.replaceKey("/EF", QPDFObjectHandle::newDictionary());
    file.getKey("/EF").replaceKey("/F", data);
    auto names = parse("<< /EmbeddedFiles << /Names [(invoice.xml)] >> >>");
    names.getKey("/EmbeddedFiles").getKey("/Names").appendItem(file);
    root.replaceKey("/Names", names);
    root.replaceKey("/AF", file.wrapInArray());
}

} // namespace

void makePdf(const QString& path, const PdfSpec& recipe)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper dh(pdf);
    auto font = makeFont(pdf, recipe.fontProgram);

    QPDFObjectHandle shared;
    if (recipe.sharedResources) {
        auto xobjects = QPDFObjectHandle::newDictionary();
        for (int k = 1; k <= recipe.pages; ++k)
            xobjects.replaceKey("/X" + std::to_string(k), makeImage(pdf, k));
        shared = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        shared.replaceKey("/Font", parse("<< >>"));
        shared.getKey("/Font").replaceKey("/F1", font);
        shared.replaceKey("/XObject", xobjects);
    }

    std::vector<QPDFObjectHandle> layers;
    for (int k = 1; recipe.extras && k <= recipe.pages; ++k) {
        auto layer = pdf.makeIndirectObject(parse("<< /Type /OCG >>"));
        layer.replaceKey("/Name", QPDFObjectHandle::newString(recipe.marker.toStdString() +
                                                              " layer " + std::to_string(k)));
        layers.push_back(layer);
    }

    for (int k = 1; k <= recipe.pages; ++k) {
        std::string content = "BT /F1 24 Tf 72 700 Td (" + pageText(recipe, k) + ") Tj ET\n";
        if (recipe.extras)
            content = "/OC /L BDC " + content + "EMC\n";
        if (recipe.sharedResources)
            content += "q 100 0 0 100 72 72 cm /X" + std::to_string(k) + " Do Q\n";
        const int kilobytes =
            size_t(k) <= recipe.imageKilobytes.size() ? recipe.imageKilobytes[size_t(k - 1)] : 0;
        if (kilobytes > 0)
            content += "q 100 0 0 100 300 300 cm /Big Do Q\n";
        auto page = pdf.makeIndirectObject(parse("<< /Type /Page /MediaBox [0 0 612 792] >>"));
        page.replaceKey("/Contents", newStream(pdf, content));
        if (recipe.rotate != 0)
            page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(recipe.rotate));
        if (recipe.sharedResources) {
            page.replaceKey("/Resources", shared);
        } else {
            auto res = parse("<< /Font << >> >>");
            res.getKey("/Font").replaceKey("/F1", font);
            if (recipe.extras) {
                res.replaceKey("/Properties", QPDFObjectHandle::newDictionary());
                res.getKey("/Properties").replaceKey("/L", layers[size_t(k - 1)]);
            }
            if (kilobytes > 0)
                res.replaceKey("/XObject", parse("<< >>"));
            if (kilobytes > 0)
                res.getKey("/XObject").replaceKey("/Big", makeNoise(pdf, k, kilobytes));
            page.replaceKey("/Resources", res);
        }
        if (recipe.uriLinks > 0) {
            auto annots = QPDFObjectHandle::newArray();
            for (int i = 1; i <= recipe.uriLinks; ++i) {
                const std::string uri = "https://example.org/" + recipe.marker.toStdString() + "/" +
                                        std::to_string(k) + "/" + std::to_string(i);
                const int x = 20 + (i % 25) * 22, y = 40 + (i / 25) * 22;
                annots.appendItem(pdf.makeIndirectObject(parse(
                    "<< /Type /Annot /Subtype /Link /Border [0 0 0] /Rect [" + std::to_string(x) +
                    " " + std::to_string(y) + " " + std::to_string(x + 20) + " " +
                    std::to_string(y + 20) + "] /A << /S /URI /URI (" + uri + ") >> >>")));
            }
            page.replaceKey("/Annots", annots);
        }
        dh.addPage(QPDFPageObjectHelper(page), false);
    }

    auto pages = dh.getAllPages();
    if (recipe.formField && !pages.empty()) {
        auto field = pdf.makeIndirectObject(parse(
            "<< /Type /Annot /Subtype /Widget /FT /Tx /T (name) /V (Ada) /Rect [72 600 300 630] "
            "/F 4 /DA (/Helv 12 Tf 0 g) >>"));
        field.replaceKey("/P", pages.front().getObjectHandle());
        auto annots = QPDFObjectHandle::newArray();
        annots.appendItem(field);
        pages.front().getObjectHandle().replaceKey("/Annots", annots);
        auto form = parse("<< /DR << /Font << >> >> /DA (/Helv 12 Tf 0 g) >>");
        form.getKey("/DR").getKey("/Font").replaceKey("/Helv", font);
        auto fields = QPDFObjectHandle::newArray();
        fields.appendItem(field);
        form.replaceKey("/Fields", fields);
        pdf.getRoot().replaceKey("/AcroForm", pdf.makeIndirectObject(form));
    }
    if (recipe.link && !pages.empty()) {
        auto link =
            pdf.makeIndirectObject(parse("<< /Type /Annot /Subtype /Link /Rect [72 500 200 520] "
                                         "/Border [0 0 0] >>"));
        auto dest = QPDFObjectHandle::newArray();
        dest.appendItem(pages.back().getObjectHandle());
        dest.appendItem(QPDFObjectHandle::newName("/Fit"));
        link.replaceKey("/Dest", dest);
        auto first = pages.front().getObjectHandle();
        if (!first.getKey("/Annots").isArray())
            first.replaceKey("/Annots", QPDFObjectHandle::newArray());
        first.getKey("/Annots").appendItem(link);
    }

    if (recipe.extras)
        addExtras(pdf, recipe, layers);
    if (recipe.strayObject)
        pdf.getRoot().replaceKey("/Stray", pdf.makeIndirectObject(parse("<< /Stray (stray) >>")));
    if (recipe.pageLabels)
        pdf.getRoot().replaceKey("/PageLabels",
                                 parse("<< /Nums [0 << /S /r >> 2 << /S /D /St 1 >>] >>"));

    QPDFWriter w(pdf);
    w.setOutputFilename(QFile::encodeName(path).constData());
    w.setStaticID(true);
    if (recipe.objectStreams)
        w.setObjectStreamMode(qpdf_o_generate);
    if (recipe.uncompressed) {
        w.setCompressStreams(false);
        w.setDecodeLevel(qpdf_dl_generalized); // object streams too
    }
    encrypt(w, recipe);
    w.write();
}

std::vector<std::string> pageContents(const QString& path, const QString& password)
{
    std::vector<std::string> result;
    const auto name = QFile::encodeName(path);
    for (const auto& pw : QUtil::possible_repaired_encodings(password.toStdString())) {
        try {
            QPDF pdf;
            pdf.setSuppressWarnings(true);
            pdf.processFile(name.constData(), pw.c_str());
            for (auto& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
                Pl_Buffer buf("contents");
                page.pipeContents(&buf);
                auto data = buf.getBufferSharedPointer();
                result.emplace_back(reinterpret_cast<const char*>(data->getBuffer()),
                                    data->getSize());
            }
            return result;
        } catch (const QPDFExc& e) {
            result.clear();
            if (e.getErrorCode() != qpdf_e_password)
                return result;
        } catch (const std::exception&) {
            return {};
        }
    }
    return result;
}

std::string fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray b = f.readAll();
    return std::string(b.constData(), size_t(b.size()));
}

TempDir::TempDir() = default;
QString TempDir::path(const QString& name) const
{
    return QDir::toNativeSeparators(m_dir.filePath(name));
}
QString TempDir::root() const
{
    return QDir::toNativeSeparators(m_dir.path());
}

} // namespace paginor::test
