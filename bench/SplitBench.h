// SPDX-FileCopyrightText: 2026 Velmora Software
// SPDX-License-Identifier: Apache-2.0

#pragma once

// paginor-bench split every N SOURCE OUTPUT | split range FROM-TO SOURCE OUTPUT
//               | split bookmarks LEVEL SOURCE OUTPUT | split size MEGABYTES SOURCE OUTPUT
// Runs the window's split job on SOURCE, answering the save dialog with OUTPUT. Prints
// "wrote N files" and returns 0 when the split succeeded.
int runSplitBench(int argc, char** argv);

// paginor-bench parts LEVEL SOURCE
// Prints the page range of each part a split at bookmarks of LEVEL makes, one a line.
int runPartsBench(int argc, char** argv);

// paginor-bench dupes INPUT...
int runDuplicateBench(int argc, char** argv);
