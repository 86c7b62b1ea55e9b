// trevallion-ai: searches one position with the game's engine and prints what it found.

#include "AnalysisOptions.h"
#include "GamePosition.h"

#include "ai/Search.h"
#include "ai/StrengthPasses.h"
#include "levels/LevelLayouts.h"
#include "version/Version.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

using namespace trevallion;

constexpr int ExitMalformed = 2;

int Fail(const std::string& message) {
    std::cerr << "trevallion-ai: " << message << '\n';
    return ExitMalformed;
}

// The text of the board file, or of standard input for "-"; false when it cannot be read.
bool ReadBoardText(const std::string& file, std::string& text) {
    std::ostringstream contents;
    if (file == "-") {
        contents << std::cin.rdbuf();
    } else {
        std::ifstream in(file);
        if (!in) {
            return false;
        }
        contents << in.rdbuf();
    }
    text = contents.str();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedArguments parsed = ParseArguments(args);
    if (parsed.help) {
        std::cout << UsageText();
        return 0;
    }
    if (parsed.version) {
        std::cout << "trevallion-ai " << ProgramVersion << '\n';
        return 0;
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
        std::string text;
        if (!ReadBoardText(options.boardFile, text)) {
            return Fail("cannot read the board file " + options.boardFile);
        }
        const ParsedBoard parsedBoard = ParseBoardText(text);
        if (!parsedBoard.error.empty()) {
            return Fail(parsedBoard.error);
        }
        board = parsedBoard.board;
    }

    const std::atomic<bool> abortSearch{false};
    Move move;
    const int searchDepth = options.useStrength ? SearchDepthFor(options.strength) : options.depth;
    SearchContext ctx{abortSearch, move, searchDepth, options.orderingMode};

    const auto start = std::chrono::steady_clock::now();
    const int score = options.useStrength
                          ? RunStrengthPasses(options.strength, side, board, ctx, &Search)
                          : Search(ctx, side, board, searchDepth, LosingScore, WinningScore);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    std::cout << "score " << score << " move " << move.fromX << ' ' << move.fromY << ' ' << move.toX
              << ' ' << move.toY << " nodes " << ctx.nodes << " ms "
              << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() << '\n';
    return 0;
}
