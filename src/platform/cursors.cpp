#include "platform/cursors.h"

#include <QPixmap>

namespace {

// 16 × 16 pictures: '#' black, 'o' white, '.' transparent.
const char* const kArrow[] = {
    "16 16 3 1",        ". c None",         "# c #000000",      "o c #FFFFFF",
    "#...............", "##..............", "#o#.............", "#oo#............",
    "#ooo#...........", "#oooo#..........", "#ooooo#.........", "#oooooo#........",
    "#ooooooo#.......", "#oooo#####......", "#oo#oo#.........", "#o#.#oo#........",
    "##..#oo#........", "#....#oo#.......", ".....#oo#.......", "......##........"};

const char* const kFinger[] = {
    "16 16 3 1",        ". c None",         "# c #000000",      "o c #FFFFFF",
    ".....##.........", "....#oo#........", "....#oo#........", "....#oo#........",
    "....#oo###......", "....#oo#oo##....", "..###oo#oo#o##..", ".#oo#oooooo#oo#.",
    ".#ooooooooooooo#", "..#oooooooooooo#", "..#oooooooooooo#", "...#ooooooooooo#",
    "...#oooooooooo#.", "....#ooooooooo#.", ".....#ooooooo#..", ".....#########.."};

const char* const kScissors[] = {
    "16 16 3 1",        ". c None",         "# c #000000",      "o c #FFFFFF",
    ".##.........##..", "#oo#.......#oo#.", "#oo#.......#oo#.", ".##o#.....#o##..",
    "...#o#...#o#....", "....#o#.#o#.....", ".....#o#o#......", "......#o#.......",
    ".....#o#o#......", "....#o#.#o#.....", "...#o#...#o#....", "..#o#.....#o#...",
    ".#o#.......#o#..", ".##.........##..", "................", "................"};

const char* const kCross[] = {
    "16 16 3 1",        ". c None",         "# c #000000",      "o c #FFFFFF",
    ".......o#o......", ".......o#o......", ".......o#o......", ".......o#o......",
    ".......o#o......", ".......o#o......", "oooooooo#ooooooo", "################",
    "oooooooo#ooooooo", ".......o#o......", ".......o#o......", ".......o#o......",
    ".......o#o......", ".......o#o......", ".......o#o......", "................"};

const char* const kPencil[] = {
    "16 16 3 1",        ". c None",         "# c #000000",      "o c #FFFFFF",
    "............##..", "...........#oo#.", "..........#oooo#", ".........#o#oo#.",
    "........#ooo##..", ".......#ooo#....", "......#ooo#.....", ".....#ooo#......",
    "....#ooo#.......", "...#ooo#........", "..#ooo#.........", "..#oo#..........",
    ".#o##...........", ".##.............", "#...............", "................"};

// Waiting for the end of a domain: a bracket closing to the left.
const char* const kHasamiL[] = {
    "16 16 3 1",        ". c None",         "# c #000000",      "o c #FFFFFF",
    "#####...........", "oooo#...........", "...o#...........", "...o#...........",
    "...o#...........", "...o#...#.......", "...o#..##.......", "...o#.#o#######.",
    "...o##oooooooo#.", "...o#.#o#######.", "...o#..##.......", "...o#...#.......",
    "...o#...........", "...o#...........", "oooo#...........", "#####..........."};

// Waiting for the start of a domain: a bracket opening to the right.
const char* const kHasamiR[] = {
    "16 16 3 1",        ". c None",         "# c #000000",      "o c #FFFFFF",
    "#####...........", "#oooo...........", "#o..............", "#o..............",
    "#o..............", "#o.......#......", "#o.......##.....", "#o.#######o#....",
    "#o.#oooooooo#...", "#o.#######o#....", "#o.......##.....", "#o.......#......",
    "#o..............", "#o..............", "#oooo...........", "#####..........."};

}  // namespace

QCursor LoadCursorResource(const QString& name) {
  struct Entry {
    const char* name;
    const char* const* picture;
    int hotX;
    int hotY;
  };
  static const Entry kEntries[] = {
      {"Arrow1CSR", kArrow, 0, 0},      {"FingerCSR", kFinger, 5, 0},
      {"ScissorsCSR", kScissors, 7, 7}, {"CrossCSR", kCross, 8, 7},
      {"PencilCSR", kPencil, 0, 14},    {"Hasami_LCSR", kHasamiL, 4, 8},
      {"Hasami_RCSR", kHasamiR, 0, 8}};
  for (const Entry& e : kEntries) {
    if (name == QLatin1String(e.name)) return QCursor(QPixmap(e.picture), e.hotX, e.hotY);
  }
  return QCursor(Qt::ArrowCursor);
}
