#include "LadderGame.h"

#include "levels/LevelLayouts.h"
#include "record/TurnCheck.h"
#include "rules/ApplyMove.h"
#include "rules/Steps.h"
#include "rules/Winner.h"

#include <map>

namespace trevallion {

GameResult PlayLadderGame(int level, LadderPlayer& playerOne, LadderPlayer& playerTwo,
                          int maxPlies) {
    GameResult result;
    Board board = LayoutToBoard(LevelLayout(level));
    Side side = Side::PlayerOne;
    std::vector<PositionKey> seen{KeyOf(board, side)};
    std::map<PositionKey, int> times{{seen.back(), 1}};
    while (true) {
        if (const auto winner = FindWinner(board)) {
            result.end = GameEnd::Won;
            result.winner = winner;
            return result;
        }
        if (result.plies == maxPlies) {
            result.end = GameEnd::PlyCap;
            return result;
        }
        PositionKey key = seen.back();
        if (HasStep(board, side)) {
            LadderPlayer& player = side == Side::PlayerOne ? playerOne : playerTwo;
            const auto start = std::chrono::steady_clock::now();
            const std::optional<Move> move = player.Choose(board, side, seen);
            result.moveTimes[SideNumber(side)].push_back(std::chrono::steady_clock::now() - start);
            if (!move || !MayStep(board, side, move->from, move->to)) {
                result.end = GameEnd::Refused;
                result.winner = OtherSide(side);
                return result;
            }
            key = KeyAfter(key, board, *move);
            ApplyMove(board, *move);
            result.moves.push_back(move);
        } else if (HasStep(board, OtherSide(side))) {
            key = KeyAfterPass(key);
            result.moves.push_back(std::nullopt);
        } else {
            result.end = GameEnd::NoMove;
            return result;
        }
        side = OtherSide(side);
        ++result.plies;
        seen.push_back(key);
        if (++times[key] == 3) {
            result.end = GameEnd::Repetition;
            return result;
        }
    }
}

} // namespace trevallion
