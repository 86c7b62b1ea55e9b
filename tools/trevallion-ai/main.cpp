// trevallion-ai: searches one position with the game's engine and prints what it found.

#include "AnalysisOptions.h"
#include "BoardFile.h"
#include "GamePosition.h"

#include "ai/ExpertSearch.h"
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

// The line the tool prints for a search's result.
std::string ResultLine(int score, const std::optional<Move>& found, std::uint64_t nodes,
                       std::chrono::steady_clock::duration elapsed) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    // No move is written as the end mark's cells, (50, 50).
    const Move move = found.value_or(EndMarkMove);
    return "score " + std::to_string(score) + " move " + std::to_string(move.from.x) + ' ' +
           std::to_string(move.from.y) + ' ' + std::to_string(move.to.x) + ' ' +
           std::to_string(move.to.y) + " nodes " + std::to_string(nodes) + " ms " +
           std::to_string(ms) + '\n';
}

// AI Expert's budget from the options: what is given, and no limit for what is not, unless
// neither is given, which leaves the game's own budget.
ExpertBudget BudgetFor(const AnalysisOptions& options) {
    if (!options.expertTime && !options.expertNodes) {
        return ExpertBudget{};
    }
    return ExpertBudget{options.expertTime.value_or(std::chrono::hours(24)),
                        options.expertNodes.value_or(0)};
}

std::string SearchExpert(const Board& board, Side side, std::span<const PositionKey> seen,
                         const AnalysisOptions& options) {
    const std::atomic<bool> abortSearch{false};
    ExpertSearch expert;
    const auto start = std::chrono::steady_clock::now();
    const ExpertAnswer answer = expert.Choose(board, side, seen, BudgetFor(options), abortSearch);
    return ResultLine(answer.score, answer.move, answer.nodes,
                      std::chrono::steady_clock::now() - start);
}

std::string SearchByDepth(const Board& board, Side side, const AnalysisOptions& options) {
    const std::atomic<bool> abortSearch{false};
    std::optional<Move> found;
    const int searchDepth = options.useStrength ? SearchDepthFor(options.strength) : options.depth;
    SearchContext ctx{abortSearch, found, searchDepth, options.orderingMode};
    const auto start = std::chrono::steady_clock::now();
    const int score = options.useStrength
                          ? RunStrengthPasses(options.strength, side, board, ctx, &Search)
                          : Search(ctx, side, board, searchDepth, LosingScore, WinningScore);
    return ResultLine(score, found, ctx.nodes, std::chrono::steady_clock::now() - start);
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
    std::vector<PositionKey> seen;
    if (options.level != 0) {
        const ReplayedGame game =
            ReplayMoves(LayoutToBoard(LevelLayout(options.level)), options.moves);
        if (!game.error.empty()) {
            return Fail(game.error);
        }
        board = game.board;
        side = options.moves.empty() ? side : game.side;
        seen = game.seen;
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
    if (options.moves.empty()) {
        // Nothing before the position: it has been seen once, now.
        seen.assign(1, KeyOf(board, side));
    }
    const bool expert = options.useStrength && options.strength == PlayerType::AiExpert;
    return WriteOutput(expert ? SearchExpert(board, side, seen, options)
                              : SearchByDepth(board, side, options));
}
