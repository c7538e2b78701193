// A file that several copies of the program read and change at the same moment, as a class of
// pupils does with the records of one shared program folder. Changes are serialised by an
// exclusive lock and land by an atomic replace, so readers see the old file or the new one and
// no change is lost.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

enum class SharedReadStatus { Ok, Missing, Failed };

// How long a reader or a writer waits for another copy of the program to let go of the file
// before it gives up and says so: long enough for a class of forty writing at once, short
// enough that a window never seems frozen.
inline constexpr std::chrono::milliseconds kSharedLockWait{5000};

// Reads the whole file (a path as the platform names it). Missing when there is no such file;
// Failed when it cannot be opened or read, is no regular file or holds more than maxBytes.
// It waits (boundedly) while a writer holds the file, so it never reads a change half made.
SharedReadStatus ReadSharedFile(const std::string& path, std::string& bytes, std::size_t maxBytes);

// What a change made of the bytes it was given.
enum class SharedChange { Write, Nothing, Refuse };

// Under an exclusive lock on the file: reads it (a missing file reads as empty), lets change
// edit the bytes, and when it answers Write puts them in the file's place. True when the
// change was written or needed nothing; false, with the file as it was, when the change
// refused or the file could not be locked (within lockWait), read or written (a read-only file
// or folder, a full disk, a file over maxBytes). Once the new file is in place the change is
// written, whatever fails after. On failure, error (when given) receives the reason as an
// errno value (0 when the change itself refused).
//
// The new file is a temporary file beside the old one, renamed over it. A file in a folder
// that allows no new file there (a writable Record.ini in a read-only folder) is rewritten in
// place instead, its old bytes put back when the write fails. A new file lets everyone write it
// who may write the folder, as far as the folder's group and group-write bit go.
bool UpdateSharedFile(const std::string& path, std::size_t maxBytes,
                      const std::function<SharedChange(std::string& bytes)>& change,
                      int* error = nullptr, std::chrono::milliseconds lockWait = kSharedLockWait);
