#pragma once

// paginor-bench split every N SOURCE OUTPUT | split range FROM-TO SOURCE OUTPUT
// Runs the window's split job on SOURCE, answering the save dialog with OUTPUT. Prints
// "wrote N files" and returns 0 when the split succeeded.
int runSplitBench(int argc, char** argv);
