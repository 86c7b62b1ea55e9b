#include "shell/help/RtfReader.h"

#include "rtf/DocumentWriter.h"
#include "rtf/RtfParser.h"

#include <QString>
#include <QTextBlockFormat>
#include <QTextDocument>

namespace trevallion {
namespace {

bool IsSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool LooksLikeRtf(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
    }
    while (!bytes.isEmpty() && IsSpace(bytes.front())) {
        bytes = bytes.sliced(1);
    }
    return bytes.startsWith("{\\rtf");
}

// Writes UTF-8 text a line to a paragraph, as QTextDocument::setPlainText would, but within the
// reader's limits; false when the text exceeds them.
bool WritePlainText(QByteArrayView bytes, QTextDocument& document) {
    const QString text = QString::fromUtf8(bytes);
    rtf::DocumentWriter writer(document);
    for (qsizetype i = 0; i < text.size() && !writer.Overflowed(); ++i) {
        const char16_t ch = text[i].unicode();
        if (ch == u'\n' || ch == u'\r') {
            i += ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 1 : 0;
            writer.NewParagraph(QTextBlockFormat());
        } else {
            writer.Put(ch);
        }
    }
    writer.Finish(QTextBlockFormat());
    return !writer.Overflowed();
}

} // namespace

RtfInput ReadRtf(QByteArrayView bytes, QTextDocument& document) {
    document.clear();
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    const bool rtf = LooksLikeRtf(bytes);
    const bool fits = rtf ? rtf::Parser(bytes, document).Run() : WritePlainText(bytes, document);
    document.setUndoRedoEnabled(undo);
    if (!fits) {
        document.clear();
        return RtfInput::TooLong;
    }
    return rtf ? RtfInput::Rtf : RtfInput::PlainText;
}

} // namespace trevallion
