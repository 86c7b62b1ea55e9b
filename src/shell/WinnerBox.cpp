#include "shell/WinnerBox.h"

#include "play/Messages.h"
#include "shell/QtText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace trevallion {
namespace {

// Window managers set titles in a font of their own, often bold and larger than the box's, and
// take room beside it for the box's icon and buttons.
constexpr double TitleFontAllowance = 1.3;
constexpr int DecorationAllowance = 120;

} // namespace

WinnerBox::WinnerBox(Side winner, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQString(WinnerBoxTitle));
    setModal(true);

    auto* label = new QLabel(
        ToQString(winner == Side::PlayerOne ? PlayerOneWinsText : PlayerTwoWinsText), this);
    label->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Wide enough that the title shows in full rather than cut short to "...".
    const QMargins margins = layout->contentsMargins();
    const int titleWidth = QFontMetrics(font()).horizontalAdvance(windowTitle());
    label->setMinimumWidth(static_cast<int>(titleWidth * TitleFontAllowance) + DecorationAllowance -
                           margins.left() - margins.right());
}

} // namespace trevallion
