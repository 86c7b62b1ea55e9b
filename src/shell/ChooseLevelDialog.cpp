#include "shell/ChooseLevelDialog.h"

#include "levels/LevelLayouts.h"
#include "shell/TileArt.h"
#include "shell/TitleWidth.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace trevallion {

QPixmap DrawBoardPreview(const Board& board, const TileSet& tiles, int cellSide) {
    const qreal ratio = tiles.Tile(Empty).devicePixelRatio();
    const int side = static_cast<int>(std::lround(BoardSize * cellSide * ratio));
    QPixmap preview(side, side);
    preview.setDevicePixelRatio(ratio);
    preview.fill(Qt::white);
    QPainter painter(&preview);
    ScaleToDevicePixels(painter, ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            painter.drawPixmap(QRect(x * cellSide, y * cellSide, cellSide, cellSide),
                               tiles.Tile(board.At({x, y})));
        }
    }
    return preview;
}

ChooseLevelDialog::ChooseLevelDialog(int level, const TileSet& tiles, QWidget* parent)
    : QDialog(parent), m_tiles(tiles), m_number(new QSpinBox(this)), m_preview(new QLabel(this)) {
    setWindowTitle(tr("Choose Level"));
    setModal(true);

    m_number->setRange(1, LevelCount);
    m_number->setValue(ClampLevel(level));
    connect(m_number, &QSpinBox::valueChanged, this, &ChooseLevelDialog::ShowPreview);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setFrameShape(QFrame::Box);
    m_preview->setAlignment(Qt::AlignCenter);
    ShowPreview(m_number->value());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* number = new QFormLayout;
    number->addRow(tr("&Level:"), m_number);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(number);
    layout->addWidget(m_preview, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepTitleInFull(*this, *buttons);
}

int ChooseLevelDialog::Level() const {
    return m_number->value();
}

void ChooseLevelDialog::ShowPreview(int level) {
    m_preview->setPixmap(
        DrawBoardPreview(LayoutToBoard(LevelLayout(level)), m_tiles, PreviewCellSide));
    m_preview->setAccessibleName(tr("Level %1 at its start").arg(level));
}

} // namespace trevallion
