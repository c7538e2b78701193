// Whether a click answers a question: the equation of the curve through the clicked lattice
// point against the question's, and whether any point of a plane can answer a question at all.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/editor_state.h"
#include "model/equation_text.h"
#include "model/line_data.h"
#include "render/canvas.h"
#include "render/plane_geometry.h"

// Right when the answer's text equals, byte for byte, the question's stored text or the
// question's text worked out now in the form shown. The text depends only on the constant, so
// every lattice point of the right hyperbola answers it, on either branch.
bool IsRightAnswer(const TLineData& question, const std::string& answerText, EquationForm form);

// The index of the first question that no click on the plane can answer right, or -1 when
// every one can be answered.
int32_t FirstUnanswerable(const std::vector<TLineData>& questions, const PlaneGeometry& plane,
                          EquationForm form);

// Where the hint points: the question's own point when a click on the plane can give it, else
// the right lattice point of the plane nearest to it (the question's point when there is none).
LatticePoint HintPoint(const TLineData& question, const PlaneGeometry& plane, EquationForm form);

// Where the hint arrow goes: the part of the arrow picture to copy and the place on the plane.
// The picture holds the arrow (size × size, its tip at the top-left corner) and, when turnable,
// beside and below it the same arrow mirrored, with its tip at the top-right, bottom-left and
// bottom-right corners. The arrow always lies wholly on the plane: the right lattice point
// nearest the question's own point whose arrow fits, turned when it must; only when no right
// point lets an arrow fit is it pushed onto the plane beside the hint point.
struct HintArrow {
  PixelRect target;
  PixelRect from;
  friend bool operator==(const HintArrow&, const HintArrow&) = default;
};
HintArrow PlaceHintArrow(const TLineData& question, const PlaneGeometry& plane, EquationForm form,
                         int32_t size, bool turnable);

// The index of the first question whose constant (of its point or of its stored text) is 0:
// its "curve" is the two axes, so a click on an axis would be taken for a right answer. -1 when
// there is none.
int32_t FirstWithZeroConstant(const std::vector<TLineData>& questions, EquationForm form);
