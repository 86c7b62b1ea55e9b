#include "play/GameController.h"

#include "levels/LevelLayouts.h"
#include "play/Messages.h"
#include "record/RecordWriter.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace trevallion {
namespace {

// The level that a Start menu level command sets up; 0 for other commands.
int CommandLevel(CommandId command) {
    switch (command) {
    case CommandId::Level1:
        return 1;
    case CommandId::Level5:
        return 5;
    case CommandId::Level10:
        return 10;
    case CommandId::Level20:
        return 20;
    case CommandId::Level40:
        return 40;
    default:
        return 0;
    }
}

// A name ending in ".tvr", in any case, names a game record; anything else a saved game.
bool IsRecordFile(std::string_view path) {
    if (path.size() < RecordExtension.size()) {
        return false;
    }
    const std::string_view end = path.substr(path.size() - RecordExtension.size());
    return std::equal(end.begin(), end.end(), RecordExtension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

} // namespace

GameController::GameController(GameView& view, SettingsStore& settings, WorkerRunner& workers,
                               WorkerRunner& hintWorkers, KeepingPlace& place,
                               WorkerRunner& keepWriter)
    : m_view(view), m_effects(view, m_match), m_boxes(view),
      m_screen(view, [this] { return Screen(); }), m_choices(view, settings, m_match, m_effects),
      m_hints(view, m_match, hintWorkers), m_keeping(m_match, m_boxes, place, keepWriter),
      m_turns({view, m_match, m_boxes, m_effects, m_screen, m_choices, m_hints, m_keeping},
              workers),
      m_doodle(view, m_match, m_boxes, m_effects),
      m_saved(view, m_match, m_boxes, m_choices, m_turns, m_keeping),
      m_records(view, m_match, m_boxes, m_choices, m_turns, m_hints) {}

GameController::~GameController() {
    Shutdown();
}

// Every input runs through here: what it does, then a file chosen behind a box of the game once
// that box is answered, a blocked human's pass, the game kept, and the screen as it now is. The
// files are written last, so that writing never comes between a change and the player seeing it.
// No input writes that tail itself.
template <typename Act> void GameController::Run(Act&& act) {
    act();
    ActOnHeldFile();
    m_turns.PassIfBlocked();
    m_keeping.Keep(m_turns.RecordOnShow());
    m_screen.Present();
    m_keeping.Write();
}

ScreenState GameController::Screen() const {
    const ScreenInputs inputs{.cursor = m_turns.Cursor(),
                              .options = m_choices.Options(),
                              .soundOn = m_effects.On(),
                              .colours = m_choices.Colours(),
                              .desktop = m_desktop,
                              .gameKept = m_keeping.HasKeptGame(),
                              .reviewRunning = m_records.ReviewRunning(),
                              .levelOverShown = m_turns.LevelOverShown()};
    return ScreenOf(m_match, inputs, m_records.Reviewed());
}

void GameController::Start() {
    Run([this] {
        StartUp();
        m_keeping.Open();
    });
}

void GameController::StartUp() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_view.ShowTile({x, y}, Wall);
        }
    }
    m_choices.ApplyStored();
    m_effects.Play(Effect::Startup);
}

void GameController::OnTimer() {
    Run([this] {
        if (!m_boxes.TicksKeptAway()) {
            m_keeping.ShowNotice();
            TimerTick();
        }
    });
}

// The Life Doodle keeps its grid in the match apart from the game's board, level and players; a
// tick moves whichever is on.
void GameController::TimerTick() {
    switch (m_match.CurrentPhase()) {
    case Phase::DoodleStarting:
    case Phase::DoodleAskedPlaying:
    case Phase::DoodleAskedDecided:
        m_turns.ShowNoTurn();
        m_doodle.Start();
        return;
    case Phase::Doodle:
        m_doodle.Generation();
        return;
    case Phase::LevelReady:
    case Phase::Playing:
    case Phase::Decided:
        m_turns.Tick();
        return;
    }
}

void GameController::OnCell(Cell cell) {
    Run([this, cell] {
        if (!m_boxes.AnythingOpen()) {
            HandleCell(cell);
        }
    });
}

void GameController::HandleCell(Cell cell) {
    if (m_turns.Refused()) {
        return;
    }
    m_match.RememberClick(cell);
    if (m_match.InGame()) {
        m_turns.Click(cell);
    } else {
        m_doodle.Click(cell);
    }
}

void GameController::OnWake() {
    Run([this] {
        m_hints.Poll();
        m_records.PollReview();
    });
}

void GameController::OnDesktopChanged(const DesktopFacts& facts) {
    Run([this, &facts] { m_desktop = facts; });
}

void GameController::OnCommand(CommandId command) {
    Run([this, command] {
        if (!m_boxes.AnythingOpen()) {
            RunCommand(command);
        }
    });
}

// A game box, which opens above a command's window, is answered first. Retry offers the level
// again: after a loss, after a level that ended without a winner, and when a position has come
// up for the third time.
void GameController::OnMessageAnswered(MessageAnswer answer) {
    Run([this, answer] { AnswerMessage(answer); });
}

void GameController::AnswerMessage(MessageAnswer answer) {
    std::optional<GameMessage> box = m_boxes.TakeMessageAnswer();
    if (!box) {
        return;
    }
    if (std::holds_alternative<RetryBox>(*box)) {
        if (answer == MessageAnswer::Yes) {
            m_turns.LoadLevel(m_match.Level());
        }
    } else if (std::holds_alternative<PastLastLevelBox>(*box)) {
        m_turns.SetUpLevel(1);
    } else if (LoadRefusedBox* refused = std::get_if<LoadRefusedBox>(&*box)) {
        m_saved.AfterRefusal(std::move(*refused));
    } else if (std::holds_alternative<CreditsBox>(*box)) {
        m_doodle.AfterCredits();
    }
}

