#include "record/RecordTags.h"

#include "levels/LevelLayouts.h"
#include "record/RecordTerms.h"

#include <type_traits>
#include <utility>

namespace trevallion {
namespace {

constexpr std::size_t MaxVersionLength = 40;

struct Tag {
    std::string name;
    std::string value;
};

constexpr std::pair<std::string_view, std::optional<TagLine> RecordTags::*> KnownTags[] = {
    {"Version", &RecordTags::version},   {"Date", &RecordTags::date},
    {"Level", &RecordTags::level},       {"Player1", &RecordTags::playerOne},
    {"Player2", &RecordTags::playerTwo}, {"Result", &RecordTags::result},
    {"Position", &RecordTags::position}, {"ToMove", &RecordTags::toMove},
};

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// `[Name "value"]`, spaces allowed around its parts; in the value, \" and \\ stand for " and \.
std::optional<Tag> ParseTag(std::string_view line) {
    line = Trimmed(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') {
        return std::nullopt;
    }
    line = Trimmed(line.substr(1, line.size() - 2));
    Tag tag;
    std::size_t at = 0;
    while (at < line.size() && IsNameCharacter(line[at])) {
        tag.name += line[at++];
    }
    line = Trimmed(line.substr(at));
    if (tag.name.empty() || line.size() < 2 || line.front() != '"' || line.back() != '"') {
        return std::nullopt;
    }
    const std::string_view quoted = line.substr(1, line.size() - 2);
    for (std::size_t i = 0; i < quoted.size(); ++i) {
        if (quoted[i] == '"') {
            return std::nullopt;
        }
        if (quoted[i] == '\\' && ++i == quoted.size()) {
            return std::nullopt;
        }
        tag.value += quoted[i];
    }
    return tag;
}

std::optional<RecordRefusal> Store(RecordTags& tags, const Tag& tag, int line) {
    for (const auto& [name, member] : KnownTags) {
        if (!SameWords(tag.name, name)) {
            continue;
        }
        if (tags.*member) {
            return RecordRefusal{RecordFault::TagTwice, line, std::string(name)};
        }
        tags.*member = TagLine{tag.value, line};
    }
    return std::nullopt;
}

RecordRefusal Missing(std::string_view name, int line) {
    return RecordRefusal{RecordFault::MissingTag, line, std::string(name)};
}

RecordRefusal BadValue(std::string_view name, const TagLine& tag) {
    return RecordRefusal{RecordFault::BadTagValue, tag.line, std::string(name), Quoted(tag.value)};
}

// Reads a tag that must be there through `parse`, which answers nothing for a bad value.
template <typename Parse>
auto Required(const std::optional<TagLine>& tag, std::string_view name, int missingLine,
              Parse parse)
    -> std::variant<std::remove_reference_t<decltype(*parse({}))>, RecordRefusal> {
    if (!tag) {
        return Missing(name, missingLine);
    }
    if (auto value = parse(tag->value)) {
        return *value;
    }
    return BadValue(name, *tag);
}

// The start: the level's own, or the Position and ToMove tags, which go together.
std::optional<RecordRefusal> ReadStart(const RecordTags& tags, GameRecord& record) {
    if (!tags.position && !tags.toMove) {
        if (CheckLevel(record.level) == LevelCheck::PastLast) {
            return Missing("Position", tags.level->line);
        }
        record.start = LayoutToBoard(LevelLayout(record.level));
        return std::nullopt;
    }
    if (!tags.position || !tags.toMove) {
        return tags.position ? Missing("ToMove", tags.position->line)
                             : Missing("Position", tags.toMove->line);
    }
    const std::optional<Board> board = PositionFromText(tags.position->value);
    const std::optional<Side> side = SideFromName(tags.toMove->value);
    if (!board || !side) {
        return board ? BadValue("ToMove", *tags.toMove) : BadValue("Position", *tags.position);
    }
    record.start = *board;
    record.sideToMove = *side;
    return std::nullopt;
}

} // namespace

std::variant<RecordTags, RecordRefusal> ReadTags(RecordScanner& scanner) {
    RecordTags tags;
    bool first = true;
    for (scanner.SkipBlanks(); !scanner.AtEnd(); scanner.SkipBlanks()) {
        if (scanner.Peek() == ';') {
            scanner.TakeLine();
            continue;
        }
        if (scanner.Peek() != '[') {
            break;
        }
        const int line = scanner.Line();
        const std::optional<Tag> tag = ParseTag(scanner.TakeLine());
        if (first && (!tag || !SameWords(tag->name, "Game") ||
                      !SameWords(Trimmed(tag->value), "Trevallion"))) {
            return RecordRefusal{RecordFault::NotARecord};
        }
        if (!tag) {
            return RecordRefusal{RecordFault::BadTagLine, line};
        }
        if (!first) {
            if (auto refusal = Store(tags, *tag, line)) {
                return *refusal;
            }
        }
        first = false;
    }
    if (first) {
        return RecordRefusal{RecordFault::NotARecord};
    }
    tags.movesLine = scanner.Line();
    return tags;
}

std::variant<GameRecord, RecordRefusal> HeaderFromTags(const RecordTags& tags) {
    GameRecord record;
    if (tags.version) {
        // A program's version is a few characters; a long one would only swell the record.
        if (tags.version->value.size() > MaxVersionLength) {
            return BadValue("Version", *tags.version);
        }
        record.version = tags.version->value;
    }
    if (tags.date) {
        record.date = Trimmed(tags.date->value);
        if (!record.date.empty() && !IsRecordDate(record.date)) {
            return BadValue("Date", *tags.date);
        }
    }
    const int line = tags.movesLine;
    auto level = Required(tags.level, "Level", line, LevelFromText);
    auto one = Required(tags.playerOne, "Player1", line, PlayerFromName);
    auto two = Required(tags.playerTwo, "Player2", line, PlayerFromName);
    auto result = Required(tags.result, "Result", line, ResultFromName);
    for (const RecordRefusal* refusal :
         {std::get_if<RecordRefusal>(&level), std::get_if<RecordRefusal>(&one),
          std::get_if<RecordRefusal>(&two), std::get_if<RecordRefusal>(&result)}) {
        if (refusal) {
            return *refusal;
        }
    }
    record.level = std::get<0>(level);
    record.playerOne = std::get<0>(one);
    record.playerTwo = std::get<0>(two);
    record.result = std::get<0>(result);
    if (auto refusal = ReadStart(tags, record)) {
        return *refusal;
    }
    return record;
}

} // namespace trevallion
