// The only code of the work-file logic that touches the file system. Every name is a path as the
// platform names it (on Linux the bytes of the file system, UTF-8 in practice), never a CP932
// text: a name with no CP932 form must still reach the file it names.
#pragma once

#include <cstddef>
#include <string>

#include "storage/work_file_format.h"

enum class ReadStatus { Ok, CannotOpen, TooLarge };

// Reads a whole regular file of at most maxBytes. Folders, devices and pipes cannot be opened
// (so nothing blocks), and a larger file is refused from its size before any byte is read.
ReadStatus ReadWholeFile(const std::string& path, std::string& bytes,
                         std::size_t maxBytes = kMaxWorkFileBytes);

// The bytes up to the first line end (or the end of the file), reading at most maxBytes;
// false when the file cannot be opened or read.
bool ReadFirstLine(const std::string& path, std::string& line,
                   std::size_t maxBytes = kMaxWorkLineBytes);

// Replaces the file's contents all at once: the bytes go to a temporary file in the same
// folder, are flushed to disk and then renamed over the old file. On any failure the old file
// is untouched and the temporary file removed. A file whose permissions allow nobody to write
// it is refused rather than replaced. On failure, error (when given) receives the reason as an
// errno value. Once the rename has happened the file holds the new bytes and the call succeeds;
// when the folder could not then be synced, unconfirmed (when given) is set, as the disk did not
// confirm that the rename will survive a power cut.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes, int* error = nullptr,
                           bool* unconfirmed = nullptr);

// The same replacement without waiting for the disk: a crash of the program still leaves the
// old bytes or the new ones, and only a power cut can lose the last replacement. For copies
// written at every change, where waiting for the disk each time would be felt.
bool ReplaceFileUnflushed(const std::string& path, const std::string& bytes);

// Reads an open file from where it stands until maxBytes or its end; false on a read error.
bool ReadFromDescriptor(int fd, std::size_t maxBytes, std::string& out);

// True when anything (a file, a folder, a link even to nothing) is at the path.
bool PathTaken(const std::string& path);

// Creates the folder when it is missing (its parent must exist); true when it is there after.
bool MakeFolder(const std::string& path);
