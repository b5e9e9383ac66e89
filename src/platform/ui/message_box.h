#pragma once
// The title of a message box is the program's words too (a question may name the person only
// there), and a window manager draws it in its own, often larger, font beside its own buttons,
// cutting what does not fit: a box is made wide enough for its whole title.
#include <QString>

class QMessageBox;

namespace nencho {

// Widens the box, before it is shown, to the title bar its title needs.
void fitTitle(QMessageBox& box);

// The width a title bar needs for the whole title with its icon and buttons, in pixels: the
// title in a bold face a quarter larger than the program's font, and room for the rest. No more
// than the screen's width.
int titleBarWidth(const QString& title);

}  // namespace nencho
