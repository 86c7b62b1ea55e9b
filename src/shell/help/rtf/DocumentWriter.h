#pragma once

// The RTF reader's output, for the reader alone; the program uses ReadRtf.

#include <QSet>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

class QTextBlockFormat;
class QTextDocument;

namespace trevallion::rtf {

// What a manual may hold at most. Qt lays text out at a cost per line, per paragraph and per
// change of format, far more for each font it has to load, and the document must stay far
// shorter than the 2^25 pixels that Qt's layout can measure. A character counts once per 12
// points of its size (the size bounds the lines and the height it can take); a forced line
// break counts as a paragraph; a font is a family, size, weight and slant. At these limits a
// whole manual is laid out within a second, and they are still eight times or more what the
// game's own manual holds.
constexpr qsizetype MaxCharacters = 200'000;
constexpr qsizetype MaxParagraphs = 20'000;
constexpr qsizetype MaxRuns = 20'000;
constexpr qsizetype MaxFonts = 64;
constexpr double PointsPerCharacterCount = 12;

// Qt looks for the end of a line from its start to the next place a line may break, so a word
// that runs on for a whole paragraph costs time by the square of its length. A word longer than
// this gets an invisible break opportunity, a zero width space, after every this many characters.
constexpr int MaxWordLength = 100;

// Writes text into a document a run of one character format at a time, all of it in one edit.
class DocumentWriter {
  public:
    explicit DocumentWriter(QTextDocument& document);
    ~DocumentWriter();
    DocumentWriter(const DocumentWriter&) = delete;
    DocumentWriter& operator=(const DocumentWriter&) = delete;

    // The format of the characters put from now on, and of the paragraphs begun.
    void SetCharFormat(const QTextCharFormat& format);
    void Put(char16_t ch);
    // Ends the current paragraph with `format` and begins a new one with the same.
    void NewParagraph(const QTextBlockFormat& format);
    // Writes what is still pending and gives the last paragraph `format`.
    void Finish(const QTextBlockFormat& format);

    // True once the text went past one of the limits above; from then on nothing is written.
    bool Overflowed() const { return m_overflowed; }

  private:
    void Flush();
    // Adds `amount` to a count; false, and overflowed, when that passes its limit.
    bool Count(qsizetype& count, qsizetype amount, qsizetype limit);

    QTextCursor m_cursor;
    QTextCharFormat m_format;
    qsizetype m_characterCount = 1; // how much each character of m_format counts
    QString m_pending;              // text in m_format not yet in the document
    int m_wordLength = 0;           // characters since the last place a line may break
    qsizetype m_characters = 0;
    qsizetype m_paragraphs = 0;
    qsizetype m_runs = 0;
    QSet<QString> m_fonts; // the keys of the fonts used
    bool m_overflowed = false;
};

} // namespace trevallion::rtf
