#include "model/cp932.h"

#include <gtest/gtest.h>

namespace {

struct RoundTripCase {
  const char* utf8;
  const char* cp932;
};

class Cp932RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(Cp932RoundTrip, EncodesAndDecodesExactly) {
  const RoundTripCase c = GetParam();
  EXPECT_EQ(ToCp932(c.utf8), c.cp932);
  EXPECT_EQ(FromCp932(c.cp932), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cp932RoundTrip,
    ::testing::Values(RoundTripCase{"y = 6/x", "y = 6/x"}, RoundTripCase{"≦", "\x81\x85"},
                      RoundTripCase{"＜", "\x81\x83"}, RoundTripCase{"≧", "\x81\x86"},
                      RoundTripCase{"＞", "\x81\x84"},
                      // Trail byte 0x5C, the ASCII backslash, inside two-byte characters.
                      RoundTripCase{"ソ", "\x83\x5c"}, RoundTripCase{"表", "\x95\x5c"},
                      RoundTripCase{"C:\\DATA\\", "C:\\DATA\\"},
                      RoundTripCase{"ｶﾗｰ", "\xb6\xd7\xb0"},  // half-width katakana
                      RoundTripCase{"反比例のグラフ",
                                    "\x94\xbd\x94\xe4\x97\xe1\x82\xcc\x83\x4f"
                                    "\x83\x89\x83\x74"},
                      RoundTripCase{"", ""}));

TEST(Cp932Decode, InvalidBytesBecomeReplacementAndDecodingGoesOn) {
  // 0x80 and 0xA0 are not characters; a lead byte at the end has no trail.
  EXPECT_EQ(FromCp932("a\x80"
                      "b"),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(FromCp932("\xA0"), "\xEF\xBF\xBD");
  EXPECT_EQ(FromCp932("x\x83"), "x\xEF\xBF\xBD");
  EXPECT_EQ(FromCp932(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp932Encode, CharactersWithoutCp932FormBecomeQuestionMarks) {
  EXPECT_EQ(ToCp932("a😀b"), "a?b");
  EXPECT_EQ(ToCp932("a\xFF"
                    "b"),
            "ab");  // malformed UTF-8 is dropped
}

}  // namespace
