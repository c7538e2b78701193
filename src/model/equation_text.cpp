#include "model/equation_text.h"

std::string EquationText(const TLineData& line, EquationForm form) {
  const std::string a = std::to_string(Teisuu(line));
  if (form == EquationForm::Standard) return "y = " + a + "/x";
  return "xy = " + a;
}
