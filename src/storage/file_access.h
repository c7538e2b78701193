// The only code of the work-file logic that touches the file system. Names arrive as CP932
// bytes (they also appear in messages) and are turned into the platform's path encoding here.
#pragma once

#include <cstddef>
#include <string>

#include "storage/work_file_format.h"

enum class ReadStatus { Ok, CannotOpen, TooLarge };

// Reads a whole regular file of at most maxBytes. Folders, devices and pipes cannot be opened
// (so nothing blocks), and a larger file is refused from its size before any byte is read.
ReadStatus ReadWholeFile(const std::string& name, std::string& bytes,
                         std::size_t maxBytes = kMaxWorkFileBytes);

// The bytes up to the first line end (or the end of the file), reading at most maxBytes;
// false when the file cannot be opened or read. The path is given as the platform names it.
bool ReadFirstLine(const std::string& path, std::string& line,
                   std::size_t maxBytes = kMaxWorkLineBytes);

// Replaces the file's contents all at once: the bytes go to a temporary file in the same
// folder, are flushed to disk and then renamed over the old file. On any failure the old file
// is untouched and the temporary file removed. A file whose permissions allow nobody to write
// it is refused rather than replaced.
bool WriteFileAtomically(const std::string& name, const std::string& bytes);

// The same for a path as the platform names it.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);

// Reads an open file from where it stands until maxBytes or its end; false on a read error.
bool ReadFromDescriptor(int fd, std::size_t maxBytes, std::string& out);

// The platform path for a CP932 name.
std::string PlatformPath(const std::string& name);
