// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace paginor::test {

enum class Encryption
{
    None,
    Rc4_40,
    Rc4_128,
    Aes_128,
    Aes_256,
};

struct PdfSpec
{
    int pages = 3;
    // Page k draws the text "<marker> page k", so every page of every test file differs.
    QString marker = "doc";
    Encryption encryption = Encryption::None;
    QString userPassword; // "" with an owner password: opens without a password
    QString ownerPassword;
    bool restricted = false;      // the encryption forbids printing, copying and every change
    bool sharedResources = false; // all pages share one /Resources dictionary with a font
    bool formField = false;       // page 1 carries an interactive text field
    bool link = false;            // page 1 links to the last page
    bool pageLabels = false;      // pages 1-2 are labelled i, ii; page 3 on 1, 2, ...
    // Each page carries this many links, link i of page k to "https://example.org/<marker>/k/i".
    int uriLinks = 0;
    bool objectStreams = false; // objects packed in object streams, as most producers write
    bool uncompressed = false;  // no stream compressed, so tests can edit the bytes
    // Document extras, each named after the marker: information entries ("<marker> title" ...),
    // XMP metadata, a layer "<marker> layer k" drawn on page k (layer 2 hidden, 1 and 2 a radio
    // group, /Order [L1 [L2] L3 ...]) and the attachment "invoice.xml" ("<marker> invoice"),
    // also the catalog's associated file.
    bool extras = false;
    // The font carries an embedded program (a stream), the same in every file made so.
    bool fontProgram = false;
    bool strayObject = false; // the catalog refers to an object ("stray") that no page uses
    // Page k (from 1) draws a picture of imageKilobytes[k - 1] kilobytes that does not
    // compress; none where the list ends or holds 0. Not with sharedResources.
    std::vector<int> imageKilobytes;
    int rotate = 0; // every page's own /Rotate
};

// Writes a PDF made to `recipe` at `path` (replacing any file there).
void makePdf(const QString& path, const PdfSpec& recipe);

// The decoded content streams of every page, in page order; empty when the file does not open.
std::vector<std::string> pageContents(const QString& path, const QString& password = QString());

// The bytes of a file, for checking that inputs stay unchanged.
std::string fileBytes(const QString& path);

// A temporary folder removed at the end of the test.
class TempDir
{
public:
    TempDir();
    // The full path of `name` inside the folder, with native separators.
    QString path(const QString& name) const;
    QString root() const;

private:
    QTemporaryDir m_dir;
};

} // namespace paginor::test
