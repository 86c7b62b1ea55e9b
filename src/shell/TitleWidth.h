#pragma once

class QWidget;

namespace trevallion {

// Makes `window` wide enough for window managers to show its title in full, rather than cut
// short with "...", by widening `content`, a widget as wide as the window's layout. Call it
// once the layout is set up.
void KeepTitleInFull(QWidget& window, QWidget& content);

} // namespace trevallion
