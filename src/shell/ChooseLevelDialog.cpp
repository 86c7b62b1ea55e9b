#include "shell/ChooseLevelDialog.h"

#include "levels/LevelLayouts.h"
#include "shell/TileArt.h"
#include "shell/TitleWidth.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace trevallion {
namespace {

// A level's number as the player types it: a number past the levels is kept as typed, where a
// spin box would drop the key that made it so (99 would stay 9), to be refused in words. The
// arrows still step within the levels.
class LevelNumberBox : public QSpinBox {
  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& text, int& position) const override {
        const QValidator::State state = QSpinBox::validate(text, position);
        static const QRegularExpression number(QStringLiteral("^\\d{1,9}$"));
        return state == QValidator::Invalid && number.match(text).hasMatch()
                   ? QValidator::Intermediate
                   : state;
    }

    // Enter on a number that is no level leaves it refused, rather than putting back the last
    // level typed for the box to accept.
    void keyPressEvent(QKeyEvent* event) override {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
            !hasAcceptableInput()) {
            event->accept();
            return;
        }
        QSpinBox::keyPressEvent(event);
    }
};

} // namespace

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
    : QDialog(parent), m_tiles(tiles), m_number(new LevelNumberBox(this)),
      m_preview(new QLabel(this)), m_refusal(new QLabel(this)) {
    setWindowTitle(tr("Choose Level"));
    setModal(true);

    m_number->setRange(FirstLevel, LevelCount);
    m_number->setValue(ClampLevel(level));
    connect(m_number, &QSpinBox::valueChanged, this, &ChooseLevelDialog::ShowPreview);
    // The spin box tells of the numbers it takes, its line of every key typed.
    connect(m_number, &QSpinBox::textChanged, this, &ChooseLevelDialog::CheckNumber);
    connect(m_number->findChild<QLineEdit*>(), &QLineEdit::textChanged, this,
            &ChooseLevelDialog::CheckNumber);
    m_refusal->setObjectName(QStringLiteral("refusal"));
    m_refusal->hide();
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setFrameShape(QFrame::Box);
    m_preview->setAlignment(Qt::AlignCenter);
    ShowPreview(m_number->value());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_ok = buttons->button(QDialogButtonBox::Ok);

    auto* number = new QFormLayout;
    number->addRow(tr("&Level:"), m_number);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(number);
    layout->addWidget(m_refusal);
    layout->addWidget(m_preview, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepTitleInFull(*this, *buttons);
}

int ChooseLevelDialog::Level() const {
    return m_number->value();
}

void ChooseLevelDialog::CheckNumber() {
    const bool level = m_number->hasAcceptableInput();
    m_ok->setEnabled(level);
    m_refusal->setVisible(!level && !m_number->cleanText().isEmpty());
    m_refusal->setText(tr("There is no level %1: the levels are 1 to %2.")
                           .arg(m_number->cleanText())
                           .arg(LevelCount));
}

void ChooseLevelDialog::ShowPreview(int level) {
    m_preview->setPixmap(
        DrawBoardPreview(LayoutToBoard(LevelLayout(level)), m_tiles, PreviewCellSide));
    m_preview->setAccessibleName(tr("Level %1 at its start").arg(level));
}

} // namespace trevallion
