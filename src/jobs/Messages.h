// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

// Every text the program shows in a message box, an input box or the status label, in one
// place: the manual explains each of them, and a test holds the two together. A text that is
// shown with something appended (a path, a number) is kept as its fixed part. Each is marked
// for translation in the context "Messages" and translated where it is shown.

#include <QCoreApplication>
#include <QString>

namespace paginor {

// `text`, one of the constants below, in the language of the loaded translation.
inline QString shownText(const char* text)
{
    return QCoreApplication::translate("Messages", text);
}

// The titles of the message boxes: refusals and failures, and the two success messages.
inline const char* const kTitleError = QT_TRANSLATE_NOOP("Messages", "Error");
inline const char* const kTitleOk = QT_TRANSLATE_NOOP("Messages", "OK");

// Choosing the split source and its password; the password box of a merge too.
// The password box: its title, and its prompt, which the file's full path follows.
inline const char* const kMsgPasswordTitle = QT_TRANSLATE_NOOP("Messages", "Need password");
inline const char* const kMsgPasswordPrompt =
    QT_TRANSLATE_NOOP("Messages", "Please input the password for ");
inline const char* const kMsgSelectSource =
    QT_TRANSLATE_NOOP("Messages", "Please select the source file");
// A source no password opens: this text and the path, then a line break and the second text.
inline const char* const kMsgCanNotOpenFile = QT_TRANSLATE_NOOP("Messages", "Can not open file: ");
inline const char* const kMsgNotPdfOrDamaged =
    QT_TRANSLATE_NOOP("Messages", "It is not a PDF file, or it is damaged.");

// The split options.
inline const char* const kMsgInvalidNumber =
    QT_TRANSLATE_NOOP("Messages", "Please input a valid number");
inline const char* const kMsgInputPageNumber =
    QT_TRANSLATE_NOOP("Messages", "Please input the page number");

// The split job.
inline const char* const kMsgCanNotOverwrite =
    QT_TRANSLATE_NOOP("Messages", "Can not overwrite the PDF file. Please input a new file name");
inline const char* const kMsgPleaseWait = QT_TRANSLATE_NOOP("Messages", "Please wait...");
inline const char* const kMsgSplittingPage = QT_TRANSLATE_NOOP("Messages", "Splitting page: ");
inline const char* const kMsgSplittingPageEnd = QT_TRANSLATE_NOOP("Messages", ", please wait...");
inline const char* const kMsgSplitSucceeded =
    QT_TRANSLATE_NOOP("Messages", "PDF file has been successfully splitted.");
// The success message's second line when a protected source was split with --decrypt.
inline const char* const kMsgProtectedSplit =
    QT_TRANSLATE_NOOP("Messages", "The protected file was split without its password.");
// Followed by the engine's error number.
inline const char* const kMsgSplitFailed =
    QT_TRANSLATE_NOOP("Messages", "Split failed\r\nError code: ");
// A split by size: the success message's second line, followed by the pages ("7, 12") that
// alone are larger than the limit and so were written to a file each.
inline const char* const kMsgPagesOverLimit = QT_TRANSLATE_NOOP(
    "Messages",
    "These pages are larger than the limit on their own, each was written to a file by itself: ");
// Followed by the level asked for.
inline const char* const kMsgNoBookmarksAtLevel =
    QT_TRANSLATE_NOOP("Messages", "This PDF has no bookmarks at level ");

// The merge list and the merge job.
// Files dropped or named that are not PDFs: the count, then their names ("a.txt, b.txt"), the
// first few of a long list followed by how many more there were.
inline const char* const kMsgOneFileNotAdded =
    QT_TRANSLATE_NOOP("Messages", "1 file was not added: ");
inline const char* const kMsgFilesNotAdded =
    QT_TRANSLATE_NOOP("Messages", "%1 files were not added: ");
inline const char* const kMsgMoreNotAdded = QT_TRANSLATE_NOOP("Messages", " and %1 more");
inline const char* const kMsgAddMoreFiles =
    QT_TRANSLATE_NOOP("Messages", "Please add more PDF files");
inline const char* const kMsgMergeSucceeded =
    QT_TRANSLATE_NOOP("Messages", "PDF file has been successfully merged.");
// The success message's second line when an input was opened with its password.
inline const char* const kMsgProtectedMerged =
    QT_TRANSLATE_NOOP("Messages", "The protected files were merged without their passwords.");
// The output cannot be written: this text and the output path, then a line break and the
// second text.
inline const char* const kMsgCanNotWritePdf =
    QT_TRANSLATE_NOOP("Messages", "Can not write the PDF file: ");
inline const char* const kMsgCheckDiskAndFolder = QT_TRANSLATE_NOOP(
    "Messages", "Please make sure the disk has space and the folder can be written to.");
// Followed by the list position and path of the file (or the first two files) that failed.
inline const char* const kMsgCanNotMerge = QT_TRANSLATE_NOOP("Messages", "Can not merge file: ");
inline const char* const kMsgMergeCheckOne =
    QT_TRANSLATE_NOOP("Messages", "Please make sure it is NOT encrypted or damaged.");
inline const char* const kMsgMergeCheckTwo =
    QT_TRANSLATE_NOOP("Messages", "Please make sure they are NOT encrypted or damaged.");
// Why a merge-list row's file cannot be merged, found when it was added: the row's tooltip.
inline const char* const kMsgRowNotFound =
    QT_TRANSLATE_NOOP("Messages", "The file was not found or can not be read.");
inline const char* const kMsgRowNotPdf = QT_TRANSLATE_NOOP("Messages", "It is not a PDF file.");
inline const char* const kMsgRowDamaged =
    QT_TRANSLATE_NOOP("Messages", "It is a damaged PDF file.");
inline const char* const kMsgRowUnsupported = QT_TRANSLATE_NOOP(
    "Messages", "It uses an encryption or a feature that Paginor does not handle.");
// "&Merge" refuses a list holding such a row: kMsgCanNotMerge with the row's number and path,
// then on their own lines the reason and this.
inline const char* const kMsgRemoveRow =
    QT_TRANSLATE_NOOP("Messages", "Please remove it from the list.");
// A row's page list that stops a merge before anything is written: kMsgCanNotMerge, the row's
// position and path, a line break, then one of these and the list's bad item or the list.
inline const char* const kMsgRowPagesNotValid =
    QT_TRANSLATE_NOOP("Messages", "This page list is not valid: ");
inline const char* const kMsgRowPagesSelectNothing =
    QT_TRANSLATE_NOOP("Messages", "This page list names no page of the file: ");

// The heading of a merge's contents page, and its bookmark.
inline const char* const kMsgContentsTitle = QT_TRANSLATE_NOOP("Messages", "Contents");

// The window.
inline const char* const kMsgEngineUnavailable = QT_TRANSLATE_NOOP(
    "Messages", "The PDF engine could not be started, so splitting and merging are not available.\n"
                "The other parts of the window still work.");
inline const char* const kReminderQuestion = QT_TRANSLATE_NOOP(
    "Messages", "Do you want to visit our website to check if there is a new version released?");

} // namespace paginor
