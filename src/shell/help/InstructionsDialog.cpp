#include "shell/help/InstructionsDialog.h"

#include "fileio/PlainFile.h"
#include "shell/help/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>

namespace trevallion {
namespace {

// The view's background once the manual is in it: a pale aqua.
const QColor ManualBackground(128, 246, 234);

// A manual is a few dozen kilobytes; a larger file than this is refused, not read in part.
constexpr std::size_t MaxManualBytes = 4 * 1024 * 1024;

QString ErrorText(FileError error, const QString& path) {
    return QString::fromStdString(FileErrorMessage(error, path.toStdString()));
}

} // namespace

InstructionsDialog::InstructionsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Instructions"));
    setModal(true);
    const QSize smallest = Units(0, 0, 300, 215).size();
    setMinimumSize(smallest);
    resize(smallest);

    m_frame = new QGroupBox(this);
    m_frame->setGeometry(Units(2, 0, 296, 198));

    m_view = new QTextEdit(this);
    m_view->setObjectName(QStringLiteral("manual"));
    m_view->setGeometry(Units(6, 6, 288, 170));
    m_view->setReadOnly(true);
    m_view->setUndoRedoEnabled(false);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_view->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_view->setFocusPolicy(Qt::ClickFocus); // a click may select text, Tab passes it by

    // Each button shows the section of the manual under its heading, as the manual in the
    // player's language spells it.
    QPushButton* sections[] = {
        //: The heading of the manual's first section, exactly as the translated manual has it.
        AddSectionButton(tr("Introduction"), tr("INTRODUCTION"), Units(6, 180, 54, 14)),
        //: A heading of the translated manual, exactly as it stands there.
        AddSectionButton(tr("Interface"), tr("INTERFACE"), Units(64, 180, 54, 14)),
        //: A heading of the translated manual, exactly as it stands there.
        AddSectionButton(tr("Game Play"), tr("GAME PLAY"), Units(122, 180, 54, 14)),
        //: A heading of the translated manual, exactly as it stands there.
        AddSectionButton(tr("More Information"), tr("ADDITIONAL INFORMATION"),
                         Units(236, 180, 58, 14)),
    };

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(Units(124, 200, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    // OK comes first in the tab order and holds the focus when the window opens.
    QWidget* previous = ok;
    for (QPushButton* section : sections) {
        setTabOrder(previous, section);
        previous = section;
    }
    ok->setFocus();

    m_buttons = {sections[0], sections[1], sections[2], sections[3], ok};
    for (const QWidget* widget : {static_cast<QWidget*>(m_frame), static_cast<QWidget*>(m_view)}) {
        m_smallest << widget->geometry();
    }
    for (const QPushButton* button : m_buttons) {
        m_smallest << button->geometry();
    }
}

// The frame and the view grow with the window; the section buttons keep to the bottom, "More
// Information" to the right with the frame's edge, and OK to the middle.
void InstructionsDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (m_smallest.size() != 2 + m_buttons.size()) {
        return; // still being built
    }
    const QSize grown = size() - minimumSize();
    const int down = std::max(0, grown.height());
    const int across = std::max(0, grown.width());
    m_frame->setGeometry(m_smallest[0].adjusted(0, 0, across, down));
    m_view->setGeometry(m_smallest[1].adjusted(0, 0, across, down));
    const int rightward[] = {0, 0, 0, across, across / 2};
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setGeometry(m_smallest[2 + i].translated(rightward[i], down));
    }
}

QRect InstructionsDialog::Units(int x, int y, int width, int height) const {
    // As the desktop measures dialogs: across, a quarter of the average width of the letters;
    // down, an eighth of the line height. The floor keeps the window usable without fonts.
    const QFontMetrics metrics(font());
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int across = std::max((letters / 26 + 1) / 2, 6);
    const int down = std::max(metrics.height(), 13);
    return QRect(x * across / 4, y * down / 8, width * across / 4, height * down / 8);
}

QPushButton* InstructionsDialog::AddSectionButton(const QString& text, const QString& heading,
                                                  QRect geometry) {
    auto* button = new QPushButton(text, this);
    button->setFlat(true);
    // A font wider than the layout expects would clip the text: such a button grows to the
    // left, into the space before "More Information".
    geometry.setLeft(std::min(geometry.left(), geometry.right() + 1 - button->sizeHint().width()));
    button->setGeometry(geometry);
    connect(button, &QPushButton::clicked, this, [this, heading] { ShowSection(heading); });
    return button;
}

QString InstructionsDialog::Load(const QString& fileName) {
    const QString path = QFileInfo(fileName).absoluteFilePath();
    m_view->clear();
    m_view->setPalette(QPalette()); // the background the view had before any manual

    // Only a plain file is read, so a pipe in the manual's place cannot stall the window.
    const PlainFileRead read = ReadPlainFile(QFile::encodeName(path).toStdString(), MaxManualBytes);
    if (read.error != FileError::None) {
        return ErrorText(read.error, path);
    }
    const QByteArrayView bytes(read.bytes.data(), static_cast<qsizetype>(read.bytes.size()));
    if (read.longer || ReadRtf(bytes, *m_view->document()) == RtfInput::TooLong) {
        return ErrorText(FileError::Other, path); // more than a manual holds
    }
    m_view->setTextCursor(QTextCursor(m_view->document()));
    QPalette palette = m_view->palette();
    palette.setColor(QPalette::Base, ManualBackground);
    m_view->setPalette(palette);
    return QString();
}

void InstructionsDialog::ShowSection(const QString& heading) {
    QTextDocument* document = m_view->document();
    // Lays the whole document out, so that the scroll bar spans all of it.
    document->documentLayout()->documentSize();
    QScrollBar* bar = m_view->verticalScrollBar();
    const QTextCursor found = heading.isEmpty()
                                  ? QTextCursor()
                                  : document->find(heading, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull()) {
        bar->setValue(0);
        return;
    }
    const int position = found.selectionStart();
    const QTextBlock block = document->findBlock(position);
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    const qreal top = document->documentLayout()->blockBoundingRect(block).top() +
                      (line.isValid() ? line.y() : 0.0);
    bar->setValue(qRound(top));
}

} // namespace trevallion
