#include "ai/ExpertSearch.h"

#include "ai/Search.h"
#include "ai/StrengthPasses.h"

namespace trevallion {

// For now AI Expert thinks as AI Difficult does.
struct ExpertSearch::Tables {};

ExpertSearch::ExpertSearch() : m_tables(new Tables) {}

ExpertSearch::~ExpertSearch() {
    delete m_tables;
}

ExpertAnswer ExpertSearch::Choose(const Board& board, Side side, std::span<const PositionKey>,
                                  const ExpertBudget&, const std::atomic<bool>& abort) {
    std::optional<Move> move;
    SearchContext ctx{abort, move, SearchDepthFor(PlayerType::AiDifficult)};
    ExpertAnswer answer;
    answer.score = RunStrengthPasses(PlayerType::AiDifficult, side, board, ctx, Search);
    answer.move = move;
    answer.nodes = ctx.nodes;
    answer.depth = ctx.searchDepth;
    return answer;
}

} // namespace trevallion
