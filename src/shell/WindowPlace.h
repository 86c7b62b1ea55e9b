#pragma once

#include "shell/SettingsFile.h"

#include <QByteArray>

namespace trevallion {

// The window's size and place as the settings keep them from one run to the next, in the form
// QWidget::saveGeometry gives. Wayland tells no program where its window stands, so a run on
// Wayland keeps its own under a name of its own and leaves the place an X11 run kept alone; its
// first run takes the size X11 kept.

// What the last run on this window system kept; empty for nothing.
QByteArray KeptWindowGeometry(const SettingsFile& settings);
void KeepWindowGeometry(SettingsFile& settings, const QByteArray& geometry);

} // namespace trevallion
