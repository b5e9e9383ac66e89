#pragma once
// A box that takes at most so many characters from the user. What the user enters beyond the
// limit, by typing, pasting, dropping or the input method's commit, is cut from the end of what
// was entered, so that its first characters stay, and a beep says so; nothing already in the box
// is lost. A longer text the program puts into the box (a stored record) is shown whole; the
// user may edit it within its own length.
class QLineEdit;

namespace nencho {

void limitTypedLength(QLineEdit* box, int characters);

}  // namespace nencho
