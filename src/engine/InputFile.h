// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/EngineError.h"
#include "engine/FileIdentity.h"
#include "engine/read/BlockInputSource.h"

#include <qpdf/InputSource.hh>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace paginor {

// Thrown inside the engine to carry an error code up to the public operation.
class EngineFailure : public std::runtime_error
{
public:
    EngineFailure(EngineError code, const std::string& what, const std::string& file = {})
        : std::runtime_error(what), m_code(code), m_file(file)
    {
    }
    EngineError code() const { return m_code; }
    // The input file to blame, when one is.
    const std::string& file() const { return m_file; }

private:
    EngineError m_code;
    std::string m_file;
};

// Reads a file by path, opening it only while needed, so thousands of sources can stay
// readable without holding a descriptor each. Every reopen checks that the file is still the
// one first opened; a replaced or changed file raises an error instead of giving stale data.
class ReopeningInputSource : public InputSource
{
public:
    ReopeningInputSource(const std::string& path, const FileIdentity& identity);

    // While true the file stays open between reads (parsing and copying one source).
    void stayOpen(bool open);

    qpdf_offset_t findAndSkipNextEOL() override;
    std::string const& getName() const override { return m_path; }
    qpdf_offset_t tell() override;
    void seek(qpdf_offset_t offset, int whence) override;
    void rewind() override;
    size_t read(char* buffer, size_t length) override;
    void unreadCh(char ch) override;

private:
    void before();
    void after();

    std::string m_path;
    FileIdentity m_identity;
    std::unique_ptr<BlockInputSource> m_file;
    qpdf_offset_t m_offset = 0;
    bool m_stayOpen = false;
};

} // namespace paginor
