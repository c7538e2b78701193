// The program folder and whether it lies on a medium that cannot be written (a CD or DVD).
#pragma once

#include <string>

// The folder with the platform's separator appended when it does not end in one already.
std::string WithTrailingSeparator(std::string folder, char separator);

// The current directory at start, ending in the separator.
std::string CurrentProgramFolder();

// True when the folder lies on a CD/DVD file system (ISO 9660 or UDF) or on a read-only mount:
// practice records are then not written.
bool IsOnReadOnlyMedium(const std::string& folder);
