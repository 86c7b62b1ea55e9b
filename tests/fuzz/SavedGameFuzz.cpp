// libFuzzer target for Load Game. Each input is a saved game file: the game loads it through the
// Start menu on the recording view, and the bytes after the record play on (FuzzActions.h).
// Every step is checked, from what the view was told, against what the file holds and what the
// rules allow; a broken invariant aborts, so libFuzzer keeps the input.

#include "FakePlace.h"
#include "FakeRunner.h"
#include "FakeSettings.h"
#include "FakeView.h"
#include "FuzzActions.h"
#include "ai/ReferenceSearch.h"
#include "ai/Search.h"
#include "levels/LevelLayouts.h"
#include "play/GameController.h"
#include "play/Messages.h"
#include "play/SettingNames.h"
#include "rules/Steps.h"
#include "rules/Winner.h"
#include "savegame/SavedGameFile.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

using namespace trevallion;
using namespace trevallion::fuzz;
using trevallion::testing::FakeView;

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
    // The file keeps the board column by column.
    for (int i = 0; i < CellCount; ++i) {
        const CellCode code = Field(data, 6 + static_cast<std::size_t>(i));
        r.board.At({i / BoardSize, i % BoardSize}) = code;
        cellsOk = cellsOk && code >= 0 && code <= LastCode;
    }
    const bool sound = (r.sideToMove == 1 || r.sideToMove == 2) && r.playerOneType <= 4 &&
                       r.cursorSide >= 0 && r.cursorSide <= 2 && r.level >= 1 && r.level <= 255 &&
                       cellsOk;
    expected.verdict = sound ? RecordVerdict::Sound : RecordVerdict::Corrupt;
    return expected;
}

// Whether `side` may make `m` on `board`: one of its movable pieces steps onto an empty cell or
// an enemy.
bool LegalMove(const Board& board, Side side, const Move& m) {
    if (!OnBoard(m.from) || !OnBoard(m.to)) {
        return false;
    }
    const CellCode mover = board.At(m.from);
    const CellCode target = board.At(m.to);
    return IsMovablePieceOf(mover, side) && CanStep(mover, m.from, m.to) && target != Wall &&
           !BelongsTo(target, side);
}

// The engine and the reference, two plies deep, must agree in everything they report.
void CompareEngines(const Board& board, Side side) {
    const std::atomic<bool> abortSearch{false};
    for (const OrderingMode mode : {OrderingMode::CapturesFirst, OrderingMode::QuietMovesFirst}) {
        std::optional<Move> fastMove;
        std::optional<Move> plainMove;
        SearchContext fast{abortSearch, fastMove, 2, mode};
        SearchContext plain{abortSearch, plainMove, 2, mode};
        const int fastScore = Search(fast, side, board, 2, LosingScore, WinningScore);
        const int plainScore = ReferenceSearch(plain, side, board, 2, LosingScore, WinningScore);
        Require(fastScore == plainScore && fastMove == plainMove && fast.nodes == plain.nodes,
                "the engine agrees with the reference search");
        Require(!fastMove || LegalMove(board, side, *fastMove), "the engine chooses a legal move");
    }
}

// The type checked in `side`'s Player menu, which has one check mark.
PlayerType CheckedPlayer(const FakeView& view, Side side) {
    int marks = 0;
    PlayerType checked = PlayerType::Human;
    for (const PlayerType type : AllPlayerTypes) {
        if (view.Checked(PlayerCommand(side, type))) {
            ++marks;
            checked = type;
        }
    }
    Require(marks == 1, "a Player menu has one check mark");
    return checked;
}

// The level a "Trevallion Level n" title names; 0 for any other title.
int TitleLevel(const std::string& title) {
    for (int n = 1; n <= LevelCount; ++n) {
        if (title == LevelTitle(n).Str()) {
            return n;
        }
    }
    return 0;
}

class Session {
  public:
    Session(const Scratch& scratch, const Expected& input) : m_scratch(scratch), m_input(input) {
        settings.values = {{std::string(PlayerOneSetting), 0}, {std::string(PlayerTwoSetting), 0}};
        game.Start();
        view.AnswerBoxes(game);
        game.OnCommand(CommandId::Level1);
        view.AnswerBoxes(game);
    }

