// How a complete new file takes the name of the earlier one. The two are swapped in one step, so
// the name never stands empty and nothing is flushed to disk on the way; the earlier file, left
// under the new file's temporary name, loses that name at once and its storage is freed off the
// run's path, so replacing a gigabyte trace costs the run no more than writing a new one.
#pragma once

#include <string>

// Puts the complete file `replacement` under the name `target`, in its directory. Where the system
// swaps names (Linux's RENAME_EXCHANGE), the target names the earlier file up to the swap and the
// new one from then on, and the earlier file's name is then removed; a target that does not exist
// yet, or a file system without the swap, falls back to an ordinary rename, which is just as
// atomic for the name. False, with errno set, when neither works; `replacement` then remains.
bool ReplaceFile(const std::string& replacement, const std::string& target);

// Asks the system to drop the cached pages of the file at `path`, which stays whole: pages not yet
// on disk are written first and dropped when written. Called before a large file is written anew,
// so that the new file's pages reuse that memory rather than memory the system must first provide
// (in a virtual machine that hands free memory back to its host, a gigabyte of fresh pages costs
// seconds). Does nothing when the file does not exist or cannot be opened.
void ReleaseCachedPages(const std::string& path);
