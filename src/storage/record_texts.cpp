#include "storage/record_texts.h"

#include "model/messages.h"

std::string Pad2(int32_t n) {
  // Negative numbers have no place in a date or a time; they are written as they are.
  if (n > 9 || n < 0) return std::to_string(n);
  return "0" + std::to_string(n);
}

std::string DateText(const DateTime& now) {
  return Pad2(now.year) + Msg().YearMark + Pad2(now.month) + Msg().MonthMark + Pad2(now.day) +
         Msg().DayMark;
}

std::string ClockText(const DateTime& now) { return Pad2(now.hour) + ":" + Pad2(now.minute); }
