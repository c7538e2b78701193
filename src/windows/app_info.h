// Names the program presents to the user and to the platform.
#pragma once

// UTF-8 texts for the window side.
inline constexpr const char* kApplicationTitle = "Kelvado 反比例（小・中）";
inline constexpr const char* kMainCaptionPrefix = "Kelvado 反比例（中学版） - ";
inline constexpr const char* kHelpFileName = "Mevrolin.hlp";
inline constexpr const char* kDefaultFileName = "Mevrolin.mvr";
