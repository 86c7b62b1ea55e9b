#include "play/MoveListing.h"

#include "notation/Notation.h"
#include "record/GameRecord.h"

#include <algorithm>
#include <utility>

namespace trevallion {
namespace {

// The level's whole line: the turns played, then those taken back in the order Redo plays them.
std::vector<PlayedTurn> WholeLine(const MoveHistory& history) {
    std::vector<PlayedTurn> line = history.Played();
    line.insert(line.end(), history.Undone().rbegin(), history.Undone().rend());
    return line;
}

bool ReviewFits(const ReviewedGame& reviewed, const Board& start, Side first,
                const std::vector<PlayedTurn>& line) {
    if (reviewed.start != start || reviewed.sideToMove != first ||
        reviewed.turns.size() > line.size()) {
        return false;
    }
    return std::equal(
        reviewed.turns.begin(), reviewed.turns.end(), line.begin(),
        [](const std::optional<Move>& move, const PlayedTurn& turn) { return move == turn.move; });
}

} // namespace

MoveListing ListMoves(const Match& match, const std::optional<ReviewedGame>& reviewed) {
    MoveListing listing;
    if (!match.InGame()) {
        return listing;
    }
    const MoveHistory& history = match.History();
    Board board = match.CurrentBoard();
    std::for_each(history.Played().rbegin(), history.Played().rend(),
                  [&](const PlayedTurn& turn) { TakeBack(board, turn); });
    const Board start = board;
    const std::vector<PlayedTurn> line = WholeLine(history);
    const Side first = line.empty() ? match.SideToMove() : line.front().side;
    const bool marked = reviewed && ReviewFits(*reviewed, start, first, line);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const PlayedTurn& turn = line[i];
        MoveListEntry entry;
        entry.number = TurnNumber(first, i);
        entry.side = turn.side;
        entry.player = match.Player(turn.side);
        entry.turn = TurnName(board, turn.move);
        if (marked && i < reviewed->review.turns.size()) {
            const TurnJudgement& judged = reviewed->review.turns[i];
            entry.slip = judged.slip;
            if (judged.slip != Slip::None && judged.better) {
                entry.better = TurnName(board, judged.better);
            }
        }
        listing.entries.push_back(std::move(entry));
        PlayAgain(board, turn);
    }
    listing.current = history.Played().size();
    if (marked) {
        listing.balance = reviewed->review.balance;
    }
    return listing;
}

} // namespace trevallion
