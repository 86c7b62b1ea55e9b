#include "rtf/RtfParser.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>

#include <array>

namespace trevallion::rtf {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; its five unused bytes keep their
// Latin-1 values.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t FromCp1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? Cp1252High[byte - 0x80] : char16_t(byte);
}

// The characters of a control word's name, and of its number.
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
int HexValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

// Text worth showing: no control characters but the tab.
bool Printable(char16_t ch) {
    return ch >= 0x20 || ch == u'\t';
}

} // namespace

// All three tables are sorted by name for the binary search.
constexpr Parser::Keyword Parser::Keywords[] = {
    // the word, and what reading it does
    {"b", &Parser::Bold},
    {"bin", &Parser::Binary},
    {"blue", &Parser::Blue},
    {"cf", &Parser::Color},
    {"colortbl", &Parser::ColorTable},
    {"deff", &Parser::DefaultFont},
    {"f", &Parser::Font},
    {"fi", &Parser::FirstIndent},
    {"fonttbl", &Parser::FontTable},
    {"fs", &Parser::FontSize},
    {"green", &Parser::Green},
    {"i", &Parser::Italic},
    {"li", &Parser::LeftIndent},
    {"line", &Parser::Line},
    {"page", &Parser::Paragraph},
    {"par", &Parser::Paragraph},
    {"pard", &Parser::ResetParagraph},
    {"plain", &Parser::Plain},
    {"qc", &Parser::Center},
    {"qj", &Parser::Justify},
    {"ql", &Parser::Left},
    {"qr", &Parser::Right},
    {"red", &Parser::Red},
    {"sa", &Parser::SpaceAfter},
    {"sb", &Parser::SpaceBefore},
    {"sect", &Parser::Paragraph},
    {"tab", &Parser::Tab},
    {"u", &Parser::Unicode},
    {"uc", &Parser::FallbackCount},
    {"ul", &Parser::Underline},
    {"ulnone", &Parser::NoUnderline}};
// Words that stand for one character.
constexpr Parser::Keyword Parser::Symbols[] = {
    {"bullet", &Parser::Symbol, 0x2022},  {"emdash", &Parser::Symbol, 0x2014},
    {"emspace", &Parser::Symbol, 0x2003}, {"endash", &Parser::Symbol, 0x2013},
    {"enspace", &Parser::Symbol, 0x2002}, {"ldblquote", &Parser::Symbol, 0x201C},
    {"lquote", &Parser::Symbol, 0x2018},  {"rdblquote", &Parser::Symbol, 0x201D},
    {"rquote", &Parser::Symbol, 0x2019}};
// Destinations that hold no text for the reader.
constexpr std::string_view SkippedDestinations[] = {
    "annotation", "atnauthor",         "atnid",      "bkmkend",  "bkmkstart", "datastore",
    "falt",       "fldinst",           "footer",     "footerf",  "footerl",   "footerr",
    "footnote",   "generator",         "header",     "headerf",  "headerl",   "headerr",
    "info",       "listoverridetable", "listtable",  "object",   "pict",      "private",
    "revtbl",     "rsidtbl",           "stylesheet", "template", "themedata", "xmlnstbl"};

constexpr bool NameBefore(const Parser::Keyword& a, const Parser::Keyword& b) {
    return a.name < b.name;
}
static_assert(std::is_sorted(std::begin(Parser::Keywords), std::end(Parser::Keywords), NameBefore));
static_assert(std::is_sorted(std::begin(Parser::Symbols), std::end(Parser::Symbols), NameBefore));
static_assert(std::is_sorted(std::begin(SkippedDestinations), std::end(SkippedDestinations)));

const Parser::Keyword* Parser::FindKeyword(std::string_view name) {
    const Keyword key{name, nullptr};
    const auto* found = std::lower_bound(std::begin(Keywords), std::end(Keywords), key, NameBefore);
    if (found != std::end(Keywords) && found->name == name) {
        return found;
    }
    const auto* symbol = std::lower_bound(std::begin(Symbols), std::end(Symbols), key, NameBefore);
    if (symbol != std::end(Symbols) && symbol->name == name) {
        return symbol;
    }
    static constexpr Keyword skip{"", &Parser::Skip, 0};
    return std::binary_search(std::begin(SkippedDestinations), std::end(SkippedDestinations), name)
               ? &skip
               : nullptr;
}

