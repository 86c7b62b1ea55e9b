#include "rtf/DocumentWriter.h"

#include <QTextBlockFormat>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace trevallion::rtf {
namespace {

constexpr char16_t ZeroWidthSpace = 0x200B;

// Characters after which a line may break.
bool EndsWord(char16_t ch) {
    return ch == u' ' || ch == u'\t' || ch == QChar::LineSeparator || ch == ZeroWidthSpace;
}

} // namespace

// One edit for the whole document: it is laid out once, not after every paragraph.
DocumentWriter::DocumentWriter(QTextDocument& document) : m_cursor(&document) {
    m_cursor.beginEditBlock();
}

DocumentWriter::~DocumentWriter() {
    m_cursor.endEditBlock();
}

void DocumentWriter::SetCharFormat(const QTextCharFormat& format) {
    Flush();
    m_fonts.insert(format.font().key());
    if (m_fonts.size() > MaxFonts) {
        m_overflowed = true;
    }
    m_format = format;
    m_characterCount =
        std::max<qsizetype>(1, std::ceil(format.fontPointSize() / PointsPerCharacterCount));
}

void DocumentWriter::Put(char16_t ch) {
    // The second half of a surrogate pair stays with its first.
    const bool breakable = !QChar::isLowSurrogate(ch);
    if (breakable && m_wordLength >= MaxWordLength && !EndsWord(ch)) {
        if (!Count(m_characters, m_characterCount, MaxCharacters)) {
            return;
        }
        m_pending.append(QChar(ZeroWidthSpace));
        m_wordLength = 0;
    }
    if (!Count(m_characters, m_characterCount, MaxCharacters) ||
        (ch == QChar::LineSeparator && !Count(m_paragraphs, 1, MaxParagraphs))) {
        return;
    }
    m_pending.append(QChar(ch));
    m_wordLength = EndsWord(ch) ? 0 : m_wordLength + 1;
}

void DocumentWriter::NewParagraph(const QTextBlockFormat& format) {
    Flush();
    if (!Count(m_paragraphs, 1, MaxParagraphs)) {
        return;
    }
    m_cursor.setBlockFormat(format);
    m_cursor.insertBlock(format, m_format);
    m_wordLength = 0;
}

void DocumentWriter::Finish(const QTextBlockFormat& format) {
    Flush();
    if (!m_overflowed) {
        m_cursor.setBlockFormat(format);
    }
}

void DocumentWriter::Flush() {
    if (m_pending.isEmpty() || !Count(m_runs, 1, MaxRuns)) {
        return;
    }
    m_cursor.insertText(m_pending, m_format);
    m_pending.clear();
}

bool DocumentWriter::Count(qsizetype& count, qsizetype amount, qsizetype limit) {
    if (m_overflowed || amount > limit - count) {
        m_overflowed = true;
        return false;
    }
    count += amount;
    return true;
}

} // namespace trevallion::rtf
