// libFuzzer target for Load Game. Each input is a saved game file: the game loads it through the
// Start menu on the recording window, and the bytes after the record play on (FuzzActions.h).
// Every step is checked against what the file holds and what the rules allow; a broken
// invariant aborts, so libFuzzer keeps the input.

#include "FakeWindow.h"
#include "FuzzActions.h"
#include "ai/ReferenceSearch.h"
#include "ai/Search.h"
#include "play/GameDialog.h"
#include "play/Messages.h"
#include "play/SettingNames.h"
#include "rules/GenerateMoves.h"
#include "rules/Steps.h"
#include "savegame/SavedGameFile.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace trevallion;
using namespace trevallion::fuzz;
using trevallion::testing::FakeWindow;

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken invariant: %s\n", what);
        std::abort();
    }
}

// A folder of this process's own for the input and the games it saves: in memory when /dev/shm
// is there, since every save syncs the file and its folder.
class Scratch {
  public:
    Scratch() {
        const char* tmp = std::getenv("TMPDIR");
        std::string folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm"
                             : tmp != nullptr                ? tmp
                                                             : "/tmp";
        folder += "/trevallion-fuzz-XXXXXX";
        Require(::mkdtemp(folder.data()) != nullptr, "a scratch folder can be made");
        m_folder = folder;
        input = folder + "/input.tvx";
        saved = folder + "/saved.tvx";
    }
    ~Scratch() {
        ::unlink(input.c_str());
        ::unlink(saved.c_str());
        ::rmdir(m_folder.c_str());
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::string input;
    std::string saved;

  private:
    std::string m_folder;
};

void WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Require(fd >= 0, "the input file can be written");
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, data + done, size - done);
        Require(n > 0, "the input file can be written");
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

// What loading must make of the input, worked out from the bytes themselves: 87 little-endian
// 32-bit fields, of which the first 55 are read.
struct Expected {
    RecordVerdict verdict = RecordVerdict::Corrupt;
    SavedGameRecord record;
};

std::int32_t Field(const std::uint8_t* data, std::size_t index) {
    const std::uint8_t* p = data + 4 * index;
    return static_cast<std::int32_t>(p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24);
}

Expected Judge(const std::uint8_t* data, std::size_t size) {
    Expected expected;
    if (size < 4) {
        return expected;
    }
    if (Field(data, 0) != SaveFormatVersion) {
        expected.verdict = RecordVerdict::OtherVersion;
        return expected;
    }
    if (size < RecordSize) {
        return expected;
    }
    SavedGameRecord& r = expected.record;
    r = {Field(data, 0),
         Field(data, 1),
         Field(data, 2),
         Field(data, 3),
         Field(data, 4),
         Field(data, 5),
         {}};
    bool cellsOk = true;
    for (int i = 0; i < CellCount; ++i) {
        r.board[i] = Field(data, 6 + static_cast<std::size_t>(i));
        cellsOk = cellsOk && r.board[i] >= 0 && r.board[i] <= LastCode;
    }
    const bool sound = (r.sideToMove == 1 || r.sideToMove == 2) && r.playerOneType <= 3 &&
                       r.cursorSide >= 0 && r.cursorSide <= 2 && r.level >= 1 && r.level <= 255 &&
                       cellsOk;
    expected.verdict = sound ? RecordVerdict::Sound : RecordVerdict::Corrupt;
    return expected;
}

// Whether `side` may step from `from` to `to` on `board`.
bool LegalMove(const Board& board, int side, const Move& m) {
    if (!OnBoard(m.fromX, m.fromY) || !OnBoard(m.toX, m.toY)) {
        return false;
    }
    const CellCode mover = board.At(m.fromX, m.fromY);
    const CellCode target = board.At(m.toX, m.toY);
    return IsMovablePieceOf(mover, side) && CanStep(mover, m.fromX, m.fromY, m.toX, m.toY) == 1 &&
           target != Wall && !BelongsTo(target, side);
}

