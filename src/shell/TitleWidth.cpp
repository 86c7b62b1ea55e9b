#include "shell/TitleWidth.h"

#include <QFontMetrics>
#include <QLayout>
#include <QWidget>

namespace trevallion {
namespace {

// Window managers set titles in a font of their own, often bold and larger than the window's,
// and take room beside it for the window's icon and buttons.
constexpr double TitleFontAllowance = 1.3;
constexpr int DecorationAllowance = 120;

} // namespace

void KeepTitleInFull(QWidget& window, QWidget& content) {
    const int titleWidth = QFontMetrics(window.font()).horizontalAdvance(window.windowTitle());
    const QMargins margins = window.layout()->contentsMargins();
    content.setMinimumWidth(static_cast<int>(titleWidth * TitleFontAllowance) +
                            DecorationAllowance - margins.left() - margins.right());
}

} // namespace trevallion
