#include "shell/help/RtfReader.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <random>

using trevallion::ReadRtf;
using trevallion::RtfInput;

namespace {

QByteArray Manual() {
    QFile file(QStringLiteral(TREVALLION_MANUAL));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text that `rtf` shows, with paragraphs and line breaks as "\n".
QString Text(const QByteArray& rtf) {
    QTextDocument document;
    ReadRtf(rtf, document);
    return document.toPlainText();
}

// The format of the last character of the first occurrence of `needle`.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& needle) {
    return document.find(needle, 0, QTextDocument::FindCaseSensitively).charFormat();
}

bool IsBold(const QTextDocument& document, const QString& needle) {
    return FormatOf(document, needle).fontWeight() >= QFont::Bold;
}

} // namespace

class RtfReaderTest : public QObject {
    Q_OBJECT

  private slots:
    void manualHoldsItsSectionsAndEmphasis() {
        QTextDocument document;
        QCOMPARE(ReadRtf(Manual(), document), RtfInput::Rtf);
        int previous = -1;
        for (const char* heading :
             {"INTRODUCTION", "INTERFACE", "GAME PLAY", "ADDITIONAL INFORMATION"}) {
            const QTextCursor found =
                document.find(QLatin1String(heading), 0, QTextDocument::FindCaseSensitively);
            QVERIFY2(found.selectionStart() > previous, heading);
            previous = found.selectionStart();
            // The first capitalised occurrence is the heading's own paragraph.
            QCOMPARE(found.block().text(), QLatin1String(heading));
            QVERIFY(IsBold(document, QLatin1String(heading)));
            QCOMPARE(found.charFormat().foreground().color(), QColor(0, 0, 128));
            QCOMPARE(found.charFormat().fontPointSize(), 16.0);
        }
        QVERIFY(!IsBold(document, QStringLiteral("Welcome")));
        QVERIFY(FormatOf(document, QStringLiteral("commands a king")).fontItalic());
        QVERIFY(!FormatOf(document, QStringLiteral("commands")).fontItalic());
        QVERIFY(FormatOf(document, QStringLiteral("has not")).fontUnderline());
        QCOMPARE(FormatOf(document, QStringLiteral("two sides. Player 1")).foreground().color(),
                 QColor(160, 0, 160));
        QVERIFY(document.toRawText().contains(QStringLiteral("(\u2190\u00A0\u2192)")));
        QVERIFY(!document.toPlainText().contains(QStringLiteral("Trevallion Handbook"))); // \info
    }

    void groupsSaveTheCharacterState() {
        QTextDocument document;
        ReadRtf("{\\rtf1 a\\b b\\b0 c{\\b d{\\i e}f}g\\b1 h\\plain k}", document);
        QCOMPARE(document.toPlainText(), QStringLiteral("abcdefghk"));
        QCOMPARE(QList<bool>({IsBold(document, "a"), IsBold(document, "b"), IsBold(document, "c"),
                              IsBold(document, "d"), IsBold(document, "f"), IsBold(document, "g"),
                              IsBold(document, "h"), IsBold(document, "k")}),
                 QList<bool>({false, true, false, true, true, false, true, false}));
        QVERIFY(FormatOf(document, QStringLiteral("e")).fontItalic());
        QVERIFY(!FormatOf(document, QStringLiteral("f")).fontItalic());
    }

    void readsCharactersAndParagraphs() {
        QCOMPARE(Text("{\\rtf1 caf\\'e9 \\'80}"), QStringLiteral("caf\u00E9 \u20AC"));
        QCOMPARE(Text("{\\rtf1 a\\u8212?b \\u-3? c}"), QStringLiteral("a\u2014b \uFFFD c"));
        QCOMPARE(Text("{\\rtf1\\uc2 a\\u8212\\'3f?b}"), QStringLiteral("a\u2014b"));
        QCOMPARE(Text("{\\rtf1 a\\tab b\\par c\\line d}"), QStringLiteral("a\tb\nc\nd"));
        QCOMPARE(Text("{\\rtf1 \\\\\\{\\}\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote "
                      "\\rdblquote}"),
                 QStringLiteral("\\{}\u2014\u2013\u2022\u2018\u2019\u201C\u201D"));
        QTextDocument document;
        ReadRtf("{\\rtf1\\qc a\\~b\\-c\\_d\\par\\pard e}", document);
        QCOMPARE(document.toRawText(), QStringLiteral("a\u00A0b\u00ADc\u2011d\u2029e"));
        QCOMPARE(document.firstBlock().blockFormat().alignment(), Qt::Alignment(Qt::AlignHCenter));
        QCOMPARE(document.lastBlock().blockFormat().alignment(), Qt::Alignment(Qt::AlignLeft));
    }

