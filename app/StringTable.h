// The program's string resources.
#pragma once

#include <string>

// String 128: the document template's description.
inline constexpr char kDocTemplateString[] = "Fin\n\nFin\n\n\nFin.Document\nFin Document";

// The window-class name: the text before the template string's first
// newline, followed by " Class" ("Fin Class").
std::string WindowClassName();
