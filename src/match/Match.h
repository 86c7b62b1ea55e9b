#pragma once

#include "doodle/LifeDoodle.h"
#include "match/MoveHistory.h"
#include "match/SeenPositions.h"
#include "players/PlayerType.h"
#include "rules/Board.h"
#include "rules/MoveList.h"
#include "rules/Side.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace trevallion {

// What the match is doing, which decides what a tick and a click do.
enum class Phase {
    // The Life Doodle starts with the next tick: at start-up, or asked for since. Until then
    // the board shows what it showed.
    DoodleStarting,
    // The Life Doodle was asked for during a game under way: until the next tick starts it, that
    // game can still be saved, and a level set up meanwhile is under way at once.
    DoodleAskedPlaying,
    // The Life Doodle was asked for once the level was decided: clicks stay refused until the
    // next tick starts it.
    DoodleAskedDecided,
    // The Life Doodle lives, one generation a tick.
    Doodle,
    // A level set up or loaded since the doodle, which no tick has driven yet: nothing to save.
    LevelReady,
    // A level in play.
    Playing,
    // The level is decided: clicks and turn steps are refused until a new level.
    Decided,
};

// One cell the Life Doodle shows anew: alive (the wall tile) or dead (the empty tile).
struct DoodleTile {
    Cell cell;
    bool alive = false;
};

// A turn taken back or played again, with what its two cells hold right after.
struct ShownTurn {
    PlayedTurn turn;
    CellCode atFrom = Empty;
    CellCode atTo = Empty;
};

// Whether `side` has a step to make on `board`; a side that has none passes its turn.
bool CanMove(const Board& board, Side side);

// What the position a turn has reached means for the level.
enum class Outcome {
    GoesOn,
    // A side has lost its king or its last piece.
    Won,
    // The position has come up for the third time, and the rule chosen makes that a draw.
    Drawn,
    // Neither side can move: the level cannot go on.
    Stuck,
    // The position has come up for the third time, the first time in this level: the level
    // goes on, and the player is told once.
    Repeated,
};

struct Verdict {
    Outcome outcome = Outcome::GoesOn;
    Side winner = Side::PlayerOne; // when Won

    friend bool operator==(const Verdict&, const Verdict&) = default;
};

// What a position that comes up for the third time does: nothing but a word to the player, or
// end the level as a draw.
enum class RepetitionRule { PlayOn, Draw };

// How often a position must come up before it counts as repeated.
inline constexpr int RepetitionsToNotice = 3;

// A Life Doodle generation: whether the credits' pattern came alive before it, and the cells
// that changed.
struct DoodleGeneration {
    bool credits = false;
    std::vector<DoodleTile> changed;
};

// The game as a value: the board, the side to move, the players, the selection, the turns to
// take back and play again with the positions they led to, the level, the Life Doodle's grid and
// the phase. It knows the
// rules of a match and nothing of windows, threads or files; every operation answers what
// changed, for the controller to show. Anything that follows from these (the cursor, which
// menu items are available) is derived, never kept beside them.
class Match {
  public:
    Phase CurrentPhase() const { return m_phase; }
    const Board& CurrentBoard() const { return m_board; }
    Side SideToMove() const { return m_sideToMove; }
    PlayerType Player(Side side) const { return m_players[Index(side)]; }
    std::optional<Cell> Selection() const { return m_selection; }
    // 0 before the first level, 1..50 after level setup, up to 255 from a saved game.
    std::int32_t Level() const { return m_level; }
    // Counts the changes of the position (a move, a new level, a loaded game, a turn taken
    // back), so that a search's answer is used only on the position it was worked out for.
    std::uint64_t Position() const { return m_position; }
    const MoveHistory& History() const { return m_history; }
    // The keys of the level's positions, oldest first, the current one last (see SeenPositions).
    std::span<const PositionKey> SeenKeys() const { return m_seen.Keys(); }
    // How often the current position has come up in the level, this time included.
    int TimesSeen() const { return m_seen.TimesCurrent(); }

    // Whether the game owns the board and the clock (a level, decided or not).
    bool InGame() const;
    bool Decided() const { return m_phase == Phase::Decided; }
    // Whether clicks and turn steps are refused: the level is decided, also behind a doodle
    // asked for and not yet started.
    bool TurnsRefused() const;
    bool HumanToMove() const;
    bool AnyHumanPlayer() const;
    // Whether there is a game to save: one in play that a tick has driven, also while the
    // doodle asked for has not started yet.
    bool Saveable() const {
        return m_phase == Phase::Playing || m_phase == Phase::DoodleAskedPlaying;
    }

