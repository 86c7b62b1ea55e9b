#include "play/OpenBoxes.h"

#include <utility>

namespace trevallion {

void OpenBoxes::OpenNotice(const ShownText& text, MessageIcon icon) {
    m_window = CommandWindow::Notice;
    m_view.OpenMessage(text, MessageButtons::Ok, icon);
}

void OpenBoxes::OpenGameFileDialog(GameFileDialog dialog) {
    switch (dialog) {
    case GameFileDialog::Open:
        m_window = CommandWindow::LoadDialog;
        break;
    case GameFileDialog::Save:
        m_window = CommandWindow::SaveDialog;
        break;
    case GameFileDialog::ImportRecord:
        m_window = CommandWindow::ImportDialog;
        break;
    case GameFileDialog::ExportRecord:
        m_window = CommandWindow::ExportDialog;
        break;
    }
    m_view.OpenGameFileDialog(dialog);
}

void OpenBoxes::OpenChooseLevel(int level) {
    m_window = CommandWindow::ChooseLevel;
    m_view.OpenChooseLevel(level);
}

void OpenBoxes::OpenInstructions() {
    m_window = CommandWindow::Instructions;
    m_view.OpenInstructions();
}

void OpenBoxes::OpenAbout() {
    m_window = CommandWindow::About;
    m_view.OpenAbout();
}

void OpenBoxes::OpenStatistics(const StatisticsTable& table) {
    m_window = CommandWindow::Statistics;
    m_view.OpenStatistics(table);
}

// The Life Doodle starts afresh behind its credits; every other box holds the board still.
bool OpenBoxes::TicksKeptAway() const {
    const GameMessage* message = std::get_if<GameMessage>(&m_box);
    return GameBoxOpen() && !(message && std::holds_alternative<CreditsBox>(*message));
}

void OpenBoxes::OpenGameBox(GameMessage box, const ShownText& text, MessageButtons buttons,
                            MessageIcon icon) {
    m_box = std::move(box);
    m_view.OpenMessage(text, buttons, icon);
}

void OpenBoxes::OpenWinnerBox(Side winner) {
    m_box = LevelWonBox{winner};
    m_view.OpenWinnerBox(winner);
}

// A game box, which opens above a command's window, is answered first.
std::optional<GameMessage> OpenBoxes::TakeMessageAnswer() {
    GameMessage* message = std::get_if<GameMessage>(&m_box);
    if (!message) {
        TakeWindow(CommandWindow::Notice);
        return std::nullopt;
    }
    GameMessage answered = std::move(*message);
    m_box = std::monostate{};
    return answered;
}

std::optional<Side> OpenBoxes::TakeWinnerBox() {
    const LevelWonBox* box = std::get_if<LevelWonBox>(&m_box);
    if (!box) {
        return std::nullopt;
    }
    const Side winner = box->winner;
    m_box = std::monostate{};
    return winner;
}

std::optional<CommandWindow> OpenBoxes::TakeFileDialog() {
    const CommandWindow window = m_window;
    if (TakeWindow(CommandWindow::LoadDialog) || TakeWindow(CommandWindow::SaveDialog) ||
        TakeWindow(CommandWindow::ImportDialog) || TakeWindow(CommandWindow::ExportDialog)) {
        return window;
    }
    return std::nullopt;
}

bool OpenBoxes::TakeChooseLevel() {
    return TakeWindow(CommandWindow::ChooseLevel);
}

std::optional<CommandWindow> OpenBoxes::TakeWindowClosed() {
    const CommandWindow window = m_window;
    if (TakeWindow(CommandWindow::Instructions) || TakeWindow(CommandWindow::About)) {
        return window;
    }
    return std::nullopt;
}

bool OpenBoxes::TakeStatistics() {
    return TakeWindow(CommandWindow::Statistics);
}

bool OpenBoxes::TakeWindow(CommandWindow window) {
    if (m_window != window) {
        return false;
    }
    m_window = CommandWindow::None;
    return true;
}

} // namespace trevallion
