// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <cstdint>

namespace paginor {

// The codes PDFLibrary::LastErrorNumber() reports. 0 means no failure since the last reset.
// The numbers are shown to users ("Error code: N"), so they never change meaning.
enum class EngineError : int32_t
{
    None = 0,
    FileNotFound = 1,     // the path names no readable regular file
    NotPdfOrDamaged = 2,  // not a PDF, or damaged beyond repair
    PasswordRequired = 3, // the file needs a password and the one given (maybe "") is wrong
    Unsupported = 4,      // an encryption or feature the engine cannot handle
    NoDocument = 5,       // an operation needs a current document and there is none
    EmptySelection = 6,   // the page list selects no page
    BadPageList = 7,      // the page-list text is malformed
    WriteFailed = 8,      // the output could not be written completely; nothing was replaced
    UnknownList = 9,      // no path list of that name
    UnknownHandle = 10,   // no probe or document with that handle or id
    BadArgument = 11,     // an entry number, index or item out of range
    InputChanged = 12,    // a source changed or vanished before its data was written
    Internal = 13,        // anything else
    Declined = 14, // the caller turned the finished output down (its size); nothing was replaced
};

} // namespace paginor
