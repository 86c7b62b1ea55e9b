#include "play/ComputerWorker.h"

#include "ai/Search.h"
#include "ai/StrengthPasses.h"

namespace trevallion {

void RunComputerWorker(GameState& state, int side, PlayerType type, SearchFunction search) {
    // The window leaves the board, the side to move and the depth alone while we think.
    SearchContext ctx{state.m_abortSearch, state.m_computerMove, state.searchDepth,
                      state.m_orderingMode};
    RunStrengthPasses(type, side, state.board, ctx, search);
    if (state.m_sideToMove == side) {
        state.m_computerState.store(MoveReady, std::memory_order_release);
    }
    state.m_finishedSide.store(side, std::memory_order_release);
    state.m_abortSearch.store(0, std::memory_order_relaxed);
}

void PlayerOneThreadProc(GameState& state, PlayerType type) {
    RunComputerWorker(state, PlayerOne, type, Search);
}

void PlayerTwoThreadProc(GameState& state, PlayerType type) {
    RunComputerWorker(state, PlayerTwo, type, Search);
}

} // namespace trevallion
