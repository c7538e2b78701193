// The help file "Mevrolin.hlp": Shift-JIS text divided into topics, each opened by a line
// "#topic <number> <title>" and running to the next such line.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// Topic numbers the windows and menus carry.
inline constexpr int32_t kHelpMainWindow = 100;
inline constexpr int32_t kHelpGraphList = 104;
inline constexpr int32_t kHelpFileMenu = 214;
inline constexpr int32_t kHelpEditMenu = 216;
inline constexpr int32_t kHelpSettingsMenu = 218;
inline constexpr int32_t kHelpRunMenu = 220;
inline constexpr int32_t kHelpDisplayMenu = 222;
inline constexpr int32_t kHelpContents = 224;
inline constexpr int32_t kHelpOnePoint = 230;
inline constexpr int32_t kHelpOpenDialog = 1213;
// A topic for every other window, so F1 there explains that window.
inline constexpr int32_t kHelpNewWork = 300;
inline constexpr int32_t kHelpTangenOpen = 302;
inline constexpr int32_t kHelpTangen = 304;
inline constexpr int32_t kHelpRenshu = 310;
inline constexpr int32_t kHelpResults = 312;
inline constexpr int32_t kHelpKiroku = 314;
inline constexpr int32_t kHelpClassKiroku = 316;
inline constexpr int32_t kHelpSettei = 320;
inline constexpr int32_t kHelpSetCood = 322;
inline constexpr int32_t kHelpPrint = 330;
inline constexpr int32_t kHelpVersion = 340;
inline constexpr int32_t kHelpSaveDialog = 1214;

struct HelpTopic {
  std::string title;  // CP932
  std::string text;   // CP932, lines ended by "\n"
};

// Topics by number; text before the first topic line is ignored. Line ends CR LF, LF or CR.
std::map<int32_t, HelpTopic> ParseHelpFile(std::string_view bytes);

// Reads the help file at this path; nothing when it cannot be read.
std::optional<std::map<int32_t, HelpTopic>> LoadHelpFile(const std::string& path);
