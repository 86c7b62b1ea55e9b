#pragma once

#include <QPixmap>

namespace trevallion {

// The About window's picture, 108 x 133 device-independent pixels of pure black and pure white:
// a crown over a board where both sides' kings and pieces stand among a few walls. The pixmap
// has 108 * ratio by 133 * ratio pixels and carries the ratio.
inline constexpr int AboutPictureWidth = 108;
inline constexpr int AboutPictureHeight = 133;
QPixmap DrawAboutPicture(qreal devicePixelRatio = 1.0);

} // namespace trevallion
