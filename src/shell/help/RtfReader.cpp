#include "shell/help/RtfReader.h"

#include "shell/help/RtfParser.h"

#include <QString>
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

} // namespace

RtfInput ReadRtf(QByteArrayView bytes, QTextDocument& document) {
    document.clear();
    if (!LooksLikeRtf(bytes)) {
        document.setPlainText(QString::fromUtf8(bytes));
        return RtfInput::PlainText;
    }
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    rtf::Parser(bytes, document).Run();
    document.setUndoRedoEnabled(undo);
    return RtfInput::Rtf;
}

} // namespace trevallion
