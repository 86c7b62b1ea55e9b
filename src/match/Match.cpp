#include "match/Match.h"

#include "levels/LevelLayouts.h"
#include "rules/ApplyMove.h"
#include "rules/Steps.h"
#include "rules/Winner.h"

#include <utility>

namespace trevallion {
namespace {

std::size_t DoodleIndex(Cell cell) {
    return static_cast<std::size_t>(CellIndex(cell));
}

// A level set up over a game that a tick has driven is under way at once; over the doodle, it
// waits for its first tick.
Phase LevelPhaseAfter(Phase phase) {
    switch (phase) {
    case Phase::DoodleStarting:
    case Phase::Doodle:
    case Phase::LevelReady:
        return Phase::LevelReady;
    default:
        return Phase::Playing;
    }
}

} // namespace

bool CanMove(const Board& board, Side side) {
    for (int cell = 0; cell < CellCount; ++cell) {
        if (IsMovablePieceOf(board[cell], side) && StepTargets(board, CellAt(cell)) != 0) {
            return true;
        }
    }
    return false;
}

bool Match::InGame() const {
    return m_phase == Phase::LevelReady || m_phase == Phase::Playing || m_phase == Phase::Decided;
}

bool Match::TurnsRefused() const {
    return m_phase == Phase::Decided || m_phase == Phase::DoodleAskedDecided;
}

bool Match::HumanToMove() const {
    return (m_phase == Phase::LevelReady || m_phase == Phase::Playing) &&
           Player(m_sideToMove) == PlayerType::Human;
}

bool Match::AnyHumanPlayer() const {
    return Player(Side::PlayerOne) == PlayerType::Human ||
           Player(Side::PlayerTwo) == PlayerType::Human;
}

void Match::SetUpLevel(int n) {
    n = ClampLevel(n);
    Load(LayoutToBoard(LevelLayout(n)), Side::PlayerOne, n);
}

void Match::Load(const Board& board, Side sideToMove, std::int32_t level) {
    m_phase = LevelPhaseAfter(m_phase);
    m_levelOnBoard = true;
    m_selection.reset();
    m_level = level;
    m_sideToMove = sideToMove;
    m_board = board;
    ++m_position;
    m_history.Clear();
    m_seen.Start(KeyOf(board, sideToMove));
    m_repetitionTold = false;
}

void Match::Replay(const Board& start, Side sideToMove, std::int32_t level,
                   std::span<const std::optional<Move>> turns) {
    Load(start, sideToMove, level);
    for (const std::optional<Move>& turn : turns) {
        PlayTurn(turn);
    }
}

void Match::GameTick() {
    if (m_phase == Phase::LevelReady) {
        m_phase = Phase::Playing;
    }
}

std::optional<PlayedTurn> Match::HumanClick(Cell cell) {
    if (!OnBoard(cell)) {
        return std::nullopt;
    }
    const Side side = m_sideToMove;
    const CellCode clicked = m_board.At(cell);
    if (!m_selection) {
        if (IsMovablePieceOf(clicked, side)) {
            m_selection = cell;
        }
        return std::nullopt;
    }
    const Cell from = *m_selection;
    if (cell == from) {
        return std::nullopt;
    }
    if (clicked == Wall) {
        m_selection.reset();
        return std::nullopt;
    }
    if (BelongsTo(clicked, side)) {
        // Reselect, the own king included; a king can go nowhere, so the player must pick again.
        m_selection = cell;
        return std::nullopt;
    }
    if (!MayStep(m_board, side, from, cell)) {
        return std::nullopt;
    }
    return PlayTurn(Move{from, cell});
}

PlayedTurn Match::PlayTurn(const std::optional<Move>& move) {
    // A piece picked while this side was still human is not the next side's to move.
    m_selection.reset();
    PlayedTurn turn{move, m_sideToMove};
    m_seen.Add(KeyAfterTurn(turn));
    if (move) {
        turn.captured = ApplyMove(m_board, *move);
    }
    m_history.Record(turn);
    m_sideToMove = OtherSide(m_sideToMove);
    ++m_position;
    return turn;
}

// A board already won (a loaded game's) is left for the next accepted turn to decide, as ever.
std::optional<PlayedTurn> Match::PassIfBlocked() {
    if (!HumanToMove() || CanMove(m_board, m_sideToMove) || FindWinner(m_board)) {
        return std::nullopt;
    }
    return PlayTurn(std::nullopt);
}

Verdict Match::Decide(RepetitionRule rule) {
    Verdict verdict;
    if (const std::optional<Side> winner = FindWinner(m_board)) {
        verdict = {Outcome::Won, *winner};
    } else if (!CanMove(m_board, Side::PlayerOne) && !CanMove(m_board, Side::PlayerTwo)) {
        verdict.outcome = Outcome::Stuck;
    } else if (m_seen.TimesCurrent() >= RepetitionsToNotice) {
        if (rule == RepetitionRule::Draw) {
            verdict.outcome = Outcome::Drawn;
        } else if (!std::exchange(m_repetitionTold, true)) {
            verdict.outcome = Outcome::Repeated;
        }
    }
    if (verdict.outcome != Outcome::GoesOn && verdict.outcome != Outcome::Repeated) {
        m_phase = Phase::Decided;
    }
    return verdict;
}

std::vector<ShownTurn> Match::Undo() {
    std::vector<ShownTurn> undone;
    Side side;
    do {
        const PlayedTurn turn = m_history.Undo();
        TakeBack(m_board, turn);
        m_seen.TakeBackLast();
        undone.push_back(Shown(turn));
        side = turn.side;
    } while (m_history.CanUndo() && AnyHumanPlayer() && !HumanCanPlay(side));
    Resume(side);
    return undone;
}

std::vector<ShownTurn> Match::Redo() {
    std::vector<ShownTurn> redone;
    Side side;
    do {
        const PlayedTurn turn = m_history.Redo();
        m_seen.Add(KeyAfterTurn(turn));
        PlayAgain(m_board, turn);
        redone.push_back(Shown(turn));
        side = OtherSide(turn.side);
    } while (m_history.CanRedo() && AnyHumanPlayer() && !HumanCanPlay(side));
    Resume(side);
    return redone;
}

ShownTurn Match::Shown(const PlayedTurn& turn) const {
    if (!turn.move) {
        return {turn};
    }
    const Move& move = *turn.move;
    return {turn, m_board.At(move.from), m_board.At(move.to)};
}

bool Match::HumanCanPlay(Side side) const {
    return Player(side) == PlayerType::Human && CanMove(m_board, side);
}

PositionKey Match::KeyAfterTurn(const PlayedTurn& turn) const {
    return turn.move ? KeyAfter(m_seen.Current(), m_board, *turn.move)
                     : KeyAfterPass(m_seen.Current());
}

void Match::Resume(Side side) {
    m_selection.reset();
    if (m_phase == Phase::Decided) {
        m_phase = Phase::Playing;
    }
    m_sideToMove = side;
    ++m_position;
}

void Match::AskDoodle() {
    m_phase = TurnsRefused() ? Phase::DoodleAskedDecided
              : Saveable()   ? Phase::DoodleAskedPlaying
                             : Phase::DoodleStarting;
}

std::vector<DoodleTile> Match::StartDoodle() {
    m_phase = Phase::Doodle;
    m_levelOnBoard = false;
    std::vector<DoodleTile> tiles;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            const bool alive = AliveAtDoodleStart({x, y});
            m_doodle[DoodleIndex({x, y})] = alive ? 1 : 0;
            tiles.push_back({{x, y}, alive});
        }
    }
    return tiles;
}

