#include "model/domain_text.h"

#include <algorithm>

#include "model/messages.h"

namespace {

std::string Dec(int32_t v) { return std::to_string(v); }

}  // namespace

const std::string& LtSign(bool included) { return included ? Msg().LeSign : Msg().LtSign; }

const std::string& GtSign(bool included) { return included ? Msg().GeSign : Msg().GtSign; }

std::string XDomainText(const TLineData& line) {
  const int32_t lo = std::min(line.HenikiStart, line.HenikiEnd);
  const int32_t hi = std::max(line.HenikiStart, line.HenikiEnd);
  const std::string s1 = Dec(lo) + " ";
  const std::string s2 = " " + Dec(hi);
  const std::string& a = LtSign(line.IncStart);
  const std::string& b = LtSign(line.IncEnd);
  const std::string& lt = Msg().LtSign;
  // " x ＜ 0, 0 ＜ x ": the gap around x = 0, which is never in the domain.
  const std::string gap = " x " + lt + " 0, 0 " + lt + " x ";

  switch (line.LMode) {
    case kModeSegment:
      if (lo < 0 && hi == 0) return s1 + a + " x " + lt + " 0";
      if (lo < 0 && hi < 0) return s1 + a + " x " + b + s2;
      if (lo == 0 && hi > 0) return "0 " + lt + " x " + b + s2;
      if (lo > 0) return s1 + a + " x " + b + s2;
      return s1 + a + gap + b + s2;
    case kModeRight:
      if (lo == 0) return "x " + Msg().GtSign + " 0";
      if (lo < 0) return s1 + b + "x " + lt + " 0, 0 " + lt + " x ";
      return "x " + GtSign(line.IncStart) + s1;
    case kModeLeft:
      if (hi == 0) return "x " + lt + " 0";
      if (hi > 0) return "x " + lt + " 0, 0 " + lt + " x " + b + s2;
      return "x " + b + s2;
    default:
      return "";
  }
}

std::string YRangeText(const TLineData& line) {
  const int32_t s = line.HenikiStart;
  const int32_t e = line.HenikiEnd;
  const std::string& a = LtSign(line.IncStart);
  const std::string& b = LtSign(line.IncEnd);
  const std::string& lt = Msg().LtSign;
  const std::string& gt = Msg().GtSign;
  const bool positive = Teisuu(line) >= 0;  // a = 0 never occurs; it takes the a > 0 rows
  auto f = [&line](int32_t x) { return YText(line, x); };

  switch (line.LMode) {
    case kModeSegment:
      if (positive) {
        if (s < 0 && e == 0) return " y " + a + f(s);
        if (s < 0 && e < 0) return f(e) + b + " y " + a + f(s);
        if (s == 0 && e > 0) return "y " + GtSign(line.IncEnd) + f(e);
        if (s > 0 && e > 0) return f(e) + b + " y " + a + f(s);
        return "y " + a + f(s) + ", " + f(e) + b + " y";
      }
      if (s < 0 && e == 0) return " y " + GtSign(line.IncStart) + f(s);
      if (s < 0 && e < 0) return f(s) + a + " y " + b + f(e);
      if (s == 0 && e > 0) return "y " + b + f(e);
      if (s > 0 && e > 0) return f(s) + a + " y " + b + f(e);
      return "y " + b + f(e) + ", " + f(s) + a + " y";
    case kModeRight:
      if (positive) {
        if (s == 0) return "y " + gt + " 0";
        if (s > 0) return "0" + lt + "y" + a + f(s);
        return "y " + a + f(s) + ", 0 " + lt + " y";
      }
      if (s == 0) return "y " + lt + " 0";
      if (s > 0) return f(s) + a + " y " + lt + " 0";
      return "y " + lt + " 0, " + f(s) + a + " y";
    case kModeLeft:
      if (positive) {
        if (e == 0) return "y " + lt + " 0";
        if (e > 0) return "y " + lt + " 0, " + f(e) + a + " y";
        return f(e) + a + " y " + lt + " 0";
      }
      if (e == 0) return "y " + gt + " 0";
      if (e > 0) return "y " + a + f(e) + ", 0 " + lt + " y";
      return "0 " + lt + " y " + a + f(e);
    default:
      return "";
  }
}
