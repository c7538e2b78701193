#include "model/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>

namespace {

// glibc's "SHIFT_JIS" maps 0x5C to the yen sign; "CP932" is the Windows table the files use.
constexpr const char* kCodePage = "CP932";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of the input as possible; returns the number of input bytes consumed.
  // Stops at an invalid or incomplete sequence and leaves errno telling which.
  std::size_t Convert(std::string_view in, std::string& out) {
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char buffer[1024];
    while (inLeft > 0) {
      char* outPtr = buffer;
      std::size_t outLeft = sizeof buffer;
      const std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
      if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) break;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
    return in.size() - inLeft;
  }

 private:
  iconv_t cd_;
};

// Length of the well-formed UTF-8 sequence at the start of the text, or 0 when the first byte
// does not start one.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  if (length == 0 || length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace

std::string ToCp932(std::string_view utf8) {
  Converter converter(kCodePage, "UTF-8");
  std::string out;
  if (!converter.ok()) return std::string(utf8);
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const std::size_t used = converter.Convert(utf8, out);
    utf8.remove_prefix(used);
    if (utf8.empty()) break;
    // A well-formed character with no CP932 form becomes "?"; a malformed byte is dropped.
    const std::size_t length = Utf8SequenceLength(utf8);
    if (length > 0) out.push_back('?');
    utf8.remove_prefix(std::max<std::size_t>(length, 1));
  }
  return out;
}

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length =
        static_cast<unsigned char>(text.front()) < 0x80 ? 1 : Utf8SequenceLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

std::string FromCp932(std::string_view cp932) {
  Converter converter("UTF-8", kCodePage);
  std::string out;
  if (!converter.ok()) return std::string(cp932);
  out.reserve(cp932.size() * 3 / 2);
  while (!cp932.empty()) {
    const std::size_t used = converter.Convert(cp932, out);
    cp932.remove_prefix(used);
    if (cp932.empty()) break;
    out.append(kReplacement);
    cp932.remove_prefix(1);
  }
  return out;
}
