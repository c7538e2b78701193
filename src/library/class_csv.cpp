#include "library/class_csv.h"

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/cp932.h"
#include "model/messages.h"
#include "storage/file_access.h"

namespace {

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool IsUtf8(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    uint32_t lo = 0x80;
    uint32_t cp = 0;
    if (b < 0x80) {
      ++i;
      continue;
    } else if (b >= 0xC2 && b <= 0xDF) {
      n = 1;
      cp = b & 0x1Fu;
    } else if (b >= 0xE0 && b <= 0xEF) {
      n = 2;
      cp = b & 0x0Fu;
      lo = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      n = 3;
      cp = b & 0x07u;
      lo = 0x10000;
    } else {
      return false;
    }
    if (i + n >= s.size()) return false;
    for (std::size_t k = 1; k <= n; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3Fu);
    }
    if (cp < lo || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n + 1;
  }
  return true;
}

// A field as CSV holds it.
std::string Field(std::string text) {
  if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string::npos) {
    text.insert(0, "'");
  }
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string Number(int32_t n) { return n < 0 ? "" : std::to_string(n); }

// "2003年06月12日" and "09:05" as "2003-06-12 09:05", which every spreadsheet reads as a date;
// a text in another shape as it stands.
std::string DateField(const RecordLine& latest) {
  const std::string& date = latest.date;
  const std::string& y = Msg().YearMark;
  const std::string& m = Msg().MonthMark;
  const std::string& d = Msg().DayMark;
  const bool digits = [&] {
    for (const std::size_t at :
         {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{3}, 4 + y.size(),
          5 + y.size(), 6 + y.size() + m.size(), 7 + y.size() + m.size()}) {
      if (at >= date.size() || date[at] < '0' || date[at] > '9') return false;
    }
    return true;
  }();
  const bool shaped = digits && date.size() == 8 + y.size() + m.size() + d.size() &&
                      date.compare(4, y.size(), y) == 0 &&
                      date.compare(6 + y.size(), m.size(), m) == 0 &&
                      date.compare(8 + y.size() + m.size(), d.size(), d) == 0;
  if (!shaped) return FromCp932(date + " " + latest.clock);
  return date.substr(0, 4) + "-" + date.substr(4 + y.size(), 2) + "-" +
         date.substr(6 + y.size() + m.size(), 2) + " " + FromCp932(latest.clock);
}

void AddLine(std::string& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += ',';
    out += fields[i];
  }
  out += "\r\n";
}

}  // namespace

std::string ClassCsv(const ClassTable& table) {
  std::string out = "\xEF\xBB\xBF";
  out += FromCp932(Msg().ClassCsvHeader) + "\r\n";
  for (const ClassRow& row : table.rows) {
    const std::string pupil = Field(IsUtf8(row.pupil) ? row.pupil : FromCp932(row.pupil));
    if (row.state == PupilState::Unreadable || table.units.empty()) {
      const std::string& note =
          row.state == PupilState::Unreadable ? Msg().ClassUnreadable : Msg().NoRecords;
      AddLine(out, {pupil, "", row.state == PupilState::Unreadable ? "" : "0", "", "", "", "", "",
                    Field(FromCp932(note))});
      continue;
    }
    for (std::size_t u = 0; u < table.units.size(); ++u) {
      const ClassCell& cell = row.cells[u];
      const std::string unit = Field(FromCp932(table.units[u]));
      if (cell.records.empty()) {
        AddLine(out, {pupil, unit, "0", "", "", "", "", "", ""});
        continue;
      }
      const RecordLine latest = cell.Latest();
      if (!latest.parsed) {
        AddLine(out, {pupil, unit, Number(cell.Runs()), "", "", "", "", Number(cell.BestSeconds()),
                      Field(FromCp932(latest.text))});
        continue;
      }
      AddLine(out, {pupil, unit, Number(cell.Runs()), Field(DateField(latest)),
                    Field(FromCp932(latest.marks)), Number(latest.seconds),
                    Number(FirstTryCount(latest.marks)), Number(cell.BestSeconds()), ""});
    }
  }
  return out;
}

bool SaveClassCsv(const std::string& path, const ClassTable& table, int& error) {
  error = 0;
  return ReplaceFileAtomically(path, ClassCsv(table), &error);
}
