#include "LadderPlayer.h"

#include "ai/Search.h"
#include "ai/StrengthPasses.h"
#include "rules/GenerateMoves.h"

#include <atomic>

namespace trevallion {

LadderPlayer::LadderPlayer(PlayerType type, const ExpertBudget& budget)
    : type_(type), budget_(budget),
      expert_(type == PlayerType::AiExpert ? std::make_unique<ExpertSearch>() : nullptr) {}

std::optional<Move> LadderPlayer::Choose(const Board& board, Side side,
                                         std::span<const PositionKey> seen) {
    const std::atomic<bool> never{false};
    if (expert_) {
        return expert_->Choose(board, side, seen, budget_, never).move;
    }
    std::optional<Move> move;
    SearchContext ctx{never, move, SearchDepthFor(type_)};
    RunStrengthPasses(type_, side, board, ctx, &Search);
    if (move) {
        return move;
    }
    // As in the game: a search that recorded no move (every move loses) plays the first move of
    // the last pass's list.
    MoveList list;
    ClearMoveList(list);
    GenerateMoves(board, list, side, ctx.orderingMode);
    return list[0].IsEndMark() ? std::nullopt : std::optional<Move>(list[0]);
}

} // namespace trevallion
