#pragma once
// Where a window stands when the program shows it and nothing else says where: a screen beside
// the main window, the main window itself at the edge of the screen. In pixels of the desktop,
// every rectangle a window's outer frame (its title bar and borders included).

namespace nencho {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }  // the first column past the rectangle
    int bottom() const { return y + height; }
    friend bool operator==(const WindowRect&, const WindowRect&) = default;
};

struct WindowSpot {
    int x = 0;
    int y = 0;
    friend bool operator==(const WindowSpot&, const WindowSpot&) = default;
};

// The top-left corner of a window `width` × `height` shown beside the main window `main`, on the
// part of the screen windows may take (`screen`). The window lies wholly on the screen (its
// top-left corner at least, when it is larger than the screen). Of the places beside the main
// window (right, left, below, above), each moved onto the screen, the first that covers the
// least of the main window's buttons (`buttons`, inside `main`), and then of the rest of the
// main window, is taken.
WindowSpot placeBesideMainWindow(const WindowRect& main, const WindowRect& buttons,
                                 const WindowRect& screen, int width, int height);

// The top-left corner of the main window at its first showing: at the left edge of the screen,
// half way down, leaving the width of the screen on its right to the screens shown beside it.
WindowSpot placeMainWindow(const WindowRect& screen, int width, int height);

}  // namespace nencho
