// libFuzzer target for reading game records. Each input is a record's text. A refused one must
// say where and why; an accepted one must write out and read back to the very same game.

#include "record/RecordReader.h"
#include "record/RecordWriter.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using namespace trevallion;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read = ReadRecord({reinterpret_cast<const char*>(data), size});
    if (const auto* refusal = std::get_if<RecordRefusal>(&read)) {
        Require(!RefusalMessage(*refusal).empty(), "a refusal gives its reason");
        return 0;
    }
    const GameRecord& game = std::get<GameRecord>(read);
    const std::optional<std::string> text = WriteRecord(game);
    Require(text.has_value(), "an accepted record can be written");
    const auto again = ReadRecord(*text);
    Require(std::holds_alternative<GameRecord>(again) && std::get<GameRecord>(again) == game,
            "a written record reads back to the same game");
    return 0;
}
