// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/PDFLibrary.h"
#include "support/PdfFactory.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <QFile>
#include <QString>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace paginor::test {

// "<marker> page k" for each k, the text each test page draws.
inline std::vector<std::string> expectedPages(const QString& marker, const std::vector<int>& pages)
{
    std::vector<std::string> result;
    for (int k : pages)
        result.push_back(marker.toStdString() + " page " + std::to_string(k));
    return result;
}

// The page texts found in a file's pages, in order ("" for a page without one).
inline std::vector<std::string> pageTexts(const QString& path, const QString& password = {})
{
    std::vector<std::string> result;
    for (const auto& content : pageContents(path, password)) {
        const auto open = content.find('(');
        const auto close = content.find(')', open);
        result.push_back(open == std::string::npos || close == std::string::npos
                             ? std::string()
                             : content.substr(open + 1, close - open - 1));
    }
    return result;
}

// True when qpdf reads every object and stream of the file without a warning.
inline bool readsCleanly(const QString& path, const QString& password = {})
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData(), password.toUtf8().constData());
        for (auto& obj : pdf.getAllObjects())
            if (obj.isStream())
                obj.getRawStreamData();
        pdf.getAllPages();
        return !pdf.anyWarnings();
    } catch (const std::exception&) {
        return false;
    }
}

// The addresses of each page's URI links, page by page, in the order of its /Annots.
inline std::vector<std::vector<std::string>> linkTargets(const QString& path)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processFile(QFile::encodeName(path).constData());
    std::vector<std::vector<std::string>> result;
    for (auto page : pdf.getAllPages()) {
        result.emplace_back();
        auto annots = page.getKey("/Annots");
        for (int i = 0; annots.isArray() && i < annots.getArrayNItems(); ++i) {
            auto uri = annots.getArrayItem(i).getKey("/A").getKey("/URI");
            if (uri.isString())
                result.back().push_back(uri.getStringValue());
        }
    }
    return result;
}

inline QString makeFile(const TempDir& dir, const QString& name, PdfSpec recipe)
{
    const QString path = dir.path(name);
    makePdf(path, recipe);
    return path;
}

inline PdfSpec plain(int pages, const QString& marker)
{
    PdfSpec recipe;
    recipe.pages = pages;
    recipe.marker = marker;
    return recipe;
}

} // namespace paginor::test
