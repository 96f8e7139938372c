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

// Drops the cached pages of the file at `path` when its data is on disk already (the system
// writes a file out within about half a minute), so that the new file that is about to replace it
// reuses that memory: in a virtual machine that hands free memory back to its host, a gigabyte of
// fresh pages costs seconds, reused ones a tenth of that. Pages still waiting to be written are
// left alone, since writing them out first would cost more than it saves, and so is everything on
// systems that cannot tell (Linux before 6.5). The file stays whole either way.
void ReleaseCachedPages(const std::string& path);
