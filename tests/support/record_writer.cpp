// Writes practice records the way one copy of the program does at the end of each run, for the
// test in which several copies write into one Record.ini at the same moment.
// Usage: mevrolin_record_writer PROGRAM_FOLDER NAME COUNT
// Record i (from 0) goes to section "A" when i is even and "B" otherwise, with the value
// NAME + "-" + i. Exits 1 when a record could not be written.
#include <cstdlib>
#include <string>

#include "library/records.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const std::string folder = argv[1];
  const std::string name = argv[2];
  const int count = std::atoi(argv[3]);
  for (int i = 0; i < count; ++i) {
    if (!WriteRecord(folder, i % 2 == 0 ? "A" : "B", name + "-" + std::to_string(i))) return 1;
  }
  return 0;
}
