// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

#include <QString>
#include <functional>

namespace paginor {

class UserQuestions;
class PDFLibrary;

// True when the engine opens `path` with `password` ("" = without one) and can count its pages.
// Uses the engine's probes only and shows nothing. A damaged file or one that is not a PDF fails
// with every password; LastErrorNumber() then tells it from a wrong password.
bool testPassword(PDFLibrary& engine, const QString& path, const QString& password);

// What became of a typed password: the judge gives one of the first three, the prompt ends
// with Accepted, Unusable or Cancelled.
enum class PasswordCheck
{
    Accepted,
    Wrong,    // ask again
    Unusable, // no password can open the file (it is damaged now); stop asking
    Cancelled,
};

// The judge of a typed password for `path`: testPassword, and for a refusal the engine's reason.
PasswordCheck judgePassword(PDFLibrary& engine, const QString& path, const QString& password);

// Asks for the password of `path` (masked, prefilled with `password`) until `judge` accepts the
// answer or finds the file unusable, showing a wrong answer again each time, with no limit and
// no message. On Accepted `password` holds the answer; Cancel or an empty answer gives
// Cancelled and Unusable gives itself, both with `password` "".
PasswordCheck askPassword(UserQuestions& ui, const QString& path, QString& password,
                          const std::function<PasswordCheck(const QString&)>& judge);

} // namespace paginor