// The engine and the reference, two plies deep, must agree in everything they report.
void CompareEngines(const Board& board, int side) {
    const std::atomic<std::uint8_t> abortSearch{0};
    for (int mode : {OrderingMode::CapturesFirst, OrderingMode::QuietMovesFirst}) {
        Move fastMove;
        Move plainMove;
        int fastMode = mode;
        int plainMode = mode;
        SearchContext fast{abortSearch, fastMove, 2, fastMode};
        SearchContext plain{abortSearch, plainMove, 2, plainMode};
        const int fastScore = Search(fast, side, board, 2, LosingScore, WinningScore);
        const int plainScore = ReferenceSearch(plain, side, board, 2, LosingScore, WinningScore);
        Require(fastScore == plainScore && fastMove == plainMove && fast.nodes == plain.nodes,
                "the engine agrees with the reference search");
        Require(fastMove.fromX == NoCell || LegalMove(board, side, fastMove),
                "the engine chooses a legal move");
    }
}

// What a refused load must leave alone.
struct Snapshot {
    Board board;
    int side, cursor, level, timerMode, gameOver, selX, selY, playerOne, playerTwo, noGame;
    std::array<CellCode, CellCount> tiles;
    std::string title;
    bool operator==(const Snapshot&) const = default;
};

class Session {
  public:
    Session(const Scratch& scratch, const Expected& input) : m_scratch(scratch), m_input(input) {
        window.settings = {{std::string(PlayerOneSetting), PlayerType::Human},
                           {std::string(PlayerTwoSetting), PlayerType::Human}};
        game.OnInitDialog();
        game.OnCommand(CommandId::Level1);
    }

    // Load Game from `path`: exactly what a sound file holds, or nothing at all. Both sides are
    // made human afterwards, so that no search deeper than AI Easy's can start.
    void Load(const std::string& path, const Expected& expected) {
        const Snapshot before = Take();
        const std::size_t messages = window.messages.size();
        window.pickedFiles.assign({path});
        game.OnCommand(CommandId::LoadGame);
        Require(window.pickedFiles.empty(), "Load Game asks for a file");
        if (expected.verdict != RecordVerdict::Sound) {
            Require(Take() == before, "a refused file leaves the game as it was");
            Require(window.messages.size() == messages + 1 &&
                        window.messages.back().text ==
                            (expected.verdict == RecordVerdict::OtherVersion ? OtherVersionMessage
                                                                             : CorruptGameMessage),
                    "a refused file is named for what it is");
        } else {
            CheckLoaded(expected.record, before);
        }
        game.OnCommand(PlayerCommand(Side::PlayerOne, PlayerType::Human));
        game.OnCommand(PlayerCommand(Side::PlayerTwo, PlayerType::Human));
    }

    // Save Game, then checks the file against the game and loads it back.
    void SaveAndLoadBack() {
        ::unlink(m_scratch.saved.c_str());
        const std::size_t messages = window.messages.size();
        window.pickedFiles.assign({m_scratch.saved});
        game.OnCommand(CommandId::SaveGame);
        const GameState& s = game.State();
        if (s.m_noGame == 1 || s.m_gameOver == 1) {
            Require(window.pickedFiles.size() == 1 && window.messages.size() == messages + 1 &&
                        window.messages.back().text == SaveRefusedMessage &&
                        ::access(m_scratch.saved.c_str(), F_OK) != 0,
                    "a game not under way is not saved");
            window.pickedFiles.clear();
            return;
        }
        Require(window.pickedFiles.empty() && window.messages.size() == messages,
                "a game under way is saved");
        const SavedGameRead read = ReadSavedGame(m_scratch.saved, SaveFormatVersion);
        const SavedGameRecord held{
            SaveFormatVersion, s.m_sideToMove, s.m_playerOneType, s.m_playerTwoType, s.m_cursorSide,
            s.m_level,         s.board};
        Require(read.error == FileError::None && read.verdict == RecordVerdict::Sound &&
                    read.record == held,
                "the saved file holds the game and loads again");
        Load(m_scratch.saved, {RecordVerdict::Sound, read.record});
    }

    void Act(std::uint8_t byte) {
        const int action = byte % ActionCount;
        const Board board = game.State().board;
        const int side = game.State().m_sideToMove;
        const std::size_t winners = window.winners.size();
        switch (action) {
        case PlayerOneHuman:
        case PlayerOneEasy:
            game.OnCommand(PlayerCommand(Side::PlayerOne, action == PlayerOneEasy ? PlayerType::AiEasy : PlayerType::Human));
            break;
        case PlayerTwoHuman:
        case PlayerTwoEasy:
            game.OnCommand(PlayerCommand(Side::PlayerTwo, action == PlayerTwoEasy ? PlayerType::AiEasy : PlayerType::Human));
            break;
        case fuzz::SaveAndLoadBack:
            SaveAndLoadBack();
            break;
        case LoadAgain:
            Load(m_scratch.input, m_input);
            break;
        case Restart:
            game.OnCommand(CommandId::RestartLevel);
            break;
        default:
            if (action < CellCount) {
                game.OnCell(action / BoardSize, action % BoardSize);
            } else {
                game.OnTimer();
            }
            if (window.winners.size() == winners) {
                CheckPlayedMove(board, side);
            }
        }
        CheckShown();
    }

