#pragma once

// Every text the program shows in a message box, an input box or the status label, in one
// place: the manual explains each of them, and a test holds the two together. A text that is
// shown with something appended (a path, a number) is kept as its fixed part.

namespace paginor {

// Choosing the split source and its password.
inline const char* const kMsgPasswordPrompt = "Please input the password for ";
inline const char* const kMsgSelectSource = "Please select the source file";

// The split options.
inline const char* const kMsgInvalidNumber = "Please input a valid number";
inline const char* const kMsgInputPageNumber = "Please input the page number";

// The split job.
inline const char* const kMsgCanNotOverwrite =
    "Can not overwrite the PDF file. Please input a new file name";
inline const char* const kMsgPleaseWait = "Please wait...";
inline const char* const kMsgSplittingPage = "Splitting page: ";
inline const char* const kMsgSplittingPageEnd = ", please wait...";
inline const char* const kMsgSplitSucceeded = "PDF file has been successfully splitted.";
// Followed by the engine's error number.
inline const char* const kMsgSplitFailed = "Split failed\r\nError code: ";

// The merge list and the merge job.
// Preceded by the number of files that were dropped or named but are not PDFs.
inline const char* const kMsgFilesNotAdded =
    " files were not added because they are not PDF files.";
inline const char* const kMsgAddMoreFiles = "Please add more PDF files";
inline const char* const kMsgMergeSucceeded = "PDF file has been successfully merged.";
// Followed by the list position and path of the file (or the first two files) that failed.
inline const char* const kMsgCanNotMerge = "Can not merge file: ";
inline const char* const kMsgMergeCheckOne = "Please make sure it is NOT encrypted or damaged.";
inline const char* const kMsgMergeCheckTwo = "Please make sure they are NOT encrypted or damaged.";

// The window.
inline const char* const kMsgEngineUnavailable =
    "The PDF engine could not be started, so splitting and merging are not available.\n"
    "The other parts of the window still work.";
inline const char* const kReminderQuestion =
    "Do you want to visit our website to check if there is a new version released?";

} // namespace paginor
