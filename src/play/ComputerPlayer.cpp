#include "play/ComputerPlayer.h"

#include "ai/Search.h"
#include "ai/StrengthPasses.h"
#include "rules/GenerateMoves.h"

namespace trevallion {

ComputerPlayer::ComputerPlayer(WorkerRunner& runner) : m_runner(runner) {}

ComputerPlayer::~ComputerPlayer() {
    Stop();
}

void ComputerPlayer::Start(Side side, PlayerType type, const Board& board, std::uint64_t position,
                           std::span<const PositionKey> seen) {
    // The previous worker has published its move and is ending, if it has not ended yet.
    m_runner.Join();
    m_computerState.store(ComputerState::Thinking, std::memory_order_relaxed);
    m_computerMove.reset();
    m_finishedSide = side;
    m_orderingMode = OrderingMode::CapturesFirst;
    m_position = position;
    std::vector<PositionKey> keys;
    if (type == PlayerType::AiExpert) {
        keys.assign(seen.begin(), seen.end());
    }
    const bool started = m_runner.Start(
        [this, side, type, board, keys = std::move(keys)] { Think(side, type, board, keys); });
    if (!started) {
        // No thread: ready at once with no move, so that the turn goes on with the fallback
        // move instead of waiting for a worker that never comes.
        m_computerState.store(ComputerState::MoveReady, std::memory_order_release);
    }
}

void ComputerPlayer::Think(Side side, PlayerType type, const Board& board,
                           const std::vector<PositionKey>& seen) {
    std::optional<Move> move;
    SearchContext ctx{m_abortSearch, move, SearchDepthFor(type)};
    try {
        if (type == PlayerType::AiExpert) {
            move = ExpertMove(side, board, seen);
        } else {
            RunStrengthPasses(type, side, board, ctx, &Search);
            m_orderingMode = ctx.orderingMode;
        }
    } catch (...) {
        // The engines throw nothing (AI Expert's tables may fail to be made); should one ever,
        // the player still leaves Thinking, and with no move of its own the turn goes on with
        // the fallback move.
        move.reset();
    }
    m_computerMove = move;
    m_computerState.store(ComputerState::MoveReady, std::memory_order_release);
}

std::optional<Move> ComputerPlayer::ExpertMove(Side side, const Board& board,
                                               const std::vector<PositionKey>& seen) {
    if (!m_expert) {
        m_expert = std::make_unique<ExpertSearch>();
    }
    return m_expert->Choose(board, side, seen, ExpertBudget{}, m_abortSearch).move;
}

std::optional<ComputerChoice> ComputerPlayer::TakeChoice(Side side, const Board& board,
                                                         std::uint64_t position) {
    if (m_computerState.load(std::memory_order_acquire) != ComputerState::MoveReady) {
        return std::nullopt;
    }
    m_computerState.store(ComputerState::Idle, std::memory_order_relaxed);
    if (m_position != position || m_finishedSide != side) {
        return std::nullopt;
    }
    if (m_computerMove) {
        return ComputerChoice{m_computerMove};
    }
    MoveList list;
    ClearMoveList(list);
    GenerateMoves(board, list, side, m_orderingMode);
    if (list[0].IsEndMark()) {
        return ComputerChoice{};
    }
    return ComputerChoice{Move{list[0]}};
}

void ComputerPlayer::Stop() {
    m_abortSearch.store(true, std::memory_order_release);
    m_runner.Join();
    m_abortSearch.store(false, std::memory_order_relaxed);
    m_computerState.store(ComputerState::Idle, std::memory_order_relaxed);
}

} // namespace trevallion
