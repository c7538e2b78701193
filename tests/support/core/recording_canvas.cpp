#include "support/core/recording_canvas.h"

#include <cstdio>

#include "model/cp932.h"

std::string ColorHex(TColor color) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "#%06X", static_cast<unsigned>(color) & 0xFFFFFFu);
  return buffer;
}

RecordingCanvas::RecordingCanvas(int32_t width, int32_t height) : width_(width), height_(height) {}

std::vector<std::string> RecordingCanvas::Ops(const std::string& prefix) const {
  std::vector<std::string> out;
  for (const auto& op : ops) {
    if (op.compare(0, prefix.size(), prefix) == 0) out.push_back(op);
  }
  return out;
}

std::string RecordingCanvas::Pen() const {
  return "pen " + ColorHex(penColor_) + " w" + std::to_string(penWidth_) +
         (penMode_ == PenMode::NotXor ? " notxor" : "");
}

std::string RecordingCanvas::Brush() const {
  return brushNone_ ? "brush none" : "brush " + ColorHex(brushColor_);
}

void RecordingCanvas::Resize(int32_t width, int32_t height) {
  width_ = width;
  height_ = height;
  ops.push_back("Resize " + std::to_string(width) + "," + std::to_string(height));
}

void RecordingCanvas::MoveTo(int32_t x, int32_t y) {
  ops.push_back("MoveTo " + std::to_string(x) + "," + std::to_string(y));
}

void RecordingCanvas::LineTo(int32_t x, int32_t y) {
  ops.push_back("LineTo " + std::to_string(x) + "," + std::to_string(y) + " " + Pen());
}

void RecordingCanvas::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  ops.push_back("Rectangle " + std::to_string(left) + "," + std::to_string(top) + "," +
                std::to_string(right) + "," + std::to_string(bottom) + " " + Pen() + " " + Brush());
}

void RecordingCanvas::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  ops.push_back("Ellipse " + std::to_string(left) + "," + std::to_string(top) + "," +
                std::to_string(right) + "," + std::to_string(bottom) + " " + Pen() + " " + Brush());
}

void RecordingCanvas::FillRect(const PixelRect& r, TColor color) {
  ops.push_back("Fill " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                std::to_string(r.right) + "," + std::to_string(r.bottom) + " " + ColorHex(color));
}

void RecordingCanvas::TextOut(int32_t x, int32_t y, const std::string& cp932) {
  ops.push_back("Text " + std::to_string(x) + "," + std::to_string(y) + " " + FromCp932(cp932) +
                " [" + fontName_ + " " + std::to_string(fontSize_) +
                (fontItalic_ ? " italic " : " ") + ColorHex(fontColor_) + "]");
}

void RecordingCanvas::CopyRect(const PixelRect& t, const Canvas& /*source*/, const PixelRect& f,
                               CopyMode mode) {
  ops.push_back("Copy " + std::to_string(t.left) + "," + std::to_string(t.top) + "," +
                std::to_string(t.right) + "," + std::to_string(t.bottom) + " from " +
                std::to_string(f.left) + "," + std::to_string(f.top) + "," +
                std::to_string(f.right) + "," + std::to_string(f.bottom) +
                (mode == CopyMode::Xor ? " xor" : ""));
}
