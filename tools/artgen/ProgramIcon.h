// The program's icon for the desktop's menus and task bars: a few flat
// shapes, drawn from one description both as PNG pictures at the sizes the
// icon theme keeps and as an SVG picture for any other size.
#pragma once

#include <QString>

namespace art {

// Writes <id>-48.png, <id>-128.png, <id>-256.png and <id>.svg into `dir`;
// false (with the reason) when a file cannot be written.
bool writeProgramIcon(const QString& dir, const QString& id, QString* error);

} // namespace art
