#pragma once

#include <QRect>

#include <functional>
#include <optional>

class QMainWindow;
class QWidget;

namespace trevallion {

class SettingsFile;

// Where a window of the rectangle `window` (the desktop's coordinates, without the frame the
// desktop draws round it) may open: `window` itself when it lies, framed, within a screen's
// room, else moved onto the screen it overlaps most by as little as it takes; nothing when it
// overlaps no screen or is larger than the room of the one it overlaps most. A size and place
// remembered from an earlier run are used only where this answers, and stored only where it would.
std::optional<QRect> PlaceOnScreens(const QRect& window);

// The side of the smallest tiles of the board in `window`: TileSize unless the screen it opens on
// has too little room for the whole window at that size, its menus, its status line if shown and
// the frame the desktop draws round it; then less, so that the whole board is seen.
int SmallestTileFor(const QMainWindow& window);

// Gives the top-level `window`, not yet shown, the size and place the settings keep from the last
// run, where they fit a screen; else its first size, centred on its screen. Wayland tells no
// program where its window stands, so a run on Wayland keeps its own under a name of its own and
// leaves the place an X11 run kept alone; its first run takes the size X11 kept.
void RestoreSizeAndPlace(QWidget& window, const SettingsFile& settings);

// Keeps the size and place of `window` in the settings for the next run on this window system,
// unless they fit no screen: a size nothing can show is never stored.
void KeepSizeAndPlace(const QWidget& window, SettingsFile& settings);

// Runs `then` once the top-level `window`, shown, is on the screen where the desktop placed it,
// so that a box opened then opens over it; at once when it is there already.
void RunOnceShown(QWidget& window, std::function<void()> then);

} // namespace trevallion
