// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include "engine/BookmarkMode.h"
#include "engine/EngineError.h"

#include <qpdf/QPDF.hh>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace paginor {

// How to write one document safely over a path.
struct WriteOptions
{
    // Opens the stream for the temporary file; empty means the file itself. Tests hand in a
    // failing stream here.
    std::function<std::FILE*(const std::string& tempPath)> openStream;
    // Write progress in percent.
    std::function<void(int percent)> progress;
    // Runs after every byte is written and before the output replaces the target; throwing
    // EngineFailure there abandons the write (a source changed while being read).
    std::function<void()> beforeCommit;
    // Runs once every byte is written, with the size of the finished file; false abandons the
    // write with Declined, leaving the target as it was.
    std::function<bool(int64_t bytes)> acceptSize;
    std::string minimumVersion = "1.3";
    int extensionLevel = 0;
    // Objects other than streams packed into object streams (the default); off writes the
    // classic layout that old readers take.
    bool objectStreams = true;
    // What a merge's output keeps of its inputs' bookmarks.
    BookmarkMode bookmarks = BookmarkMode::PerFile;
    // Whether outputs keep their sources' document-level attachments.
    bool keepAttachments = true;
    // For qpdf's writer: the document whose encryption (algorithm, passwords, permissions) the
    // output takes; null writes it unencrypted.
    QPDF* encryptLike = nullptr;
    // Whether outputs keep their sources' logical structure (tagged PDF).
    bool tags = true;
};

// Runs `produce` on a stream to a temporary file in the target's folder and renames the file
// over `target` once the data is known to be written: every stdio result is checked, and a
// file that replaces another is synced to disk first.
// A new file gets the usual permissions (umask applied); a replaced file keeps its mode. The
// target must be a regular file or not exist. On failure the temporary file is removed, the
// target is untouched, and EngineFailure is thrown: WriteFailed, or the code `produce` threw
// (InputChanged, or an input's own failure in a merge), or Declined when `acceptSize` turned
// the file down. std::bad_alloc from `produce`, and
// anything the stream opener throws, pass through unchanged.
void writeAtomically(const std::string& target, const WriteOptions& options,
                     const std::function<void(std::FILE*)>& produce);

// Writes `pdf` with qpdf's writer, for writeAtomically. Any warning qpdf raises while writing
// (its way of reporting unreadable source data) fails the write with InputChanged.
void writeWithQpdf(QPDF& pdf, std::FILE* file, const WriteOptions& options);

} // namespace paginor
