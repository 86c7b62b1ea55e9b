#include "play/GameController.h"

#include "levels/LevelLayouts.h"
#include "play/Messages.h"
#include "play/SettingNames.h"
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

constexpr std::string_view SettingOf(Side side) {
    return side == Side::PlayerOne ? PlayerOneSetting : PlayerTwoSetting;
}

} // namespace

GameController::GameController(GameView& view, SettingsStore& settings, WorkerRunner& workers,
                               WorkerRunner& hintWorkers, KeepingPlace& place,
                               WorkerRunner& keepWriter)
    : m_view(view), m_settings(settings), m_effects(view), m_hint(view), m_screen(view),
      m_boxes(view), m_computer(workers), m_hinter(hintWorkers), m_keeper(place, keepWriter),
      m_history(place, m_historyWriter), m_review(m_reviewWorker) {}

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
    PassIfBlocked();
    KeepProgress();
    PresentScreen();
    m_keeper.Write();
}

void GameController::PresentScreen() {
    const ScreenInputs inputs{.cursor = m_cursor,
                              .options = m_options,
                              .soundOn = m_effects.On(),
                              .colours = m_colours,
                              .desktop = m_desktop,
                              .gameKept = m_keeper.HasKeptGame(),
                              .reviewRunning = m_review.Running()};
    m_screen.Present(ScreenOf(m_match, inputs, m_reviewed));
}

void GameController::Start() {
    Run([this] {
        StartUp();
        OpenKept();
    });
}

void GameController::StartUp() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_view.ShowTile({x, y}, Wall);
        }
    }
    // Anything stored but 0 means sound on, and is stored back as 1.
    SwitchSound(m_settings.ReadSetting(SoundSetting).value_or(1) != 0);
    ApplyStoredPlayers();
    for (const OptionSwitch& option : OptionSwitches) {
        const int byDefault = option.byDefault ? 1 : 0;
        SwitchOption(option.item, m_settings.ReadSetting(option.setting).value_or(byDefault) != 0,
                     ChoiceBy::StoredSettings);
    }
    m_colours = StoredColours(m_settings);
    PlayEffect(Effect::Startup);
}

void GameController::OnTimer() {
    Run([this] {
        if (!m_boxes.TicksKeptAway()) {
            ShowKeptNotice();
            TimerTick();
        }
    });
}

void GameController::OnCell(Cell cell) {
    Run([this, cell] {
        if (!m_boxes.AnythingOpen()) {
            HandleCell(cell);
        }
    });
}

void GameController::OnWake() {
    Run([this] {
        PollHint();
        PollReview();
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
            LoadLevel(m_match.Level());
        }
    } else if (std::holds_alternative<PastLastLevelBox>(*box)) {
        SetUpLevel(1);
    } else if (LoadRefusedBox* refused = std::get_if<LoadRefusedBox>(&*box)) {
        // The load goes on with Player 2's player after Player 1's refusal, and ends after
        // Player 2's.
        if (refused->refused == Side::PlayerOne) {
            LoadPlayers(std::move(refused->load), Side::PlayerTwo);
        } else {
            FinishLoad(refused->load);
        }
    } else if (std::holds_alternative<CreditsBox>(*box)) {
        ShowDoodleTiles(m_match.GenerationAfterCredits().changed);
    }
}

