#pragma once

#include <string>

// Replaces the file at path with bytes so that the old file survives any failure: the bytes go to a new
// file in the same folder, which is flushed to the disk and only then renamed over the old one.
// Returns an empty text on success, else the reason of the failure (the old file is then unchanged).
std::string WriteFileAtomically(const std::string &path, const std::string &bytes);

// Reads at most maxBytes + 1 bytes of the file into bytes (so that a caller can tell a file that is too
// large); returns false when the file cannot be opened or read.
bool ReadFilePrefix(const std::string &path, size_t maxBytes, std::string &bytes);
