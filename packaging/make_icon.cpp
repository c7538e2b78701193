// Draws the program's icon — a lattice with its axes and the two branches of y = 6/x — once as
// SVG and once as a 256 × 256 PNG, from the same figures, into the folder it is given.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSize = 256;
constexpr int kUnit = 16;  // pixels per lattice unit; the origin is the middle
constexpr double kMargin = 16;
const QColor kPaper(255, 255, 255);
const QColor kEdge(0, 128, 128);
const QColor kGrid(192, 192, 192);
const QColor kAxis(128, 128, 128);
const QColor kCurve(0, 0, 255);

// One branch of y = 6/x in pixels, from x = 6/7 (near the top) to x = 7 (near the right edge).
std::vector<QPointF> Branch(int sign) {
  std::vector<QPointF> points;
  for (double x = 6.0 / 7.0; x <= 7.0001; x += 0.05) {
    const double y = 6.0 / x;
    points.emplace_back(kSize / 2.0 + sign * x * kUnit, kSize / 2.0 - sign * y * kUnit);
  }
  return points;
}

QString Hex(const QColor& c) { return c.name(); }

bool WriteSvg(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&file);
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSize << "\" height=\"" << kSize
      << "\" viewBox=\"0 0 " << kSize << ' ' << kSize << "\">\n";
  out << "  <rect x=\"4\" y=\"4\" width=\"248\" height=\"248\" rx=\"28\" fill=\"" << Hex(kPaper)
      << "\" stroke=\"" << Hex(kEdge) << "\" stroke-width=\"8\"/>\n";
  for (double v = kMargin; v <= kSize - kMargin; v += kUnit) {
    const bool axis = v == kSize / 2.0;
    const QString color = Hex(axis ? kAxis : kGrid);
    const int width = axis ? 4 : 2;
    out << "  <line x1=\"" << v << "\" y1=\"" << kMargin << "\" x2=\"" << v << "\" y2=\""
        << kSize - kMargin << "\" stroke=\"" << color << "\" stroke-width=\"" << width << "\"/>\n";
    out << "  <line x1=\"" << kMargin << "\" y1=\"" << v << "\" x2=\"" << kSize - kMargin
        << "\" y2=\"" << v << "\" stroke=\"" << color << "\" stroke-width=\"" << width << "\"/>\n";
  }
  for (int sign : {1, -1}) {
    out << "  <polyline fill=\"none\" stroke=\"" << Hex(kCurve)
        << "\" stroke-width=\"10\" stroke-linecap=\"round\" stroke-linejoin=\"round\" points=\"";
    for (const QPointF& p : Branch(sign)) out << p.x() << ',' << p.y() << ' ';
    out << "\"/>\n";
  }
  out << "</svg>\n";
  return out.status() == QTextStream::Ok;
}

bool WritePng(const QString& path) {
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kEdge, 8));
  p.setBrush(kPaper);
  p.drawRoundedRect(QRectF(4, 4, 248, 248), 28, 28);
  for (double v = kMargin; v <= kSize - kMargin; v += kUnit) {
    const bool axis = v == kSize / 2.0;
    p.setPen(QPen(axis ? kAxis : kGrid, axis ? 4 : 2));
    p.drawLine(QPointF(v, kMargin), QPointF(v, kSize - kMargin));
    p.drawLine(QPointF(kMargin, v), QPointF(kSize - kMargin, v));
  }
  p.setPen(QPen(kCurve, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  for (int sign : {1, -1}) {
    const std::vector<QPointF> points = Branch(sign);
    p.drawPolyline(points.data(), static_cast<int>(points.size()));
  }
  p.end();
  return image.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const bool ok = WriteSvg(folder + "/mevrolin.svg") && WritePng(folder + "/mevrolin.png");
  return ok ? 0 : 1;
}
