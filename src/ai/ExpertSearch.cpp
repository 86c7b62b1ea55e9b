#include "ai/ExpertSearch.h"

#include "expert/ExpertEngine.h"

namespace trevallion {

struct ExpertSearch::Tables : expert::ExpertEngine {};

ExpertSearch::ExpertSearch() : m_tables(new Tables) {}

ExpertSearch::~ExpertSearch() {
    delete m_tables;
}

ExpertAnswer ExpertSearch::Choose(const Board& board, Side side, std::span<const PositionKey> seen,
                                  const ExpertBudget& budget, const std::atomic<bool>& abort) {
    return m_tables->Choose(board, side, seen, budget, abort);
}

} // namespace trevallion
