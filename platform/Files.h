// File access with Windows path habits: the program builds paths by plain
// concatenation with backslashes and names files in any letter case.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// Turns "\" into "/", then, when the path does not exist as written, looks
// for each missing element in its folder ignoring letter case. Returns the
// path as written (slashes turned) when nothing matches.
std::string ResolvePath(const std::string& path);

// fopen on the resolved path. Modes are those of fopen.
std::FILE* OpenFile(const std::string& path, const char* mode);

// True when the file can be opened for reading.
bool FileReadable(const std::string& path);

// Writes `size` bytes to `path` so that the file is replaced whole or not
// at all: the bytes go to a temporary file beside it, which is flushed to
// disk and then renamed over the old file. A write-protected file is left
// as it is and the write fails. A temporary file left by an interrupted
// write is written over by the next one.
bool WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// The path shown to the user in messages: slashes turned, doubled slashes
// collapsed.
std::string DisplayPath(const std::string& path);

} // namespace platform
