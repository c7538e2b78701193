// The fonts the program names (the Windows faces of its texts) and the installed faces that
// stand in for them.
#pragma once

#include <QString>
#include <string_view>

// Makes QFont resolve the program's font names to the installed faces. Safe to call again.
void InstallFontSubstitutions();

// The installed family that stands for a font name the program uses; other names are passed on.
QString InstalledFamily(std::string_view name);
