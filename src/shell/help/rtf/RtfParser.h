#pragma once

// The RTF reader's working parts, for RtfReader.cpp alone; the program uses ReadRtf.

#include <QByteArrayView>
#include <QColor>
#include <QHash>
#include <QString>

#include "rtf/DocumentWriter.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

namespace trevallion::rtf {

// Groups nested deeper than this are read, but their text is left out.
constexpr std::size_t MaxDepth = 100;
// Every number of a control word is clamped to this magnitude.
constexpr long long MaxParam = 1'000'000'000;
constexpr int DefaultHalfPoints = 24;
// Spacing and indents, in twips: one inch. More would leave the Instructions window's narrow
// view a character to the line, and many paragraphs taller than Qt can lay out.
constexpr int MaxSpacing = 1440;
constexpr qsizetype MaxFontName = 200;
// A manual needs a handful of fonts and colours; table entries past these are left out.
constexpr qsizetype MaxFontEntries = 100;
constexpr std::size_t MaxColorEntries = 1000;

// What a group's text is for.
enum class Destination { Text, FontTable, ColorTable, Skip };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = DefaultHalfPoints;
    int color = 0; // index into the colour table; 0 is the automatic colour
    int font = -1; // -1: the document's default font (\deff)
    bool operator==(const CharState&) const = default;
};

// Lengths in twips, as all lengths of RTF.
struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int leftIndent = 0;
    int firstIndent = 0; // of the first line, from leftIndent; negative for a hanging indent
};

// What a group saves: its closing brace brings the enclosing group's state back.
struct GroupState {
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    int fallbackCount = 1; // \uc: how many characters stand in for each \u
};

// One control word as read: its number, and the character the keyword stands for, if any.
struct Word {
    bool hasParam = false;
    long long param = 0;
    char16_t symbol = 0;
    bool On() const { return !hasParam || param != 0; } // \b and \b1 switch on, \b0 off
    int Clamped(int low, int high) const {
        return static_cast<int>(std::clamp<long long>(param, low, high));
    }
};

// Reads one RTF document into a text document, byte by byte, in a single pass.
class Parser {
  public:
    Parser(QByteArrayView bytes, QTextDocument& document)
        : m_bytes(bytes), m_writer(document), m_groups(1) {}

    // Returns false when the document holds more than a manual may (see DocumentWriter.h).
    bool Run();

    using Handler = void (Parser::*)(const Word&);
    struct Keyword {
        std::string_view name;
        Handler handler;
        char16_t symbol = 0;
    };
    static const Keyword Keywords[];
    static const Keyword Symbols[];

  private:
    static const Keyword* FindKeyword(std::string_view name);

    GroupState& State() { return m_groups.back(); }
    CharState& Chars() { return m_groups.back().chars; }
    ParaState& Para() { return m_groups.back().para; }

    void Finish();
    void OpenGroup();
    void CloseGroup();
    bool TakeFallback();
    void ControlSymbol(char c);
    void ControlWord();
    void Put(char16_t ch);
    void NewParagraph();
    void UpdateCharFormat();
    QTextCharFormat CharFormat(const CharState& chars) const;
    QTextBlockFormat BlockFormat() const;

    // The keywords' handlers.
    void Bold(const Word& w) { Chars().bold = w.On(); }
    void Italic(const Word& w) { Chars().italic = w.On(); }
    void Underline(const Word& w) { Chars().underline = w.On(); }
    void NoUnderline(const Word&) { Chars().underline = false; }
    void FontSize(const Word& w) {
        Chars().halfPoints = w.hasParam ? w.Clamped(2, 1000) : DefaultHalfPoints;
    }
    void Color(const Word& w) { Chars().color = w.Clamped(0, MaxParam); }
    void Font(const Word& w);
    void Plain(const Word&) { Chars() = CharState{}; }
    void DefaultFont(const Word& w) { m_defaultFont = w.Clamped(0, MaxParam); }
    void Paragraph(const Word&) { NewParagraph(); }
    void ResetParagraph(const Word&) { Para() = ParaState{}; }
    void Line(const Word&) { Put(QChar::LineSeparator); }
    void Tab(const Word&) { Put(u'\t'); }
    void Center(const Word&) { Para().alignment = Qt::AlignHCenter; }
    void Left(const Word&) { Para().alignment = Qt::AlignLeft; }
    void Right(const Word&) { Para().alignment = Qt::AlignRight; }
    void Justify(const Word&) { Para().alignment = Qt::AlignJustify; }
    void SpaceBefore(const Word& w) { Para().spaceBefore = w.Clamped(0, MaxSpacing); }
    void SpaceAfter(const Word& w) { Para().spaceAfter = w.Clamped(0, MaxSpacing); }
    void LeftIndent(const Word& w) { Para().leftIndent = w.Clamped(0, MaxSpacing); }
    void FirstIndent(const Word& w) { Para().firstIndent = w.Clamped(-MaxSpacing, MaxSpacing); }
    void Symbol(const Word& w) { Put(w.symbol); }
    void Unicode(const Word& w);
    void FallbackCount(const Word& w) { State().fallbackCount = w.Clamped(0, 255); }
    void Red(const Word& w) { ColorPart(m_red, w); }
    void Green(const Word& w) { ColorPart(m_green, w); }
    void Blue(const Word& w) { ColorPart(m_blue, w); }
    void ColorPart(int& part, const Word& w) {
        part = w.Clamped(0, 255);
        m_colorGiven = true;
    }
    void FontTable(const Word&) { Enter(Destination::FontTable); }
    void ColorTable(const Word&) { Enter(Destination::ColorTable); }
    void Skip(const Word&) { State().destination = Destination::Skip; }
    void Binary(const Word&) {} // ControlWord skips the raw bytes itself
    void Enter(Destination destination) {
        if (State().destination == Destination::Text) {
            State().destination = destination;
        }
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    DocumentWriter m_writer;
    std::vector<GroupState> m_groups; // front: outside every group; back: the current group
    int m_overflow = 0;               // groups opened beyond MaxDepth and not yet closed
    bool m_done = false;
    int m_fallbackLeft = 0; // characters after a \u that still stand in for it

    std::optional<CharState> m_written; // the character state the writer's format shows

    QHash<int, QString> m_fonts;
    int m_fontNumber = 0;
    int m_defaultFont = -1;
    QString m_fontName;
    std::vector<std::optional<QColor>> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorGiven = false;
};

} // namespace trevallion::rtf
