// A file that several copies of the program read and change at the same moment, as a class of
// pupils does with the records of one shared program folder. Changes are serialised by an
// exclusive lock and land by an atomic replace, so readers see the old file or the new one and
// no change is lost.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

enum class SharedReadStatus { Ok, Missing, Failed };

// Reads the whole file (a path as the platform names it). Missing when there is no such file;
// Failed when it cannot be opened or read, is no regular file or holds more than maxBytes.
SharedReadStatus ReadSharedFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

// What a change made of the bytes it was given.
enum class SharedChange { Write, Nothing, Refuse };

// Under an exclusive lock on the file: reads it (a missing file reads as empty), lets change
// edit the bytes, and when it answers Write replaces the file atomically with them. True when
// the change was written or needed nothing; false, with the file as it was, when the change
// refused or the file could not be locked, read or replaced (a read-only file or folder, a full
// disk, a file over maxBytes).
bool UpdateSharedFile(const std::string& path, std::size_t maxBytes,
                      const std::function<SharedChange(std::string& bytes)>& change);
