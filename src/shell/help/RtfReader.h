#pragma once

#include <QByteArrayView>

class QTextDocument;

namespace trevallion {

// How ReadRtf understood its input.
enum class RtfInput {
    Rtf,       // the bytes began with "{\rtf" and were read as RTF
    PlainText, // anything else: shown as plain UTF-8 text
    TooLong,   // more text, paragraphs or changes of format than a manual holds: left empty
};

// Replaces the contents of `document` with the text of `bytes`.
//
// Bytes that begin with "{\rtf" (after an optional UTF-8 byte-order mark and white space) are
// read as RTF: paragraphs, line breaks, tabs, bold, italic, underline, font size, colour and font
// name from the colour and font tables, paragraph alignment, spacing and indents, the
// Windows-1252 escapes \'hh and Unicode \uN. Destinations that hold no text are skipped, unknown
// control words ignored. The document ends where the outermost group closes; text nested deeper
// than 100 groups is left out. Input that does not begin like RTF is shown as plain text, so a
// manual saved without formatting still reads.
//
// Any input is safe: the reader never reads past the end, clamps every number, and takes time
// linear in the input's length. So that the document can be laid out in a moment, it holds at
// most 200,000 characters of 12 points, 20,000 paragraphs and line breaks, 20,000 runs of one
// format and 64 fonts; input that would give more leaves the document empty. A word longer than a
// hundred characters gets invisible break opportunities, so that Qt can wrap it in time linear in
// its length. Spacing and indents stop at an inch; the font table keeps its first 100 entries, the
// colour table its first 1000.
RtfInput ReadRtf(QByteArrayView bytes, QTextDocument& document);

} // namespace trevallion