DoodleGeneration Match::NextGeneration() {
    // The last click's cell is alive for this generation even if it was clicked during a game.
    if (m_lastClick && OnBoard({m_lastClick->x, m_lastClick->y})) {
        m_doodle[DoodleIndex(*m_lastClick)] = 1;
        if (!m_creditsShowing && CreditsPatternLives(m_doodle)) {
            // The generation waits for the credits to be answered; the next tick, which may come
            // while they are still shown, starts afresh.
            m_phase = Phase::DoodleStarting;
            m_creditsShowing = true;
            return {.credits = true, .changed = {}};
        }
    }
    std::vector<DoodleTile> changed = Generation();
    if (!m_creditsShowing) {
        m_lastClick.reset();
    }
    return {.credits = false, .changed = std::move(changed)};
}

DoodleGeneration Match::GenerationAfterCredits() {
    m_creditsShowing = false;
    std::vector<DoodleTile> changed = Generation();
    m_lastClick.reset();
    return {.credits = false, .changed = std::move(changed)};
}

std::vector<DoodleTile> Match::Generation() {
    std::vector<DoodleTile> changed;
    DoodleGrid next{};
    ComputeNextGeneration(m_doodle, next);
    // Only cells that change are shown anew.
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            std::int32_t& now = m_doodle[DoodleIndex({x, y})];
            const std::int32_t then = next[DoodleIndex({x, y})];
            if ((then == 1 && now != 1) || (then == 0 && now != 0)) {
                changed.push_back({{x, y}, then == 1});
            }
            now = then;
        }
    }
    return changed;
}

Board Match::ShownBoard() const {
    if (m_phase != Phase::Doodle) {
        return m_board;
    }
    Board shown;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            shown.At({x, y}) = m_doodle[DoodleIndex({x, y})] == 1 ? Wall : Empty;
        }
    }
    return shown;
}

// A click never kills a cell: a live one stays as it is.
bool Match::DoodleClick(Cell cell) {
    std::int32_t& state = m_doodle[DoodleIndex(cell)];
    const bool wasDead = state == 0;
    state = 1;
    return wasDead;
}

} // namespace trevallion