    // Load Game from `path`: a refused file shows its message and nothing else, a sound one
    // shows exactly what it holds. Both sides are made human afterwards, so that no search
    // deeper than AI Easy's can start.
    void Load(const std::string& path, const Expected& expected) {
        const std::size_t seen = view.events.size();
        const auto checks = view.checks;
        const PlayerType one = CheckedPlayer(view, Side::PlayerOne);
        const PlayerType two = CheckedPlayer(view, Side::PlayerTwo);
        view.pickedFiles.assign({path});
        game.OnCommand(CommandId::LoadGame);
        view.AnswerBoxes(game);
        Require(view.pickedFiles.empty(), "Load Game asks for a file");
        if (expected.verdict != RecordVerdict::Sound) {
            Require(NewEvents(seen) == std::vector<std::string>{"open dialog", "message"} &&
                        view.checks == checks,
                    "a refused file changes nothing the view shows");
            Require(view.messages.back().text == (expected.verdict == RecordVerdict::OtherVersion
                                                      ? OtherVersionMessage
                                                      : CorruptGameMessage),
                    "a refused file is named for what it is");
        } else {
            CheckLoaded(expected.record, one, two);
            m_fromLayout = false;
        }
        game.OnCommand(PlayerCommand(Side::PlayerOne, PlayerType::Human));
        view.AnswerBoxes(game);
        game.OnCommand(PlayerCommand(Side::PlayerTwo, PlayerType::Human));
        view.AnswerBoxes(game);
    }

    // Save Game, refused before a game's first tick and once its level is decided; otherwise
    // the file holds what the view shows, and it loads back to the same.
    void SaveAndLoadBack() {
        ::unlink(m_scratch.saved.c_str());
        const std::size_t seen = view.events.size();
        view.pickedFiles.assign({m_scratch.saved});
        game.OnCommand(CommandId::SaveGame);
        view.AnswerBoxes(game);
        if (!m_ticked || view.title == GameOverTitle) {
            Require(NewEvents(seen) == std::vector<std::string>{"message"} &&
                        view.messages.back().text == SaveRefusedMessage &&
                        ::access(m_scratch.saved.c_str(), F_OK) != 0,
                    "a game not under way is not saved");
            return;
        }
        Require(NewEvents(seen) == std::vector<std::string>{"save dialog"},
                "a game under way is saved");
        const SavedGameRead read = ReadSavedGame(m_scratch.saved, SaveFormatVersion);
        const SavedGameRecord& r = read.record;
        Require(read.error == FileError::None && read.verdict == RecordVerdict::Sound &&
                    r.board == view.Shown() && LevelTitle(r.level).Str() == view.title &&
                    r.cursorSide == static_cast<std::int32_t>(view.cursor.value()) &&
                    r.playerOneType == PlayerTypeNumber(CheckedPlayer(view, Side::PlayerOne)) &&
                    r.playerTwoType == PlayerTypeNumber(CheckedPlayer(view, Side::PlayerTwo)),
                "the saved file holds the game the view shows");
        Load(m_scratch.saved, {RecordVerdict::Sound, r});
    }

    void Act(std::uint8_t byte) {
        const int action = byte % ActionCount;
        const Board before = view.Shown();
        const std::optional<CursorSide> cursor = view.cursor;
        const std::size_t seen = view.events.size();
        if (action == fuzz::SaveAndLoadBack) {
            SaveAndLoadBack();
        } else if (action == LoadAgain) {
            Load(m_scratch.input, m_input);
        } else {
            Play(action);
            CheckPlay(before, cursor, seen);
        }
        CheckShown();
    }

    FakeView view;
    testing::FakeSettings settings;
    testing::FakeRunner workers; // Inline: a computer player's move is ready on the next tick
    testing::FakeRunner hintWorkers;
    testing::FakePlace place; // no folder: nothing is kept
    testing::FakeRunner keepWriter;
    GameController game{view, settings, workers, hintWorkers, place, keepWriter};

  private:
    void Play(int action) {
        switch (action) {
        case PlayerOneHuman:
        case PlayerOneEasy:
        case PlayerTwoHuman:
        case PlayerTwoEasy: {
            const Side side = action < PlayerTwoHuman ? Side::PlayerOne : Side::PlayerTwo;
            const bool easy = action == PlayerOneEasy || action == PlayerTwoEasy;
            game.OnCommand(PlayerCommand(side, easy ? PlayerType::AiEasy : PlayerType::Human));
            view.AnswerBoxes(game);
            break;
        }
        case Restart:
            game.OnCommand(CommandId::RestartLevel);
            view.AnswerBoxes(game);
            break;
        default:
            if (action < CellCount) {
                game.OnCell(CellAt(action));
                view.AnswerBoxes(game);
            } else {
                game.OnTimer();
                view.AnswerBoxes(game);
                m_ticked = true;
            }
        }
    }

    std::vector<std::string> NewEvents(std::size_t seen) const {
        return {view.events.begin() + static_cast<std::ptrdiff_t>(seen), view.events.end()};
    }

    // Whether `side`, to move on `board`, passes at once: a human with no step, on a board no
    // side has won yet.
    bool Passes(const Board& board, Side side) const {
        return CheckedPlayer(view, side) == PlayerType::Human && !CanMove(board, side) &&
               !FindWinner(board);
    }

