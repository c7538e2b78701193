#include "settings/line_kind_form.h"

LineKind LineKindForm::Chosen() const {
  LineKind chosen = working_;
  if (chosen.LineMode == 0) {
    chosen.SenbunKind = 0;
    chosen.HanchokusenKind = 0;
  }
  return chosen;
}
