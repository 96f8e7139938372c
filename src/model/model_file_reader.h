// Reads a model file into modelStore. The file's first line is "FEMDATA", then two free lines,
// the five counts and the node, section, member, load and support tables, each after one free
// header line. A failure shows one of the two read messages through the message sink.
#pragma once

#include <string>

// True when the whole file was read; false after the failure message has been shown.
bool ReadModelFile(const std::string& path);