    void takesSizesColoursAndFontsFromTheTables() {
        QTextDocument document;
        ReadRtf("{\\rtf1{\\fonttbl{\\f0 Alpha;}{\\f3\\fswiss Beta Sans;}}"
                "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
                "\\f3\\fs32 big\\fs20\\cf2 blue\\cf0 auto\\f0 alpha\\cf9 none}",
                document);
        QCOMPARE(document.toPlainText(), QStringLiteral("bigblueautoalphanone"));
        QCOMPARE(FormatOf(document, QStringLiteral("big")).fontPointSize(), 16.0);
        QCOMPARE(FormatOf(document, QStringLiteral("big")).fontFamilies(),
                 QVariant(QStringList{QStringLiteral("Beta Sans")}));
        QCOMPARE(FormatOf(document, QStringLiteral("blue")).foreground().color(),
                 QColor(0, 128, 255));
        QCOMPARE(FormatOf(document, QStringLiteral("alpha")).fontFamilies(),
                 QVariant(QStringList{QStringLiteral("Alpha")}));
        for (const char* automatic : {"auto", "none"}) {
            QVERIFY(!FormatOf(document, QLatin1String(automatic))
                         .hasProperty(QTextFormat::ForegroundBrush));
        }
    }

    void skipsWhatIsNotText() {
        QCOMPARE(Text("{\\rtf1 a{\\*\\foo hidden}b{\\info{\\title t}}c{\\stylesheet{s;}}d"
                      "{\\pict\\bin5 }}{}x}e{\\header h}f\\unknownword7 g}"),
                 QStringLiteral("abcdefg"));
        QTextDocument document;
        QCOMPARE(ReadRtf("just {words}\\par", document), RtfInput::PlainText);
        QCOMPARE(document.toPlainText(), QStringLiteral("just {words}\\par"));
        QCOMPARE(ReadRtf("\xEF\xBB\xBF \r\n{\\rtf1 ok}", document), RtfInput::Rtf);
        QCOMPARE(document.toPlainText(), QStringLiteral("ok"));
    }

    // Cut off at any byte, the manual shows a beginning of its full text. Every cut in the
    // opening, where the tables and the first paragraphs set up fonts, colours and groups; past
    // it a sample of cuts, since each one reads the whole manual again. The cuts are shared out
    // over eight rows, lengths 0, 8, 16, ... in the first.
    void everyTruncationShowsAPrefix_data() {
        QTest::addColumn<int>("first");
        for (int first = 0; first < 8; ++first) {
            QTest::addRow("cuts from %d", first) << first;
        }
    }

    void everyTruncationShowsAPrefix() {
        QFETCH(int, first);
        const QByteArray manual = Manual();
        const QString full = Text(manual);
        QTextDocument document;
        constexpr qsizetype Opening = 1536;
        for (qsizetype length = first; length <= manual.size();
             length += length < Opening ? 8 : 8 * 13) {
            const QByteArray part = manual.first(length);
            const RtfInput input = ReadRtf(part, document);
            const QString text = document.toPlainText();
            if (length < 5) { // shorter than "{\rtf"
                QCOMPARE(input, RtfInput::PlainText);
                QCOMPARE(text, QString::fromLatin1(part));
            } else if (input != RtfInput::Rtf || !full.startsWith(text)) {
                QFAIL(qPrintable(QStringLiteral("cut at %1 shows \"%2\"").arg(length).arg(text)));
            }
        }
    }

