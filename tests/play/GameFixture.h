#pragma once

#include "BoardText.h"
#include "FakePlace.h"
#include "FakeRunner.h"
#include "FakeSettings.h"
#include "FakeView.h"
#include "Printers.h"
#include "ScratchFolder.h"
#include "ai/Search.h"
#include "ai/StrengthPasses.h"
#include "levels/LevelLayouts.h"
#include "play/GameController.h"
#include "rules/GenerateMoves.h"
#include "savegame/SavedGameRecord.h"

#include <atomic>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace trevallion::testing {

// Player 2 to move; AI Easy, AI Medium and AI Difficult each find a move of their own here.
inline const char* const ThreeStrengths = "0 0 1 1 1 0 0\n"
                                          "16 0 0 15 0 26 0\n"
                                          "0 21 0 0 0 0 0\n"
                                          "0 0 26 0 0 16 0\n"
                                          "0 5 0 0 0 0 0\n"
                                          "11 0 0 2 0 0 0\n"
                                          "0 0 1 1 1 5 0\n";

// A controller on the recording view, set up the way a player would: started as the window
// starts it, and put in a position by loading a saved game. Tests check what the view was told.
class GameTable {
  public:
    using Mode = FakeRunner::Mode;

    // The window's start-up on these stored settings.
    void StartWith(std::map<std::string, std::int32_t> stored) {
        settings.values = std::move(stored);
        game.Start();
        m_started = true;
        Settle();
    }

    // Loads `record` through the Start menu, as if picked in the open dialog.
    void Load(const SavedGameRecord& record) {
        WriteBytes(folder.File("load.tvx"), EncodeRecord(record));
        view.pickedFiles.push_back(folder.File("load.tvx"));
        Command(CommandId::LoadGame);
    }

    // Puts `rows` (screen order) in play with `side` to move on level `level`, with the given
    // players, by loading a saved game of it; then forgets what the view recorded so far. It
    // starts the game with two human players first, if nothing has started it yet.
    void Play(const std::string& rows, Side side = Side::PlayerOne, int level = 7,
              PlayerType one = PlayerType::Human, PlayerType two = PlayerType::Human) {
        PlayBoard(BoardFromRows(rows), side, level, one, two);
    }
    void PlayBoard(const Board& board, Side side, int level, PlayerType one, PlayerType two) {
        if (!m_started) {
            StartWith({{"PlayerOne", 0}, {"PlayerTwo", 0}});
        }
        Load({SaveFormatVersion, SideNumber(side), PlayerTypeNumber(one), PlayerTypeNumber(two),
              SideNumber(side), level, board});
        view.ClearRecords();
    }

    // Sets up level n exactly as the Level commands do, without their sound: Restart Level on
    // a game of that level.
    void StartLevel(int n, PlayerType one = PlayerType::Human, PlayerType two = PlayerType::Human) {
        PlayBoard(LayoutToBoard(LevelLayout(n)), Side::PlayerOne, n, one, two);
        Command(CommandId::RestartLevel);
        view.ClearRecords();
    }

    void Click(Cell cell) {
        game.OnCell(cell);
        Settle();
    }
    // A human's move: the click that picks the piece, then the click on its target.
    void PlayMove(const Move& move) {
        Click(move.from);
        Click(move.to);
    }
    void Tick() {
        game.OnTimer();
        Settle();
    }
    void Command(CommandId command) {
        game.OnCommand(command);
        Settle();
    }

    // After each input the boxes it opened are answered from the view's script, unless a test
    // keeps them open to send inputs while they are.
    void Settle() {
        if (!keepBoxesOpen) {
            view.AnswerBoxes(game);
        }
    }
    bool keepBoxesOpen = false;

    // What the button of a cell shows.
    CellCode At(Cell cell) const { return view.tiles[static_cast<std::size_t>(CellIndex(cell))]; }

    static Board Level(int n) { return LayoutToBoard(LevelLayout(n)); }

    // `board` after `move`, whatever stood on its target.
    static Board Moved(Board board, const Move& move) {
        board.At(move.to) = board.At(move.from);
        board.At(move.from) = Empty;
        return board;
    }

    // The first move that move generation lists for `side`, captures first.
    static Move FirstMove(const Board& board, Side side) {
        MoveList moves;
        ClearMoveList(moves);
        GenerateMoves(board, moves, side, OrderingMode::CapturesFirst);
        return moves[0];
    }

    // The move the engine finds for `side` at the strength of `type`, as a computer player's
    // worker runs it.
    static Move EngineMove(PlayerType type, Side side, const Board& board) {
        const std::atomic<bool> abort{false};
        std::optional<Move> move;
        SearchContext ctx{abort, move, SearchDepthFor(type)};
        RunStrengthPasses(type, side, board, ctx, &Search);
        return move.value();
    }

    ScratchFolder folder;
    FakeView view;
    FakeSettings settings;
    FakeRunner workers;
    FakeRunner hintWorkers;
    FakePlace place;
    FakeRunner keepWriter;
    GameController game{view, settings, workers, hintWorkers, place, keepWriter};

  private:
    bool m_started = false;
};

class GameFixture : public ::testing::Test, public GameTable {};

} // namespace trevallion::testing