    // `one` and `two` are the players before the load. A human to move who cannot passes at
    // once, and when the other side cannot move either, the level is over.
    void CheckLoaded(const SavedGameRecord& r, PlayerType one, PlayerType two) const {
        const Side side = SideFromNumber(r.sideToMove).value();
        const bool passed = Passes(r.board, side);
        const bool stuck = passed && !CanMove(r.board, OtherSide(side));
        Require(view.Shown() == r.board &&
                    view.title == (stuck ? std::string(GameOverTitle) : LevelTitle(r.level).Str()) &&
                    view.cursor == (stuck    ? CursorSide::Neutral
                                    : passed ? CursorOf(OtherSide(side))
                                             : static_cast<CursorSide>(r.cursorSide)),
                "a sound file shows exactly its board, level and cursor");
        // The Player commands run with their refusals: at most one computer player.
        const auto fileOne = PlayerTypeFromNumber(r.playerOneType);
        if (fileOne && (*fileOne == PlayerType::Human || two == PlayerType::Human)) {
            one = *fileOne;
        }
        const auto fileTwo = PlayerTypeFromNumber(r.playerTwoType);
        if (fileTwo && (*fileTwo == PlayerType::Human || one == PlayerType::Human)) {
            two = *fileTwo;
        }
        Require(CheckedPlayer(view, Side::PlayerOne) == one &&
                    CheckedPlayer(view, Side::PlayerTwo) == two,
                "a loaded game brings its players");
    }

    // What a click, a tick or a command showed since event `seen`. A level it set up shows its
    // layout. Otherwise the board shows no change, or one legal step of the side whose cursor
    // showed as it was made, after which the other side's cursor shows, or the neutral one when
    // the move decided the level.
    void CheckPlay(const Board& before, std::optional<CursorSide> cursor, std::size_t seen) {
        std::optional<CursorSide> moverCursor;
        bool decided = false;
        bool levelSetUp = false;
        for (const std::string& event : NewEvents(seen)) {
            if (event.starts_with("cursor ")) {
                cursor = static_cast<CursorSide>(std::stoi(event.substr(7)));
            } else if (event == "tile" && !moverCursor) {
                moverCursor = cursor;
            } else if (event.starts_with("winner ") || event == "title Game Over") {
                Require(cursor == CursorSide::Neutral,
                        "the neutral cursor shows before the level's end is told");
                decided = true;
            } else if (event.starts_with("title ") && TitleLevel(event.substr(6)) != 0) {
                levelSetUp = true;
            }
        }
        if (levelSetUp) {
            const int level = TitleLevel(view.title);
            Require(level != 0 && view.Shown() == LayoutToBoard(LevelLayout(level)),
                    "a level set up shows its layout");
            m_fromLayout = true;
            return;
        }
        if (view.Shown() == before) {
            return;
        }
        int changed = 0;
        Move move;
        for (int x = 0; x < BoardSize; ++x) {
            for (int y = 0; y < BoardSize; ++y) {
                const CellCode now = view.Shown().At({x, y});
                if (now == before.At({x, y})) {
                    continue;
                }
                ++changed;
                (now == Empty ? move.from.x : move.to.x) = x;
                (now == Empty ? move.from.y : move.to.y) = y;
            }
        }
        const CursorSide moverShown = moverCursor.value_or(CursorSide::Neutral);
        Require(moverShown != CursorSide::Neutral, "a move is made under its side's cursor");
        const Side mover = moverShown == CursorSide::PlayerOne ? Side::PlayerOne : Side::PlayerTwo;
        Require(changed == 2 && LegalMove(before, mover, move) &&
                    view.Shown().At(move.to) == before.At(move.from),
                "a move is one legal step of the side whose cursor shows");
        const Side next = Passes(view.Shown(), OtherSide(mover)) ? mover : OtherSide(mover);
        Require(view.cursor == (decided ? CursorSide::Neutral : CursorOf(next)),
                "a move passes the turn, and a human who cannot move passes it back");
    }

    // After every action the buttons show known codes only, and on a board that started from a
    // level's layout each side keeps its one king until it is taken.
    void CheckShown() const {
        const Board shown = view.Shown();
        Require(std::ranges::all_of(shown.cells, IsValidCode), "the board shows known codes");
        if (!m_fromLayout) {
            return;
        }
        const bool over = view.title == GameOverTitle;
        for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
            const auto kings = std::ranges::count(shown.cells, KingOf(side));
            Require(kings == 1 || (kings == 0 && over), "each side has one king until it is taken");
        }
    }

    const Scratch& m_scratch;
    const Expected& m_input;
    // Save Game waits for the first tick of a game.
    bool m_ticked = false;
    // Whether the board shown started from a level's layout rather than from a file.
    bool m_fromLayout = true;
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
    session.Act(fuzz::Tick);
    session.SaveAndLoadBack();
    if (input.verdict == RecordVerdict::Sound) {
        CompareEngines(input.record.board, SideFromNumber(input.record.sideToMove).value());
    }

    const std::size_t end = std::min(size, RecordSize + MaxActions);
    for (std::size_t i = RecordSize; i < end; ++i) {
        session.Act(data[i]);
    }
    return 0;
}