void GameController::OnWinnerBoxClosed() {
    Run([this] {
        if (const std::optional<Side> winner = m_boxes.TakeWinnerBox()) {
            m_turns.AfterWinnerBox(*winner);
        }
    });
}

// A file chosen while a box of the game is open (the clock decided the level behind the dialog)
// waits until that box is answered: the box goes on with its change first.
void GameController::OnGameFileChosen(const std::optional<std::string>& path) {
    Run([this, &path] {
        const std::optional<CommandWindow> dialog = m_boxes.TakeFileDialog();
        if (dialog && path) {
            m_boxes.HoldFile({*dialog, *path});
        }
    });
}

void GameController::ActOnHeldFile() {
    if (m_boxes.GameBoxOpen()) {
        return;
    }
    if (const std::optional<ChosenFile> file = m_boxes.TakeHeldFile()) {
        switch (file->dialog) {
        case CommandWindow::LoadDialog:
            m_saved.LoadFrom(file->path);
            break;
        case CommandWindow::ImportDialog:
            m_records.ImportFrom(file->path);
            break;
        case CommandWindow::ExportDialog:
            m_records.ExportTo(file->path);
            break;
        default:
            m_saved.SaveTo(file->path);
        }
    }
}

void GameController::OnMoveChosen(std::size_t turns) {
    Run([this, turns] {
        if (!m_boxes.AnythingOpen()) {
            m_turns.GoToMove(turns);
        }
    });
}

void GameController::OnReviewCancelled() {
    Run([this] { m_records.CancelReview(); });
}

void GameController::OnFileGiven(const std::string& path) {
    Run([this, &path] {
        if (m_boxes.AnythingOpen()) {
            return;
        }
        if (IsRecordFile(path)) {
            m_records.ImportFrom(path);
        } else {
            m_saved.LoadFrom(path);
        }
    });
}

void GameController::OnLevelChosen(std::optional<int> level) {
    Run([this, level] {
        if (m_boxes.TakeChooseLevel() && level && CheckLevel(*level) == LevelCheck::Level) {
            m_effects.Play(Effect::Ambient);
            m_turns.LoadLevel(*level);
        }
    });
}

// The manual's sound plays while its window is open and is cut off when it closes, even if
// sound was switched off meanwhile; the jingle runs on after the About window.
void GameController::OnWindowClosed() {
    Run([this] {
        if (m_boxes.TakeWindowClosed() == CommandWindow::Instructions) {
            m_view.StopSound();
        }
    });
}

void GameController::OnStatisticsClosed(StatisticsAnswer answer) {
    Run([this, answer] { m_keeping.StatisticsClosed(answer); });
}

void GameController::Shutdown() {
    m_turns.Stop();
    m_hints.Stop();
    m_records.CancelReview();
    m_keeping.Finish();
}

void GameController::RunCommand(CommandId command) {
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        for (const PlayerType type : AllPlayerTypes) {
            if (command == PlayerCommand(side, type)) {
                if (const auto refusal = m_choices.ChoosePlayer(side, type)) {
                    m_boxes.OpenNotice(Message(*refusal), MessageIcon::Exclamation);
                }
                return;
            }
        }
    }
    if (const std::optional<BoardColours> colours = ColoursOfCommand(command)) {
        m_choices.ChooseColours(*colours);
        return;
    }
    if (OptionStates::IsSwitch(command)) {
        m_choices.TurnOver(command);
        return;
    }
    switch (command) {
    case CommandId::LifeDoodle:
        m_match.AskDoodle(); // the next tick starts it
        return;
    case CommandId::SoundOn:
    case CommandId::SoundOff:
        m_choices.SwitchSound(command == CommandId::SoundOn);
        return;
    case CommandId::Instructions:
        // The manual's sound plays while the window is open (OnWindowClosed cuts it off).
        m_effects.Play(Effect::Instructions);
        m_boxes.OpenInstructions();
        return;
    case CommandId::About:
        // The jingle starts with the window and runs on to its end after the window closes.
        m_effects.Play(Effect::Jingle);
        m_boxes.OpenAbout();
        return;
    case CommandId::LoadGame:
        m_saved.AskLoad();
        return;
    case CommandId::ContinueGame:
        m_saved.Continue();
        return;
    case CommandId::Statistics:
        m_keeping.ShowStatistics();
        return;
    case CommandId::SaveGame:
        m_saved.AskSave();
        return;
    case CommandId::UndoMove:
        m_turns.Undo();
        return;
    case CommandId::RedoMove:
        m_turns.Redo();
        return;
    case CommandId::Hint:
        m_hints.Ask();
        return;
    case CommandId::ChooseLevel:
        m_boxes.OpenChooseLevel(ClampLevel(m_match.Level()));
        return;
    case CommandId::ExportRecord:
        m_records.AskExport();
        return;
    case CommandId::ImportRecord:
        m_records.AskImport();
        return;
    case CommandId::ReviewGame:
        m_records.StartReview();
        return;
    case CommandId::RestartLevel:
        // Before any level this starts level 1; during the Life Doodle, the last level again.
        m_turns.LoadLevel(std::max(m_match.Level(), 1));
        return;
    default:
        break;
    }
    if (const int level = CommandLevel(command); level != 0) {
        m_effects.Play(Effect::Ambient);
        m_turns.LoadLevel(level);
    }
}

} // namespace trevallion
