#pragma once

#include "savegame/SavedGameRecord.h"
#include "shell/Cursors.h"
#include "shell/MainWindow.h"
#include "shell/SettingsFile.h"
#include "shell/SoundOutput.h"
#include "shell/TileArt.h"
#include "shell/WindowBoxes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace trevallion::testing {

inline QImage ComparableImage(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

inline QImage IconImage(const QAbstractButton* button) {
    return ComparableImage(button->icon().pixmap(QSize(TileSize, TileSize)));
}

inline QImage TileImage(CellCode code) {
    return ComparableImage(DrawTile(code, qApp->devicePixelRatio()));
}

inline QImage CursorImage(const QCursor& cursor) {
    return ComparableImage(cursor.pixmap());
}

inline QImage SideCursorImage(CursorSide side) {
    return CursorImage(SideCursor(side, qApp->devicePixelRatio()));
}

// The cells whose buttons do not show the tile of `board`'s code there; empty when all do.
inline QStringList CellsNotShowing(const MainWindow& window, const Board& board) {
    QStringList wrong;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (IconImage(window.CellButton({x, y})) != TileImage(board.At({x, y}))) {
                wrong << QStringLiteral("cell (%1, %2)").arg(x).arg(y);
            }
        }
    }
    return wrong;
}

// The window's boxes and windows replaced by records, so that no test ever waits on one. Each is
// answered from the event loop, as a player closing it would answer: a question with No, a file
// dialog with the next of `pickedFiles`, Choose Level and Statistics as cancelled.
class RecordingBoxes final : public WindowBoxes {
  public:
    void OpenMessage(const ShownText& text, MessageButtons buttons, MessageIcon) override {
        messages.push_back(text.Str());
        Later(buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok);
    }
    void OpenWinnerBox(Side winner) override {
        winners.push_back(winner);
        cursorsAtWinnerBox.push_back(CursorImage(Window().cursor()));
        Later(WinnerBoxClosed{});
    }
    void OpenGameFileDialog(GameFileDialog, const QString&) override {
        GameFileChosen chosen;
        if (!pickedFiles.empty()) {
            chosen.path = pickedFiles.front();
            pickedFiles.pop_front();
        }
        Later(chosen);
    }
    void OpenChooseLevel(int, const TileSet&) override { Later(LevelChosen{}); }
    void OpenInstructions() override { Later(WindowClosed{}); }
    void OpenAbout() override { Later(WindowClosed{}); }
    void OpenStatistics(const StatisticsTable&) override { Later(StatisticsAnswer::Closed); }

    // Lets the boxes opened so far be answered, and those their answers open, until none is
    // left open.
    void AnswerBoxes() {
        while (m_open > 0) {
            QCoreApplication::processEvents();
        }
    }

    std::vector<std::string> messages;
    std::vector<Side> winners;
    // The window's cursor at the moment each winner box opened.
    std::vector<QImage> cursorsAtWinnerBox;
    // What the next file dialogs return, in order; a cancelled dialog when empty.
    std::deque<std::string> pickedFiles;

  private:
    // Each answer keeps its own type until it is given: a copied std::variant holding a
    // std::optional<std::string> sets off GCC's false "may be used uninitialized".
    template <typename Given> void Later(Given answer) {
        ++m_open;
        QTimer::singleShot(0, &Window(), [this, answer] {
            --m_open;
            Answer(answer);
        });
    }

    int m_open = 0; // boxes not yet answered
};

// The game's sounds, recorded as they start and still sent to the real output.
class RecordingSounds final : public SoundOutput {
  public:
    void Play(std::string_view file) override {
        played.emplace_back(file);
        m_output.Play(file);
    }
    void Stop() override { m_output.Stop(); }

    std::vector<std::string> played;

  private:
    DataFolderSounds m_output;
};

// One tick of the window's own clock, at once.
inline void Tick(const MainWindow& window) {
    QMetaObject::invokeMethod(window.findChild<QTimer*>(QStringLiteral("clock")), "timeout");
}

// A menu title's or item's text as shown, without the '&' that marks its mnemonic.
inline QString PlainText(const QAction* action) {
    return QString(action->text()).remove(QLatin1Char('&'));
}

inline QMenu* Menu(const QMainWindow& window, const QString& title) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->menu() != nullptr && PlainText(action) == title) {
            return action->menu();
        }
    }
    return nullptr;
}

inline QAction* MenuAction(const QMainWindow& window, const QString& title, const QString& text) {
    QMenu* menu = Menu(window, title);
    if (menu == nullptr) {
        return nullptr;
    }
    for (QAction* action : menu->actions()) {
        if (PlainText(action) == text) {
            return action;
        }
    }
    return nullptr;
}

// The real window, its boxes and sounds recorded, on settings in a file of the test's own, never
// the user's.
class WindowHarness {
  public:
    // Opens a window on the given stored settings (group "Trevallion"), replacing any earlier.
    void Open(const QList<std::pair<QString, QVariant>>& stored) {
        window.reset();
        QFile::remove(SettingsPath());
        {
            const std::unique_ptr<QSettings> settings = Settings();
            for (const auto& [name, value] : stored) {
                settings->setValue(QStringLiteral("Trevallion/") + name, value);
            }
        }
        auto recordedBoxes = std::make_unique<RecordingBoxes>();
        auto recordedSounds = std::make_unique<RecordingSounds>();
        boxes = recordedBoxes.get();
        sounds = recordedSounds.get();
        window = std::make_unique<MainWindow>(std::make_unique<SettingsFile>(Settings()), nullptr,
                                              nullptr, std::move(recordedBoxes),
                                              std::move(recordedSounds));
        window->Start();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    // The stored value of a setting, read back from the file.
    QVariant Stored(const QString& name) const {
        return Settings()->value(QStringLiteral("Trevallion/") + name);
    }

    // The checked items of a menu, by their texts.
    QStringList Checked(const QString& title) const {
        QStringList checked;
        for (QAction* action : Menu(*window, title)->actions()) {
            if (action->isChecked()) {
                checked << PlainText(action);
            }
        }
        return checked;
    }

    void Choose(const QString& text, const QString& menu = QStringLiteral("Start")) {
        QAction* action = MenuAction(*window, menu, text);
        QVERIFY2(action != nullptr, qPrintable(text));
        action->trigger();
        boxes->AnswerBoxes();
    }

    // Loads `record` through Load Game, as if picked in the open dialog.
    void Load(const SavedGameRecord& record) {
        const QString path = m_dir.filePath(QStringLiteral("game.tvx"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const RecordBytes bytes = EncodeRecord(record);
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        file.close();
        boxes->pickedFiles.push_back(path.toStdString());
        Choose(QStringLiteral("Load Game"));
    }

    void Click(Cell cell) {
        QAbstractButton* button = window->findChild<QAbstractButton*>(
            QStringLiteral("cell_%1_%2").arg(cell.x).arg(cell.y));
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        boxes->AnswerBoxes();
    }

    void Tick() {
        testing::Tick(*window);
        boxes->AnswerBoxes();
    }

    bool ShowsCursor(CursorSide side) const {
        return CursorImage(window->cursor()) == SideCursorImage(side);
    }

    std::unique_ptr<MainWindow> window;
    // The open window's.
    RecordingBoxes* boxes = nullptr;
    RecordingSounds* sounds = nullptr;

  private:
    QString SettingsPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    std::unique_ptr<QSettings> Settings() const {
        return std::make_unique<QSettings>(SettingsPath(), QSettings::IniFormat);
    }

    QTemporaryDir m_dir;
};

} // namespace trevallion::testing
