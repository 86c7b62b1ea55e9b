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

void OpenBoxes::OpenGameBox(GameBox box, const ShownText& text, MessageButtons buttons,
                            MessageIcon icon) {
    m_box = box;
    m_view.OpenMessage(text, buttons, icon);
}

void OpenBoxes::OpenWinnerBox(Side winner) {
    m_box = GameBox::Winner;
    m_winner = winner;
    m_view.OpenWinnerBox(winner);
}

// A game box, which opens above a command's window, is answered first.
std::optional<GameBox> OpenBoxes::TakeMessageAnswer() {
    if (m_box == GameBox::None || m_box == GameBox::Winner) {
        TakeWindow(CommandWindow::Notice);
        return std::nullopt;
    }
    return std::exchange(m_box, GameBox::None);
}

std::optional<Side> OpenBoxes::TakeWinnerBox() {
    if (m_box != GameBox::Winner) {
        return std::nullopt;
    }
    m_box = GameBox::None;
    return m_winner;
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

PendingLoad OpenBoxes::TakeLoad() {
    PendingLoad load = std::move(*m_load);
    m_load.reset();
    return load;
}

bool OpenBoxes::TakeWindow(CommandWindow window) {
    if (m_window != window) {
        return false;
    }
    m_window = CommandWindow::None;
    return true;
}

} // namespace trevallion