bool Parser::Run() {
    m_pos = m_bytes.indexOf('{'); // ReadRtf has seen the document start there
    while (m_pos >= 0 && m_pos < m_bytes.size() && !m_done && !m_writer.Overflowed()) {
        const char c = m_bytes[m_pos++];
        if (c == '{' || c == '}') {
            m_fallbackLeft = 0; // a brace ends the characters standing in for a \u
            c == '{' ? OpenGroup() : CloseGroup();
        } else if (c == '\\') {
            if (m_pos < m_bytes.size()) { // a lone backslash at the very end shows nothing
                IsLetter(m_bytes[m_pos]) ? ControlWord() : ControlSymbol(m_bytes[m_pos++]);
            }
        } else if (c != '\r' && c != '\n' && !TakeFallback()) {
            const char16_t ch = c == '\t' ? u'\t' : FromCp1252(static_cast<unsigned char>(c));
            if (Printable(ch)) {
                Put(ch);
            }
        }
    }
    if (!m_done) {
        Finish(); // the document was cut short
    }
    return !m_writer.Overflowed();
}

// Puts out the text still pending and gives the last paragraph its format.
void Parser::Finish() {
    m_writer.Finish(BlockFormat());
}

void Parser::OpenGroup() {
    if (m_groups.size() < MaxDepth) {
        m_groups.push_back(m_groups.back());
    } else {
        ++m_overflow;
    }
}

void Parser::CloseGroup() {
    if (m_overflow > 0) {
        --m_overflow;
        return;
    }
    if (State().destination == Destination::FontTable) {
        m_fontName.clear(); // an entry cut short before its ';' names nothing
    }
    if (m_groups.size() <= 2) {
        Finish(); // the outermost group has closed: the document ends here
        m_done = true;
        return;
    }
    m_groups.pop_back();
}

// When a \u's stand-in characters are still due, uses up one of them.
bool Parser::TakeFallback() {
    if (m_fallbackLeft == 0) {
        return false;
    }
    --m_fallbackLeft;
    return true;
}

void Parser::ControlSymbol(char c) {
    if (c == '\'') {
        const int high = m_pos < m_bytes.size() ? HexValue(m_bytes[m_pos]) : -1;
        const int low = m_pos + 1 < m_bytes.size() ? HexValue(m_bytes[m_pos + 1]) : -1;
        if (high < 0 || low < 0) {
            m_pos += high < 0 ? 0 : 1; // a broken escape shows nothing, not even its one digit
            return;
        }
        m_pos += 2;
        const char16_t ch = FromCp1252(static_cast<unsigned char>(high * 16 + low));
        if (!TakeFallback() && Printable(ch)) {
            Put(ch);
        }
        return;
    }
    if (TakeFallback()) {
        return;
    }
    if (c == '\\' || c == '{' || c == '}') {
        Put(char16_t(c));
    } else if (c == '~') {
        Put(u'\u00A0'); // non-breaking space
    } else if (c == '-') {
        Put(u'\u00AD'); // optional hyphen
    } else if (c == '_') {
        Put(u'\u2011'); // non-breaking hyphen
    } else if (c == '*') {
        Skip(Word{}); // a destination this reader need not know
    } else if (c == '\r' || c == '\n') {
        NewParagraph();
    }
}

