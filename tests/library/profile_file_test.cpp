#include "library/profile_file.h"

#include <gtest/gtest.h>

#include "model/cp932.h"

namespace {

std::string J(const char* utf8) { return ToCp932(utf8); }

// A file as a hand edit or another program may leave it: text before the first section,
// comments, blank lines, spaces around names and values, quotes, LF-only line ends, a line that
// is no key, a key twice, a section twice and no line end at the very end.
const std::string kHandMade =
    "top=before any section\r\n"
    "; a comment\r\n"
    "[General]\r\n"
    "  Name  =  spaced value  \r\n"
    "quoted=\"  inside quotes  \"\n"
    "single='x'\n"
    "half=\"open\n"
    "no key line\r\n"
    ";1=commented out\r\n"
    "=no name\r\n"
    "eq=a=b\r\n"
    "dup=first\r\n"
    "dup=second\r\n"
    "\r\n"
    "[ Other ]\r\n"
    "k=other\r\n"
    "[general]\r\n"
    "late=from the second header\r\n"
    "dup=third";

struct ReadCase {
  const char* name;
  const char* section;
  const char* key;
  const char* expected;  // nullptr: missing
};

class ProfileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ProfileReadTest, ReadsWhatTheProfileFunctionsRead) {
  const ProfileFile file(kHandMade);
  const ReadCase& c = GetParam();
  const std::optional<std::string> value = file.Find(c.section, c.key);
  if (c.expected == nullptr) {
    EXPECT_FALSE(value.has_value()) << *value;
    EXPECT_EQ(file.ReadString(c.section, c.key, "default"), "default");
  } else {
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, c.expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileReadTest,
    ::testing::Values(ReadCase{"SpacesAroundNameAndValue", "General", "Name", "spaced value"},
                      ReadCase{"NamesWithoutCase", "GENERAL", "nAmE", "spaced value"},
                      ReadCase{"SpacesAroundTheAskedNames", " General ", " Name\t", "spaced value"},
                      ReadCase{"QuotesTakenOff", "General", "quoted", "  inside quotes  "},
                      ReadCase{"SingleQuotesTakenOff", "General", "single", "x"},
                      ReadCase{"AnUnmatchedQuoteStays", "General", "half", "\"open"},
                      ReadCase{"EqualsSignsInTheValue", "General", "eq", "a=b"},
                      ReadCase{"TheFirstOfTwoKeys", "General", "dup", "first"},
                      ReadCase{"ASectionTwiceReadsAsOne", "General", "late",
                               "from the second header"},
                      ReadCase{"SpacedHeader", "Other", "k", "other"},
                      ReadCase{"NothingBeforeTheFirstSection", "", "top", nullptr},
                      ReadCase{"ACommentIsNoKey", "General", ";1", nullptr},
                      ReadCase{"ALineWithoutEqualsIsNoKey", "General", "no key line", nullptr},
                      ReadCase{"MissingKey", "General", "nothing", nullptr},
                      ReadCase{"MissingSection", "Nowhere", "k", nullptr},
                      ReadCase{"KeysOfOneSectionOnly", "Other", "Name", nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProfileFile, ListsEveryKeyOfASectionInFileOrder) {
  const ProfileFile file(kHandMade);
  EXPECT_EQ(file.Keys("general"), (std::vector<std::string>{"Name", "quoted", "single", "half",
                                                            "eq", "dup", "dup", "late", "dup"}));
  EXPECT_TRUE(file.Keys("missing").empty());
  EXPECT_EQ(file.Sections(), (std::vector<std::string>{"General", "Other"}));
}

TEST(ProfileFile, NoLimitOnTheLengthOfAValueOrTheNumberOfKeys) {
  const std::string longValue(5000, 'v');
  std::string bytes = "[S]\r\nlong=" + longValue + "\r\n";
  for (int i = 1; i <= 3000; ++i) bytes += std::to_string(i) + "=x\r\n";
  const ProfileFile file(bytes);
  EXPECT_EQ(file.ReadString("S", "long", ""), longValue);
  EXPECT_EQ(file.Keys("S").size(), 3001u);
}

TEST(ProfileFile, GivesBackTheBytesItWasGiven) {
  for (const std::string& bytes :
       {kHandMade, std::string(), std::string("\n\n\r\r\n"), std::string("[a\x83]\r\nno end"),
        std::string("x\0y=\0\r\n", 8), std::string("\r")}) {
    EXPECT_EQ(ProfileFile(bytes).Bytes(), bytes);
  }
}

// Sections whose names differ only in the second byte of a double-byte character, or in the
// case of a full-width letter, are different sections; ASCII letters are the same either case.
TEST(ProfileFile, DoubleByteNamesCompareByteForByte) {
  struct Pair {
    std::string a, b;
    bool same;
  };
  const Pair pairs[] = {
      {J("ア"), J("ヂ"), false},  // 0x83 0x41 and 0x83 0x61
      {J("比例のグラフＡ"), J("比例のグラフａ"), false},
      {J("単元A"), J("単元a"), true},
      {J("ソ"), J("ソ"), true},  // 0x83 0x5C
  };
  for (const Pair& p : pairs) {
    ProfileFile file;
    ASSERT_TRUE(file.WriteString(p.a, "1", "first"));
    ASSERT_TRUE(file.WriteString(p.b, "1", "second"));
    EXPECT_EQ(file.ReadString(p.a, "1", ""), p.same ? "second" : "first") << FromCp932(p.a);
    EXPECT_EQ(file.Sections().size(), p.same ? 1u : 2u) << FromCp932(p.a);
  }
}

// "‐" is 0x81 0x5D: its second byte is a closing bracket that must not end the header.
TEST(ProfileFile, ABracketInsideADoubleByteCharacterDoesNotCloseTheHeader) {
  const std::string title = J("比例‐反比例");
  ProfileFile file;
  ASSERT_TRUE(file.WriteString(title, "1", "x"));
  EXPECT_EQ(file.Bytes(), "[" + title + "]\r\n1=x\r\n");
  const ProfileFile again(file.Bytes());
  EXPECT_EQ(again.Sections(), std::vector<std::string>{title});
  EXPECT_EQ(again.ReadString(title, "1", ""), "x");
  EXPECT_EQ(ProfileFile("[a]b]\r\nk=v\r\n").ReadString("a]b", "k", ""), "v");
}

struct WriteCase {
  const char* name;
  std::string before;
  const char* section;
  const char* key;
  const char* value;
  std::string after;
};

class ProfileWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWriteTest, ChangesOnlyWhatTheWriteNeeds) {
  const WriteCase& c = GetParam();
  ProfileFile file(c.before);
  ASSERT_TRUE(file.WriteString(c.section, c.key, c.value));
  EXPECT_EQ(file.Bytes(), c.after);
  EXPECT_EQ(ProfileFile(file.Bytes()).ReadString(c.section, c.key, "?"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWriteTest,
    ::testing::Values(WriteCase{"NewFile", "", "S", "1", "v", "[S]\r\n1=v\r\n"},
                      WriteCase{"NewKeyAtTheEndOfItsSection", "[S]\r\n1=a\r\n[T]\r\n1=b\r\n", "s",
                                "2", "c", "[S]\r\n1=a\r\n2=c\r\n[T]\r\n1=b\r\n"},
                      WriteCase{"NewKeyBeforeTheBlankLinesAfterItsSection",
                                "[S]\n1=a\n; note\n\n\n[T]\n1=b\n", "S", "2", "c",
                                "[S]\n1=a\n; note\n2=c\r\n\n\n[T]\n1=b\n"},
                      WriteCase{"NewKeyUnderAnEmptySection", "[S]\r\n[T]\r\n", "S", "1", "a",
                                "[S]\r\n1=a\r\n[T]\r\n"},
                      WriteCase{"NewKeyInTheLastOccurrenceOfASection",
                                "[S]\r\n1=a\r\n[T]\r\n[S]\r\n2=b\r\n", "S", "3", "c",
                                "[S]\r\n1=a\r\n[T]\r\n[S]\r\n2=b\r\n3=c\r\n"},
                      WriteCase{"NewSectionAtTheEnd", "; c\r\n[S]\r\n1=a\r\n", "T", "1", "b",
                                "; c\r\n[S]\r\n1=a\r\n[T]\r\n1=b\r\n"},
                      WriteCase{"ALastLineWithoutLineEndGetsOne", "[S]\r\n1=a", "S", "2", "b",
                                "[S]\r\n1=a\r\n2=b\r\n"},
                      WriteCase{"NewSectionAfterALastLineWithoutLineEnd", "[S]\n1=a", "T", "1", "b",
                                "[S]\n1=a\r\n[T]\r\n1=b\r\n"},
                      WriteCase{"AnExistingKeyInPlace", "[S]\r\n  Key = old \r\n2=x\r\n", "s",
                                "KEY", "new", "[S]\r\n  Key =new\r\n2=x\r\n"},
                      WriteCase{"AnEmptyValue", "[S]\r\n1=a\r\n", "S", "1", "", "[S]\r\n1=\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ProfileFile, RefusesWhatAProfileFileCannotHold) {
  const std::string before = "[S]\r\n1=a\r\n";
  const std::tuple<std::string, std::string, std::string> refused[] = {
      {"S", "a=b", "v"},  {"S", "", "v"},
      {"S", "  ", "v"},   {"S", ";c", "v"},
      {"S", "[x", "v"},   {"S", "k\r", "v"},
      {"S", "k", "v\n"},  {"S\r\nT", "k", "v"},
      {"\x83", "k", "v"}, {J("比") + "\x83", "k", "v"}};
  for (const auto& [section, key, value] : refused) {
    ProfileFile file(before);
    EXPECT_FALSE(file.WriteString(section, key, value)) << section << "|" << key << "|" << value;
    EXPECT_EQ(file.Bytes(), before);
  }
}

TEST(ProfileFile, ErasingASectionTakesEveryOccurrenceWithAllItsLines) {
  ProfileFile file(
      "; top\r\n[S]\r\n1=a\r\n; kept with S\r\n\r\n[T]\r\n1=b\n[s]\r\n2=c\r\n[U]\r\n1=d");
  EXPECT_TRUE(file.EraseSection("S"));
  EXPECT_EQ(file.Bytes(), "; top\r\n[T]\r\n1=b\n[U]\r\n1=d");
  EXPECT_FALSE(file.EraseSection("S"));
  EXPECT_TRUE(file.EraseSection("U"));
  EXPECT_EQ(file.Bytes(), "; top\r\n[T]\r\n1=b\n");
}

}  // namespace