    void SetPlayer(Side side, PlayerType type) { m_players[Index(side)] = type; }

    // Level n from its layout, Player 1 to move.
    void SetUpLevel(int n);
    // A saved game's position. The players come through SetPlayer, as the menus set them.
    void Load(const Board& board, Side sideToMove, std::int32_t level);
    // A game brought back with its turns (a kept game's history, an imported record): `start`
    // loaded as Load does, then `turns` played from it in order, so that Undo can take them back
    // as far as `start`. The turns must be ones the rules allow there, as a record's reader
    // has checked.
    void Replay(const Board& start, Side sideToMove, std::int32_t level,
                std::span<const std::optional<Move>> turns);

    // A tick of the game: from now on a game is under way.
    void GameTick();

    // A human's click on the side to move's turn: pick one of your movable pieces, then click
    // where it goes. Answers the turn when the click made a move; clicks the rules do not
    // accept change nothing.
    std::optional<PlayedTurn> HumanClick(Cell cell);
    // Plays the side to move's turn with `move` (none: the turn passes without one), keeps it
    // for Undo and hands the move to the other side.
    PlayedTurn PlayTurn(const std::optional<Move>& move);
    // A human to move who has no step passes, as a computer player does on its turn: plays the
    // turn of no move and answers it. A board already won waits for its turn to be decided.
    std::optional<PlayedTurn> PassIfBlocked();
    // Looks at the position the last turn reached, in this order: a side has lost, neither side
    // can move, the position has come up for the third time. The first two end the level, and so
    // does the third under RepetitionRule::Draw; under PlayOn it is answered once a level.
    Verdict Decide(RepetitionRule rule);

    // Takes back the last turn, and the turns before it that no human could play (a computer
    // player's, a pass), so that a human who can move is to move again; answers the turns taken
    // back, last first. Redo plays them again as far. Both open a decided level again; only in a
    // game with turns to take back or play again.
    std::vector<ShownTurn> Undo();
    std::vector<ShownTurn> Redo();

    // The board the window shows: the game's, or the Life Doodle's live cells as walls.
    Board ShownBoard() const;
    // Whether the board shows a level: from its setup or load until the Life Doodle starts.
    bool LevelOnBoard() const { return m_levelOnBoard; }

    // The Life Doodle: asked for, started from the middle block (answers every cell), one
    // generation, and a click that brings a cell to life (answers whether it was dead).
    void AskDoodle();
    std::vector<DoodleTile> StartDoodle();
    DoodleGeneration NextGeneration();
    // The credits have been answered: the generation they interrupted is made now, on the grid as
    // the ticks behind them left it, and the last click is forgotten.
    DoodleGeneration GenerationAfterCredits();
    bool DoodleClick(Cell cell);
    // The cell of the last click that was taken; a doodle generation sets it alive.
    void RememberClick(std::optional<Cell> cell) { m_lastClick = cell; }

  private:
    static constexpr std::size_t Index(Side side) { return side == Side::PlayerOne ? 0 : 1; }
    void Resume(Side side);
    ShownTurn Shown(const PlayedTurn& turn) const;
    // Whether Undo and Redo stop with `side` to move: a human who can move.
    bool HumanCanPlay(Side side) const;
    // The key of the position `turn` reaches from the current one, before it is played.
    PositionKey KeyAfterTurn(const PlayedTurn& turn) const;

    Phase m_phase = Phase::DoodleStarting;
    Board m_board;
    Side m_sideToMove = Side::PlayerOne;
    PlayerType m_players[2] = {PlayerType::Human, PlayerType::Human};
    std::optional<Cell> m_selection;
    std::optional<Cell> m_lastClick;
    std::int32_t m_level = 0;
    bool m_levelOnBoard = false;
    std::uint64_t m_position = 0;
    MoveHistory m_history;
    SeenPositions m_seen;
    // Whether the player has been told of a third repetition in this level.
    bool m_repetitionTold = false;
    DoodleGrid m_doodle{};
    // The credits are showing: the doodle starts afresh behind them, and the cell clicked last
    // comes alive in every generation until they are answered.
    bool m_creditsShowing = false;

    // One generation of the grid, with the cells that change.
    std::vector<DoodleTile> Generation();
};

} // namespace trevallion
