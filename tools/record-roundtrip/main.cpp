// Plays games between the computer players' strengths over all 50 levels, keeps each as the
// game keeps a level (a match replayed), exports it as a record, reads the record back by the
// rules and replays it, and checks that every position matches move for move.
//
//   record-roundtrip [GAMES]          # 1000 by default; prints the figures
//   record-roundtrip --losing-game F  # writes to F a record of AI Easy losing to AI Medium

#include "ComputerGame.h"
#include "levels/LevelLayouts.h"
#include "match/Match.h"
#include "record/MatchRecord.h"
#include "record/RecordReader.h"
#include "record/RecordWriter.h"
#include "rules/GenerateMoves.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace {

using namespace trevallion;

constexpr PlayerType Ladder[] = {PlayerType::AiEasy, PlayerType::AiMedium, PlayerType::AiDifficult};
constexpr int MaxPlies = 150;

struct Game {
    int level = 1;
    PlayerType one = PlayerType::AiEasy;
    PlayerType two = PlayerType::AiEasy;
    std::vector<std::optional<Move>> turns;
};

// Game `n`: its level and pairing go round all of them; past the first round, a few random
// opening steps make each round's games new ones.
Game PlayGame(int n) {
    Game game;
    game.level = n % LevelCount + 1;
    const int pairing = (n / LevelCount) % 9;
    game.one = Ladder[pairing / 3];
    game.two = Ladder[pairing % 3];
    Board board = LayoutToBoard(LevelLayout(game.level));
    Side side = Side::PlayerOne;
    std::mt19937 random(static_cast<unsigned>(n));
    for (int i = 0; i < 2 * (n / (LevelCount * 9)); ++i) {
        MoveList moves;
        ClearMoveList(moves);
        GenerateMoves(board, moves, side, OrderingMode::CapturesFirst);
        int count = 0;
        while (!moves[count].IsEndMark()) {
            ++count;
        }
        if (count == 0 || FindWinner(board)) {
            break;
        }
        const Move move = moves[static_cast<int>(random() % static_cast<unsigned>(count))];
        ApplyMove(board, move);
        game.turns.push_back(move);
        side = OtherSide(side);
    }
    for (const auto& turn : testing::PlayComputerGame(
             board, side, game.one, game.two, MaxPlies - static_cast<int>(game.turns.size()))) {
        game.turns.push_back(turn);
    }
    return game;
}

Match Replayed(const Game& game) {
    Match match;
    match.SetPlayer(Side::PlayerOne, game.one);
    match.SetPlayer(Side::PlayerTwo, game.two);
    match.Replay(LayoutToBoard(LevelLayout(game.level)), Side::PlayerOne, game.level, game.turns);
    return match;
}

// Whether the record read back replays through the very positions of the game.
bool SameGame(const Game& game, const GameRecord& read) {
    if (read.turns != game.turns || read.level != game.level || read.playerOne != game.one ||
        read.playerTwo != game.two) {
        return false;
    }
    Board played = LayoutToBoard(LevelLayout(game.level));
    Board replayed = read.start;
    for (const std::optional<Move>& turn : read.turns) {
        if (turn) {
            ApplyMove(played, *turn);
            ApplyMove(replayed, *turn);
        }
        if (played != replayed) {
            return false;
        }
    }
    return FinalPosition(read).board == played;
}

int RoundTrip(int games) {
    const auto start = std::chrono::steady_clock::now();
    int failed = 0;
    std::size_t turns = 0;
    std::size_t bytes = 0;
    for (int n = 0; n < games; ++n) {
        const Game game = PlayGame(n);
        turns += game.turns.size();
        const std::optional<std::string> text = WriteRecord(RecordOfMatch(Replayed(game), ""));
        const auto read =
            text ? ReadRecord(*text)
                 : std::variant<GameRecord, RecordRefusal>(RecordRefusal(RecordFault::TooLarge));
        bytes += text ? text->size() : 0;
        const auto* record = std::get_if<GameRecord>(&read);
        if (!record || !SameGame(game, *record)) {
            ++failed;
            std::fprintf(stderr, "game %d (level %d) did not come back: %s\n", n, game.level,
                         record ? "other positions"
                                : RefusalMessage(std::get<RecordRefusal>(read)).c_str());
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%d games, %zu turns, %zu bytes of records: %d did not come back (%.1f s)\n", games,
                turns, bytes, failed, seconds);
    return failed == 0 ? 0 : 1;
}

// The first level whose game of AI Easy against AI Medium lasts 30 turns or more and ends with
// AI Medium winning.
int WriteLosingGame(const char* path) {
    for (int level = 1; level <= LevelCount; ++level) {
        Game game{level, PlayerType::AiEasy, PlayerType::AiMedium, {}};
        game.turns = testing::PlayComputerGame(LayoutToBoard(LevelLayout(level)), Side::PlayerOne,
                                               game.one, game.two, MaxPlies);
        const Match match = Replayed(game);
        if (game.turns.size() < 30 || FindWinner(match.CurrentBoard()) != Side::PlayerTwo) {
            continue;
        }
        std::ofstream(path) << *WriteRecord(RecordOfMatch(match, ""));
        std::printf("level %d, %zu turns\n", level, game.turns.size());
        return 0;
    }
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--losing-game") {
        return WriteLosingGame(argv[2]);
    }
    return RoundTrip(argc == 2 ? std::atoi(argv[1]) : 1000);
}
