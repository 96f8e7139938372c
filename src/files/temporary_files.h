// The names of the temporary files the program writes beside its outputs, which carry the
// writer's process number (".work1.txt.femframe-1234.tmp"), and the removal of those left behind
// by processes that no longer exist (a run killed outright, a power loss).
#pragma once

#include <string>
#include <vector>

// The temporary file beside `target` that this process writes before putting it in place.
std::string TemporaryPathFor(const std::string& target);
// Removes from `directory` the temporary files of processes that no longer exist, and nothing
// else: a live process's temporary file and every other file stay. Returns their paths.
std::vector<std::string> RemoveStaleTemporaries(const std::string& directory);