void Parser::ControlWord() {
    const qsizetype start = m_pos;
    while (m_pos < m_bytes.size() && IsLetter(m_bytes[m_pos])) {
        ++m_pos;
    }
    const std::string_view name(m_bytes.data() + start, static_cast<std::size_t>(m_pos - start));
    bool negative = false;
    if (m_pos + 1 == m_bytes.size() && m_bytes[m_pos] == '-') {
        m_pos = m_bytes.size(); // cut off at its sign: dropped like any unfinished word
        return;
    }
    if (m_pos + 1 < m_bytes.size() && m_bytes[m_pos] == '-' && IsDigit(m_bytes[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    Word word;
    while (m_pos < m_bytes.size() && IsDigit(m_bytes[m_pos])) {
        word.hasParam = true;
        word.param = std::min(word.param * 10 + (m_bytes[m_pos++] - '0'), MaxParam);
    }
    if (m_pos >= m_bytes.size()) {
        return; // cut off before its delimiter, the word may be incomplete: it is dropped
    }
    if (m_bytes[m_pos] == ' ') {
        ++m_pos;
    }
    word.param = negative ? -word.param : word.param;
    const Keyword* keyword = FindKeyword(name);
    if (keyword != nullptr && keyword->handler == &Parser::Binary) {
        // Raw bytes follow, as many as the number says; none of them is RTF.
        m_pos += std::min<qsizetype>(std::max(word.param, 0LL), m_bytes.size() - m_pos);
        return;
    }
    if (TakeFallback() || keyword == nullptr || m_overflow > 0) {
        return;
    }
    word.symbol = keyword->symbol;
    (this->*keyword->handler)(word);
}

void Parser::Font(const Word& w) {
    if (State().destination == Destination::FontTable) {
        m_fontNumber = w.Clamped(0, MaxParam);
        m_fontName.clear();
    } else {
        Chars().font = w.Clamped(0, MaxParam);
    }
}

// \uN: N is a signed 16-bit number, so characters above U+7FFF come as negative numbers.
void Parser::Unicode(const Word& w) {
    if (w.param >= -32768 && w.param <= 65535) {
        const auto unit = static_cast<char16_t>(w.param < 0 ? w.param + 65536 : w.param);
        if (Printable(unit)) {
            Put(unit);
        }
    }
    m_fallbackLeft = State().fallbackCount;
}

void Parser::Put(char16_t ch) {
    if (m_overflow > 0) {
        return;
    }
    switch (State().destination) {
    case Destination::Text:
        UpdateCharFormat();
        m_writer.Put(ch);
        break;
    case Destination::FontTable:
        if (ch != u';') {
            if (m_fontName.size() < MaxFontName) {
                m_fontName.append(QChar(ch));
            }
            break;
        }
        if (m_fonts.size() < MaxFontEntries || m_fonts.contains(m_fontNumber)) {
            m_fonts.insert(m_fontNumber, m_fontName.trimmed());
        }
        m_fontName.clear();
        break;
    case Destination::ColorTable:
        if (ch != u';') {
            break;
        }
        if (m_colors.size() < MaxColorEntries) {
            m_colors.push_back(m_colorGiven ? std::optional(QColor(m_red, m_green, m_blue))
                                            : std::nullopt);
        }
        m_red = m_green = m_blue = 0;
        m_colorGiven = false;
        break;
    case Destination::Skip:
        break;
    }
}

void Parser::NewParagraph() {
    if (m_overflow > 0 || State().destination != Destination::Text) {
        return;
    }
    UpdateCharFormat();
    m_writer.NewParagraph(BlockFormat());
}

// Hands the writer the format of the current character state, when that has changed.
void Parser::UpdateCharFormat() {
    if (m_written != Chars()) {
        m_writer.SetCharFormat(CharFormat(Chars()));
        m_written = Chars();
    }
}

QTextCharFormat Parser::CharFormat(const CharState& chars) const {
    QTextCharFormat format;
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontPointSize(chars.halfPoints / 2.0);
    const auto color = static_cast<std::size_t>(chars.color);
    if (color < m_colors.size() && m_colors[color]) {
        format.setForeground(*m_colors[color]);
    }
    const auto font = m_fonts.constFind(chars.font >= 0 ? chars.font : m_defaultFont);
    if (font != m_fonts.cend() && !font->isEmpty()) {
        format.setFontFamilies(QStringList{*font});
    }
    return format;
}

// RTF measures in twips, twenty to the point; the document in pixels of 1/96 inch.
QTextBlockFormat Parser::BlockFormat() const {
    const ParaState& para = m_groups.back().para;
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    format.setTopMargin(para.spaceBefore / 15.0);
    format.setBottomMargin(para.spaceAfter / 15.0);
    format.setLeftMargin(para.leftIndent / 15.0);
    format.setTextIndent(para.firstIndent / 15.0);
    return format;
}

} // namespace trevallion::rtf
