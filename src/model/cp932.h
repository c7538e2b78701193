// The one codec between the system's Shift-JIS texts (Windows code page 932) and UTF-8.
// The core keeps every text as CP932 bytes; only the window side turns them into UTF-8.
#pragma once

#include <string>
#include <string_view>

// UTF-8 to CP932. A character with no CP932 form becomes "?" and malformed UTF-8 bytes are
// dropped, so typed text always yields bytes a work file can hold.
std::string ToCp932(std::string_view utf8);

// True when every byte belongs to a well-formed UTF-8 character (plain ASCII included).
bool IsUtf8(std::string_view text);

// CP932 to UTF-8; never fails. A byte that does not start a valid character becomes U+FFFD
// and decoding goes on with the next byte.
std::string FromCp932(std::string_view cp932);

// True when the byte starts a two-byte CP932 character.
constexpr bool IsCp932LeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
