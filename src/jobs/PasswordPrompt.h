#pragma once

#include <QString>
#include <functional>

namespace paginor {

class Interaction;
class PDFLibrary;

// The input box that asks for a file's password: its title, and its prompt, which the file's
// full path follows.
inline const char* const kPasswordTitle = "Need password";
inline const char* const kPasswordPrompt = "Please input the password for ";

// True when the engine opens `path` with `password` ("" = without one) and can count its pages.
// Uses the engine's probes only and shows nothing. A damaged file or one that is not a PDF fails
// with every password; LastErrorNumber() then tells it from a wrong password.
bool testPassword(PDFLibrary& engine, const QString& path, const QString& password);

// Asks for the password of `path` (masked, prefilled with `password`) until `accepts` takes the
// answer, showing the rejected answer again after each refusal, with no limit and no message.
// Returns true with `password` holding the accepted answer; Cancel or an empty answer returns
// false with `password` "".
bool askPassword(Interaction& ui, const QString& path, QString& password,
                 const std::function<bool(const QString&)>& accepts);

} // namespace paginor