void GameController::OnWinnerBoxClosed() {
    Run([this] {
        if (const std::optional<Side> winner = m_boxes.TakeWinnerBox()) {
            AfterWinnerBox(*winner);
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
            LoadFrom(file->path);
            break;
        case CommandWindow::ImportDialog:
            ImportRecordFrom(file->path);
            break;
        case CommandWindow::ExportDialog:
            ExportRecordTo(file->path);
            break;
        default:
            SaveTo(file->path);
        }
    }
}

void GameController::OnMoveChosen(std::size_t turns) {
    Run([this, turns] {
        if (!m_boxes.AnythingOpen()) {
            GoToMove(turns);
        }
    });
}

void GameController::OnReviewCancelled() {
    Run([this] { m_review.Cancel(); });
}

void GameController::OnFileGiven(const std::string& path) {
    Run([this, &path] {
        if (m_boxes.AnythingOpen()) {
            return;
        }
        if (IsRecordFile(path)) {
            ImportRecordFrom(path);
        } else {
            LoadFrom(path);
        }
    });
}

void GameController::OnLevelChosen(std::optional<int> level) {
    Run([this, level] {
        if (m_boxes.TakeChooseLevel() && level && CheckLevel(*level) == LevelCheck::Level) {
            PlayEffect(Effect::Ambient);
            LoadLevel(*level);
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
    Run([this, answer] {
        if (m_boxes.TakeStatistics() && answer == StatisticsAnswer::Reset) {
            m_keeper.ResetStatistics();
        }
    });
}

void GameController::Shutdown() {
    m_computer.Stop();
    m_hinter.Stop();
    m_review.Cancel();
    m_keeper.Finish();
    m_history.Finish();
}

void GameController::RunCommand(CommandId command) {
    for (const Side side : {Side::PlayerOne, Side::PlayerTwo}) {
        for (const PlayerType type : AllPlayerTypes) {
            if (command == PlayerCommand(side, type)) {
                if (const auto refusal = ChoosePlayer(side, type)) {
                    m_boxes.OpenNotice(Message(*refusal), MessageIcon::Exclamation);
                }
                return;
            }
        }
    }
    if (const std::optional<BoardColours> colours = ColoursOfCommand(command)) {
        ChooseColours(*colours);
        return;
    }
    if (OptionStates::IsSwitch(command)) {
        SwitchOption(command, !m_options.On(command), ChoiceBy::Player);
        return;
    }
    switch (command) {
    case CommandId::LifeDoodle:
        m_match.AskDoodle(); // the next tick starts it
        return;
    case CommandId::SoundOn:
    case CommandId::SoundOff:
        SwitchSound(command == CommandId::SoundOn);
        return;
    case CommandId::Instructions:
        ShowInstructions();
        return;
    case CommandId::About:
        ShowAbout();
        return;
    case CommandId::LoadGame:
        OnLoadGame();
        return;
    case CommandId::ContinueGame:
        ContinueGame();
        return;
    case CommandId::Statistics:
        ShowStatistics();
        return;
    case CommandId::SaveGame:
        OnSaveGame();
        return;
    case CommandId::UndoMove:
        UndoMove();
        return;
    case CommandId::RedoMove:
        RedoMove();
        return;
    case CommandId::Hint:
        AskHint();
        return;
    case CommandId::ChooseLevel:
        ChooseLevel();
        return;
    case CommandId::ExportRecord:
        if (m_match.InGame()) {
            m_boxes.OpenGameFileDialog(GameFileDialog::ExportRecord);
        }
        return;
    case CommandId::ImportRecord:
        m_boxes.OpenGameFileDialog(GameFileDialog::ImportRecord);
        return;
    case CommandId::ReviewGame:
        StartReview();
        return;
    case CommandId::RestartLevel:
        // Before any level this starts level 1; during the Life Doodle, the last level again.
        LoadLevel(std::max(m_match.Level(), 1));
        return;
    default:
        break;
    }
    if (const int level = CommandLevel(command); level != 0) {
        PlayEffect(Effect::Ambient);
        LoadLevel(level);
    }
}

void GameController::PlayEffect(Effect effect) {
    m_effects.Play(effect, m_match.Level());
}

void GameController::ShowBoard() {
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            m_view.ShowTile({x, y}, m_match.CurrentBoard().At({x, y}));
        }
    }
}

// The Options and Help menus: sound on and off, the manual and the About window.
// Switching on plays nothing; switching off silences what still plays. Choosing the item
// already checked does it all again.
void GameController::SwitchSound(bool on) {
    if (!on) {
        m_view.StopSound();
    }
    m_effects.SetOn(on);
    m_settings.WriteSetting(SoundSetting, on ? 1 : 0);
}

// The manual's sound plays while the window is open (OnWindowClosed cuts it off).
void GameController::ShowInstructions() {
    PlayEffect(Effect::Instructions);
    m_boxes.OpenInstructions();
}

// The jingle starts with the window and runs on to its end after the window closes.
void GameController::ShowAbout() {
    PlayEffect(Effect::Jingle);
    m_boxes.OpenAbout();
}

// The Player 1 and Player 2 menus: what plays each side, and the settings that remember it.
// A command changes no search under way: a thinking worker has its strength already, and the
// side's next turn thinks at the new one.
std::optional<std::string_view> GameController::ChoosePlayer(Side side, PlayerType type,
                                                             ChoiceBy by) {
    // At most one computer player, unless both come back from the stored settings.
    if (type != PlayerType::Human && m_match.Player(OtherSide(side)) != PlayerType::Human &&
        by == ChoiceBy::Player) {
        return side == Side::PlayerOne ? PlayerTwoMustBeHuman : PlayerOneMustBeHuman;
    }
    m_match.SetPlayer(side, type);
    m_settings.WriteSetting(SettingOf(side), PlayerTypeNumber(type));
    return std::nullopt;
}

// Start-up runs the commands the stored values name; a value out of range names the default
// (Player 1 human, Player 2 AI Medium), which is then stored in its place.
void GameController::ApplyStoredPlayers() {
    const auto stored = [this](Side side, PlayerType fallback) {
        const std::optional<std::int32_t> value = m_settings.ReadSetting(SettingOf(side));
        const std::optional<PlayerType> type = value ? PlayerTypeFromNumber(*value) : std::nullopt;
        return type.value_or(fallback);
    };
    ChoosePlayer(Side::PlayerOne, stored(Side::PlayerOne, PlayerType::Human),
                 ChoiceBy::StoredSettings);
    ChoosePlayer(Side::PlayerTwo, stored(Side::PlayerTwo, PlayerType::AiMedium),
                 ChoiceBy::StoredSettings);
}

} // namespace trevallion
