// A profile (INI) file held as its bytes: read a value, list a section's keys, write a value and
// erase a section, the way the Windows profile functions treat such a file, and give back the
// same bytes for every line a change did not touch.
//
// It is parsed by hand rather than with Qt's INI format: that format escapes names that are not
// ASCII and rewrites the whole file in its own layout, while Record.ini holds CP932 unit titles
// as section names and must keep every line a change does not touch, byte for byte.
//
// Layout: "[section]" header lines, "key=value" lines, any other line (comments beginning with
// ';', blank lines, anything not understood) kept as it is. Lines end in CR LF or LF alone;
// lines the file gains end in CR LF. Section and key names are compared without the spaces and
// tabs around them, with ASCII letters in either case and every double-byte CP932 character as
// it stands (so the trail byte of "ア", 0x41, never matches that of "ヂ", 0x61). Values are read
// without the spaces and tabs around them and without one pair of enclosing quotes. A UTF-8
// byte-order mark at the start (an editor may put one there) is no part of the first line: it
// is skipped when reading and kept when the bytes are given back.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class ProfileFile {
 public:
  ProfileFile() = default;
  explicit ProfileFile(std::string_view bytes);

  // The file's bytes as they stand now.
  std::string Bytes() const;

  // The value of the key in the section, or the default when either is missing. A section that
  // appears more than once reads as one: the first occurrence of the key counts.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // The section's keys in file order, as the file spells them (without the spaces around them);
  // empty when the section is missing.
  std::vector<std::string> Keys(std::string_view section) const;
  bool HasSection(std::string_view section) const;
  // Every section name in file order, each once.
  std::vector<std::string> Sections() const;
  // Every key of every section in one pass, in file order: the section's name as this header
  // spells it and as it is compared, the key's name, its value as ReadString reads it. Keys
  // before the first header belong to no section and are left out.
  using ValueVisitor = std::function<void(std::string_view section, std::string_view folded,
                                          std::string_view key, std::string_view value)>;
  void ForEachValue(const ValueVisitor& visit) const;

  // Sets the key's value: an existing key gets the new value on its own line, a new key goes
  // after the last line of its section that is not blank, a new section to the end of the file.
  // False, with nothing changed, for what a profile file cannot hold: a line break anywhere, a
  // key that is empty or holds '=' or begins with ';' or '[', a section name whose last byte is a
  // lone CP932 lead byte (it would swallow the closing bracket).
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);

  // Removes every occurrence of the section with all its lines; false when there was none.
  bool EraseSection(std::string_view section);

 private:
  enum class Kind { Other, Header, Key };
  struct Line {
    std::string text;  // without its line end
    std::string end;   // "\r\n", "\n", or "" for a last line without one
    Kind kind = Kind::Other;
    std::string name;    // header or key: the name as the file spells it, trimmed
    std::string folded;  // the name as it is compared
    std::size_t eq = 0;  // key: where the '=' is
  };

  static Line ParseLine(std::string text, std::string end);
  static std::string_view ValueOf(const Line& line);
  // Indexes of the header lines of the section, in file order.
  std::vector<std::size_t> Headers(std::string_view folded) const;
  // One past the last line of the section that starts at header.
  std::size_t SectionEnd(std::size_t header) const;
  // Finds the first line of the key in the section; lines_.size() when missing.
  std::size_t FindKey(std::string_view foldedSection, std::string_view foldedKey) const;
  void Insert(std::size_t at, std::string text);

  std::string bom_;  // the byte-order mark the file began with, or nothing
  std::vector<Line> lines_;
};

// A section or key name as the profile functions compare it: without the spaces and tabs around
// it and with ASCII letters in lower case, except the bytes of double-byte CP932 characters.
std::string FoldProfileName(std::string_view name);

// Reading the bytes of a profile file in one pass without keeping its lines, as a viewer of a
// large file does; the same rules as ProfileFile.
// The section's keys with their values, in file order and as Find reads them (a key written
// twice comes twice).
std::vector<std::pair<std::string, std::string>> ReadSectionEntries(std::string_view bytes,
                                                                    std::string_view section);
// Every section (by its name as compared, FoldProfileName) with the keys of all its
// occurrences, in file order.
std::vector<std::pair<std::string, std::vector<std::string>>> ReadKeysBySection(
    std::string_view bytes);
