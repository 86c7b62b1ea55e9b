#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QPushButton;
class QTextEdit;

namespace trevallion {

// The Help menu's Instructions window: the game's manual in a read-only rich text view, four
// buttons that jump to its sections, and OK. OK and Escape close it. It opens at its smallest
// size; made larger, the view takes the room and the text flows to its width.
class InstructionsDialog : public QDialog {
    Q_OBJECT

  public:
    explicit InstructionsDialog(QWidget* parent = nullptr);

    // Reads the RTF manual `fileName`, taken against the current directory, into the view and
    // tints the view pale aqua. Returns an empty string on success. Otherwise the view stays
    // empty on its usual background and the result is the message for the user, naming the full
    // path: "... was not found.", "Access to ... was denied." or a general one, which is also the
    // answer to a file over 4 MB or a manual holding more than the reader takes (see ReadRtf).
    QString Load(const QString& fileName);

    // Scrolls the view so that the line holding the first case-sensitive occurrence of `heading`
    // is its top line, as far as the document's length allows; without one, to the top. The
    // selection and the caret stay where they are.
    void ShowSection(const QString& heading);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // A rectangle given in dialog units, which follow the dialog's font.
    QRect Units(int x, int y, int width, int height) const;
    QPushButton* AddSectionButton(const QString& text, const QString& heading, QRect geometry);

    QGroupBox* m_frame;
    QTextEdit* m_view;
    // The four section buttons and OK, along the bottom.
    QList<QPushButton*> m_buttons;
    // Where each widget stands at the smallest size: the frame, the view, then the buttons.
    QList<QRect> m_smallest;
};

} // namespace trevallion
