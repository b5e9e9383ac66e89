#include "platform/window_place.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace nencho {

namespace {

// Moves a span of `length` starting at `start` into [low, high): its start is never above
// `low`, so that a span longer than the room keeps its beginning (a window's title bar) in sight.
int clampSpan(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

WindowSpot onScreen(WindowSpot spot, const WindowRect& screen, int width, int height) {
    return {clampSpan(spot.x, width, screen.x, screen.right()),
            clampSpan(spot.y, height, screen.y, screen.bottom())};
}

std::int64_t overlap(const WindowRect& a, const WindowRect& b) {
    const int width = std::min(a.right(), b.right()) - std::max(a.x, b.x);
    const int height = std::min(a.bottom(), b.bottom()) - std::max(a.y, b.y);
    if (width <= 0 || height <= 0) return 0;
    return std::int64_t{width} * height;
}

}  // namespace

WindowSpot placeBesideMainWindow(const WindowRect& main, const WindowRect& buttons,
                                 const WindowRect& screen, int width, int height) {
    // Each place moved onto the screen: where it does not fit, it goes over the main window
    // from that side as far as it must.
    const WindowSpot wanted[] = {{main.right(), main.y},
                                 {main.x - width, main.y},
                                 {main.x, main.bottom()},
                                 {main.x, main.y - height}};
    WindowSpot best{};
    std::tuple<std::int64_t, std::int64_t> bestCover{INT64_MAX, INT64_MAX};
    for (const WindowSpot& spot : wanted) {
        const WindowSpot placed = onScreen(spot, screen, width, height);
        const WindowRect window{placed.x, placed.y, width, height};
        const std::tuple<std::int64_t, std::int64_t> cover{overlap(window, buttons),
                                                           overlap(window, main)};
        if (cover < bestCover) {
            bestCover = cover;
            best = placed;
        }
    }
    return best;
}

WindowSpot placeMainWindow(const WindowRect& screen, int width, int height) {
    return onScreen({screen.x, screen.y + (screen.height - height) / 2}, screen, width, height);
}

}  // namespace nencho