    void survivesNonsense() {
        // Bytes from an alphabet rich in RTF's own characters, so that words, numbers, groups
        // and escapes are cut and mixed in every way; every fourth input is raw bytes.
        const QByteArray alphabet("{}{}\\\\\\\\'*-0123456789abfiuclpqrsd; \r\n\t\x00\x80\x9f\xff",
                                  42);
        std::mt19937 random(20240611);
        std::uniform_int_distribution<int> pick(0, static_cast<int>(alphabet.size()) - 1);
        QTextDocument document;
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes("{\\rtf1 ");
            for (int i = std::uniform_int_distribution(0, 400)(random); i > 0; --i) {
                bytes.append(round % 4 == 0 ? char(random()) : alphabet[pick(random)]);
            }
            QCOMPARE(ReadRtf(bytes, document), RtfInput::Rtf);
            // Every character shown comes from at least one byte read.
            QVERIFY(document.toPlainText().size() <= bytes.size());
        }
    }

    void survivesDeepAndBrokenNesting() {
        const QByteArray deep = QByteArray("{\\rtf1 before ") + QByteArray(100000, '{') + "deep" +
                                QByteArray(100000, '}') + " after}";
        QCOMPARE(Text(deep), QStringLiteral("before  after")); // past 100 levels: left out
        QCOMPARE(Text(QByteArray("{\\rtf1 a{\\b b") + QByteArray(100000, '{') + "c"),
                 QStringLiteral("ab"));
        QCOMPARE(Text("{\\rtf1 a}b}c}}"), QStringLiteral("a"));
        QCOMPARE(Text("{\\rtf1 a{b}}}}{{{c"), QStringLiteral("ab"));
        QCOMPARE(Text("{\\rtf1 abc\\"), QStringLiteral("abc"));
        QCOMPARE(Text("{\\rtf1 abc\\'4"), QStringLiteral("abc"));
    }

    void clampsHugeNumbers() {
        QTextDocument document;
        ReadRtf("{\\rtf1\\fs99999999999999999999999999 big\\fs-99999999999 small"
                "\\cf4294967297 c\\u99999999999?d\\li-999999999999\\sb999999999999 e"
                "\\uc99999999999 \\u65?xyz{f}\\bin99999999999999 rest}",
                document);
        QCOMPARE(document.toPlainText(), QStringLiteral("bigsmallcdeAf"));
        QCOMPARE(FormatOf(document, QStringLiteral("big")).fontPointSize(), 500.0);
        QCOMPARE(FormatOf(document, QStringLiteral("small")).fontPointSize(), 1.0);
        QCOMPARE(document.firstBlock().blockFormat().leftMargin(), 0.0);
        QCOMPARE(document.firstBlock().blockFormat().topMargin(), 96.0); // one inch
    }

    // Each input repeats a unit just up to a limit of what a manual may hold, or once past it:
    // the first is shown, the second refused whole.
    void holdsNoMoreThanAManual_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("unit");
        QTest::addColumn<int>("limit");
        QTest::newRow("characters") << QByteArray() << QByteArray("a ") << 100'000;
        QTest::newRow("big characters") << QByteArray("\\fs1000 ") << QByteArray("a ") << 2380;
        QTest::newRow("paragraphs") << QByteArray() << QByteArray("\\par ") << 20'000;
        QTest::newRow("line breaks") << QByteArray() << QByteArray("\\line ") << 20'000;
        QTest::newRow("runs") << QByteArray() << QByteArray("{\\b a}{\\i b}") << 10'000;
        QTest::newRow("fonts") << QByteArray() << QByteArray("\\fs%1 a") << 64;
    }

    void holdsNoMoreThanAManual() {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, unit);
        QFETCH(int, limit);
        for (const int count : {limit, limit + 1}) {
            QByteArray rtf = "{\\rtf1" + head;
            for (int i = 0; i < count; ++i) {
                rtf += unit.contains('%') ? QString::fromLatin1(unit).arg(i + 2).toLatin1() : unit;
            }
            QTextDocument document;
            const RtfInput input = ReadRtf(rtf + "}", document);
            QCOMPARE(input, count == limit ? RtfInput::Rtf : RtfInput::TooLong);
            QCOMPARE(document.isEmpty(), count > limit);
        }
        QTextDocument document;
        QCOMPARE(ReadRtf(QByteArray(200'001, 'a'), document), RtfInput::TooLong); // plain text too
    }

    void breaksLongWordsAndCapsTheTables() {
        const QString text =
            Text("{\\rtf1 " + QByteArray(250, 'x') + " " + QByteArray(99, 'y') + "}");
        const QString zeroWidthSpace(QChar(0x200B));
        QCOMPARE(text, QString(100, 'x') + zeroWidthSpace + QString(100, 'x') + zeroWidthSpace +
                           QString(50, 'x') + ' ' + QString(99, 'y'));

        QByteArray tables =
            "{\\rtf1{\\colortbl;" + QByteArray("\\red255;").repeated(1100) + "}{\\fonttbl";
        for (int font = 0; font < 110; ++font) {
            tables += "{\\f" + QByteArray::number(font) + " Font" + QByteArray::number(font) + ";}";
        }
        QTextDocument document;
        ReadRtf(tables + "}\\cf999 red\\cf1000 auto\\cf0\\f99 named\\f100 unnamed}", document);
        QVERIFY(FormatOf(document, "red").hasProperty(QTextFormat::ForegroundBrush));
        QVERIFY(!FormatOf(document, "auto").hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(FormatOf(document, "named").fontFamilies(), QVariant(QStringList{"Font99"}));
        QVERIFY(!FormatOf(document, "unnamed").hasProperty(QTextFormat::FontFamilies));
    }
};

QTEST_MAIN(RtfReaderTest)
#include "RtfReaderTest.moc"
