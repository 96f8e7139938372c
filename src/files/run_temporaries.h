// The temporary files of the run in progress, in a fixed table a signal handler can read. On
// SIGINT, SIGTERM or SIGHUP they are removed before the process ends, so every output is left as
// its earlier version or, for a step that had completed, its complete new one.
#pragma once

#include <string>

// Adds a temporary file's path to the table before the file is created; returns its slot.
// Throws RunError (FileCreate) naming the path when the table has no room for it.
int RegisterTemporary(const std::string& path);
// Takes the slot's path off the table once the file is in place or removed.
void ReleaseTemporary(int slot);
// Removes every temporary file of the table from the disk. Safe in a signal handler: it only
// reads the table and unlinks.
void RemoveRunTemporaries();
// From now on SIGINT, SIGTERM and SIGHUP remove the run's temporaries and end the process at
// once with the status 128 + the signal's number (130 for Ctrl-C), in the window as in the batch.
void RemoveTemporariesOnSignals();
// While set, a signal that ends the process first writes `text` to standard error (a terminal's
// progress line is replaced this way); nullptr writes nothing. `text` must stay valid.
void SetTextBeforeSignalExit(const char* text);
