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

void encrypt(QPDFWriter& w, const PdfSpec& recipe)
{
    const std::string userUtf8 = recipe.userPassword.toStdString();
    const std::string ownerUtf8 =
        recipe.ownerPassword.isEmpty() ? userUtf8 + "-owner" : recipe.ownerPassword.toStdString();
    // Older encryption keys are made from PDFDocEncoding bytes, AES-256 from UTF-8, as
    // producers do.
    const std::string user = QUtil::utf8_to_pdf_doc(userUtf8);
    const std::string owner = QUtil::utf8_to_pdf_doc(ownerUtf8);
    switch (recipe.encryption) {
    case Encryption::None:
        break;
    case Encryption::Rc4_40:
        w.setR2EncryptionParametersInsecure(user.c_str(), owner.c_str(), true, true, true, true);
        break;
    case Encryption::Rc4_128:
        w.setR3EncryptionParametersInsecure(user.c_str(), owner.c_str(), true, true, true, true,
                                            true, true, qpdf_r3p_full);
        break;
    case Encryption::Aes_128:
        w.setR4EncryptionParametersInsecure(user.c_str(), owner.c_str(), true, true, true, true,
                                            true, true, qpdf_r3p_full, true, true);
        break;
    case Encryption::Aes_256:
        w.setR6EncryptionParameters(userUtf8.c_str(), ownerUtf8.c_str(), true, true, true, true,
                                    true, true, qpdf_r3p_full, true);
        break;
    }
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

    for (int k = 1; k <= recipe.pages; ++k) {
        std::string content = "BT /F1 24 Tf 72 700 Td (" + pageText(recipe, k) + ") Tj ET\n";
        if (recipe.sharedResources)
            content += "q 100 0 0 100 72 72 cm /X" + std::to_string(k) + " Do Q\n";
        auto page = pdf.makeIndirectObject(parse("<< /Type /Page /MediaBox [0 0 612 792] >>"));
        page.replaceKey("/Contents", newStream(pdf, content));
        if (recipe.sharedResources) {
            page.replaceKey("/Resources", shared);
        } else {
            auto res = parse("<< /Font << >> >>");
            res.getKey("/Font").replaceKey("/F1", font);
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