    FakeWindow window;
    GameDialog game{window};

  private:
    Snapshot Take() const {
        const GameState& s = game.State();
        return {s.board,      s.m_sideToMove, s.m_cursorSide, s.m_level,         s.m_timerMode,
                s.m_gameOver, s.m_selX,       s.m_selY,       s.m_playerOneType, s.m_playerTwoType,
                s.m_noGame,   window.tiles,   window.title};
    }

    void CheckLoaded(const SavedGameRecord& r, const Snapshot& before) const {
        const GameState& s = game.State();
        Require(s.board == r.board && s.m_sideToMove == r.sideToMove &&
                    s.m_cursorSide == r.cursorSide && s.m_level == r.level,
                "a sound file loads what it holds");
        Require(s.m_timerMode == GameMode && s.m_gameOver == 0 && s.m_selX == NoCell &&
                    s.m_selY == NoCell && window.title == LevelTitle(r.level),
                "a loaded game is ready to play");
        // The Player commands run with their refusals: at most one computer player.
        int one = before.playerOne;
        int two = before.playerTwo;
        if (r.playerOneType >= PlayerType::Human && r.playerOneType <= PlayerType::AiDifficult &&
            (r.playerOneType == PlayerType::Human || two == PlayerType::Human)) {
            one = r.playerOneType;
        }
        if (r.playerTwoType >= PlayerType::Human && r.playerTwoType <= PlayerType::AiDifficult &&
            (r.playerTwoType == PlayerType::Human || one == PlayerType::Human)) {
            two = r.playerTwoType;
        }
        Require(s.m_playerOneType == one && s.m_playerTwoType == two,
                "a loaded game brings its players");
    }

    // A click or a tick that did not end the level changed nothing, or played one legal move
    // of the side to move and passed the turn.
    void CheckPlayedMove(const Board& before, int side) const {
        const GameState& s = game.State();
        if (s.board == before) {
            return;
        }
        int changed = 0;
        Move move;
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                if (s.board.At(x, y) == before.At(x, y)) {
                    continue;
                }
                ++changed;
                (s.board.At(x, y) == Empty ? move.fromX : move.toX) = x;
                (s.board.At(x, y) == Empty ? move.fromY : move.toY) = y;
            }
        }
        Require(changed == 2 && LegalMove(before, side, move) &&
                    s.board.At(move.toX, move.toY) == before.At(move.fromX, move.fromY),
                "a move is one legal step of the side to move");
        Require(s.m_sideToMove == OtherSide(side), "a move passes the turn");
    }

    // In a game the buttons show the board, and the board holds only known codes.
    void CheckShown() const {
        const GameState& s = game.State();
        Require(s.m_timerMode == GameMode && window.tiles == s.board.cells,
                "the buttons show the board");
        Require(s.m_sideToMove == Side::PlayerOne || s.m_sideToMove == Side::PlayerTwo, "a side is to move");
        for (CellCode code : s.board.cells) {
            Require(code >= Empty && code <= LastCode, "the board holds known codes");
        }
    }

    const Scratch& m_scratch;
    const Expected& m_input;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Scratch scratch;
    WriteInput(scratch.input, data, size);
    const Expected input = Judge(data, size);

    Session session(scratch, input);
    session.Load(scratch.input, input);
    // Saving waits for the first tick of a game, loaded or not.
    session.SaveAndLoadBack();
    session.game.OnTimer();
    session.SaveAndLoadBack();
    if (input.verdict == RecordVerdict::Sound) {
        const GameState& s = session.game.State();
        CompareEngines(s.board, s.m_sideToMove);
    }

    const std::size_t end = std::min(size, RecordSize + MaxActions);
    for (std::size_t i = RecordSize; i < end; ++i) {
        session.Act(data[i]);
    }
    return 0;
}
