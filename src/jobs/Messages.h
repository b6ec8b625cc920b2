#pragma once

// Every text the program shows in a message box, an input box or the status label, in one
// place: the manual explains each of them, and a test holds the two together. A text that is
// shown with something appended (a path, a number) is kept as its fixed part.

namespace paginor {

// Choosing the split source and its password; the password box of a merge too.
// The password box: its title, and its prompt, which the file's full path follows.
inline const char* const kMsgPasswordTitle = "Need password";
inline const char* const kMsgPasswordPrompt = "Please input the password for ";
inline const char* const kMsgSelectSource = "Please select the source file";
// A source no password opens: this text and the path, then a line break and the second text.
inline const char* const kMsgCanNotOpenFile = "Can not open file: ";
inline const char* const kMsgNotPdfOrDamaged = "It is not a PDF file, or it is damaged.";

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
// The success message's second line when a protected source was split with --decrypt.
inline const char* const kMsgProtectedSplit = "The protected file was split without its password.";
// Followed by the engine's error number.
inline const char* const kMsgSplitFailed = "Split failed\r\nError code: ";
// A split by size: the success message's second line, followed by the pages ("7, 12") that
// alone are larger than the limit and so were written to a file each.
inline const char* const kMsgPagesOverLimit =
    "These pages are larger than the limit on their own, each was written to a file by itself: ";
// Followed by the level asked for.
inline const char* const kMsgNoBookmarksAtLevel = "This PDF has no bookmarks at level ";

// The merge list and the merge job.
// Files dropped or named that are not PDFs: the count, then their names ("a.txt, b.txt"), the
// first few of a long list followed by how many more there were.
inline const char* const kMsgOneFileNotAdded = "1 file was not added: ";
inline const char* const kMsgFilesNotAdded = "%1 files were not added: ";
inline const char* const kMsgMoreNotAdded = " and %1 more";
inline const char* const kMsgAddMoreFiles = "Please add more PDF files";
inline const char* const kMsgMergeSucceeded = "PDF file has been successfully merged.";
// The success message's second line when an input was opened with its password.
inline const char* const kMsgProtectedMerged =
    "The protected files were merged without their passwords.";
// The output cannot be written: this text and the output path, then a line break and the
// second text.
inline const char* const kMsgCanNotWritePdf = "Can not write the PDF file: ";
inline const char* const kMsgCheckDiskAndFolder =
    "Please make sure the disk has space and the folder can be written to.";
// Followed by the list position and path of the file (or the first two files) that failed.
inline const char* const kMsgCanNotMerge = "Can not merge file: ";
inline const char* const kMsgMergeCheckOne = "Please make sure it is NOT encrypted or damaged.";
inline const char* const kMsgMergeCheckTwo = "Please make sure they are NOT encrypted or damaged.";
// Why a merge-list row's file cannot be merged, found when it was added: the row's tooltip.
inline const char* const kMsgRowNotFound = "The file was not found or can not be read.";
inline const char* const kMsgRowNotPdf = "It is not a PDF file.";
inline const char* const kMsgRowDamaged = "It is a damaged PDF file.";
inline const char* const kMsgRowUnsupported =
    "It uses an encryption or a feature that Paginor does not handle.";
// "&Merge" refuses a list holding such a row: kMsgCanNotMerge with the row's number and path,
// then on their own lines the reason and this.
inline const char* const kMsgRemoveRow = "Please remove it from the list.";
// A row's page list that stops a merge before anything is written: kMsgCanNotMerge, the row's
// position and path, a line break, then one of these and the list's bad item or the list.
inline const char* const kMsgRowPagesNotValid = "This page list is not valid: ";
inline const char* const kMsgRowPagesSelectNothing = "This page list names no page of the file: ";

// The window.
inline const char* const kMsgEngineUnavailable =
    "The PDF engine could not be started, so splitting and merging are not available.\n"
    "The other parts of the window still work.";
inline const char* const kReminderQuestion =
    "Do you want to visit our website to check if there is a new version released?";

} // namespace paginor
