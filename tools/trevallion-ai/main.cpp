// trevallion-ai: searches one position with the game's engine and prints what it found.

#include "AnalysisOptions.h"
#include "BoardFile.h"
#include "GamePosition.h"

#include "ai/Search.h"
#include "ai/StrengthPasses.h"
#include "levels/LevelLayouts.h"
#include "version/Version.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

using namespace trevallion;

constexpr int ExitUnwritten = 1;
constexpr int ExitMalformed = 2;

int Fail(const std::string& message, int status = ExitMalformed) {
    std::cerr << "trevallion-ai: " << message << '\n';
    return status;
}

// Writes `text` to standard output and closes it, so that a write that fails, even one that only
// the closing shows (a full disk, a closed output), ends the run with a message and status 1.
int WriteOutput(std::string_view text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    const int writeError = errno;
    const bool closed = std::fclose(stdout) == 0;
    if (written && closed) {
        return 0;
    }
    return Fail(std::string("cannot write to standard output: ") +
                    std::strerror(written ? errno : writeError),
                ExitUnwritten);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedArguments parsed = ParseArguments(args);
    if (parsed.help) {
        return WriteOutput(UsageText());
    }
    if (parsed.version) {
        return WriteOutput(std::string("trevallion-ai ") + std::string(ProgramVersion) + "\n");
    }
    if (!parsed.error.empty()) {
        return Fail(parsed.error);
    }
    const AnalysisOptions& options = parsed.options;

    Board board;
    Side side = options.side;
    if (options.level != 0) {
        board = LayoutToBoard(LevelLayout(options.level));
    } else if (!options.gameFile.empty()) {
        const GamePosition game = ReadGamePosition(options.gameFile);
        if (!game.error.empty()) {
            return Fail(game.error);
        }
        board = game.board;
        side = game.side;
    } else {
        const BoardFileText file = ReadBoardFile(options.boardFile);
        if (!file.error.empty()) {
            return Fail(file.error);
        }
        const ParsedBoard parsedBoard = ParseBoardText(file.text);
        if (!parsedBoard.error.empty()) {
            return Fail(parsedBoard.error);
        }
        board = parsedBoard.board;
    }

    const std::atomic<bool> abortSearch{false};
    std::optional<Move> found;
    const int searchDepth = options.useStrength ? SearchDepthFor(options.strength) : options.depth;
    SearchContext ctx{abortSearch, found, searchDepth, options.orderingMode};

    const auto start = std::chrono::steady_clock::now();
    const int score = options.useStrength
                          ? RunStrengthPasses(options.strength, side, board, ctx, &Search)
                          : Search(ctx, side, board, searchDepth, LosingScore, WinningScore);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    // No move is written as the cells (50, 50).
    const Move move = found.value_or(Move{});
    return WriteOutput("score " + std::to_string(score) + " move " + std::to_string(move.from.x) +
                       ' ' + std::to_string(move.from.y) + ' ' + std::to_string(move.to.x) + ' ' +
                       std::to_string(move.to.y) + " nodes " + std::to_string(ctx.nodes) + " ms " +
                       std::to_string(ms) + '\n');
}
