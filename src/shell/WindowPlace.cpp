#include "shell/WindowPlace.h"

#include "rules/Board.h"
#include "shell/SettingsFile.h"
#include "shell/TileArt.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <string_view>

namespace trevallion {
namespace {

// The window's size and place, as Qt saves them, in Base64.
constexpr std::string_view X11Setting = "WindowGeometry";
constexpr std::string_view WaylandSetting = "WaylandWindowGeometry";

std::string_view SettingHere() {
    return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")) ? WaylandSetting
                                                                                 : X11Setting;
}

// What the last run on this window system kept; empty for nothing.
QByteArray KeptGeometry(const SettingsFile& settings) {
    QString kept = settings.ReadText(SettingHere());
    if (kept.isEmpty()) {
        kept = settings.ReadText(X11Setting);
    }
    return QByteArray::fromBase64(kept.toLatin1());
}

// Runs a function once a window is first exposed, then goes.
class FirstExposure : public QObject {
  public:
    FirstExposure(QWindow& window, std::function<void()> then)
        : QObject(&window), m_then(std::move(then)) {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            // After the exposure itself is handled.
            QTimer::singleShot(0, parent(), std::move(m_then));
            deleteLater();
            watched->removeEventFilter(this);
        }
        return false;
    }

  private:
    std::function<void()> m_then;
};

// A rectangle's extent along one axis, in 64 bits: a rectangle near the integer limits, as a
// damaged setting may hold, has sides too long for an int.
struct Span {
    qint64 start;
    qint64 length;

    qint64 End() const { return start + length; }
    qint64 Overlap(const Span& other) const {
        return std::max<qint64>(0, std::min(End(), other.End()) - std::max(start, other.start));
    }
    // The start that keeps this span inside `room`, which must be at least as long.
    int StartWithin(const Span& room) const {
        return static_cast<int>(std::clamp(start, room.start, room.End() - length));
    }
};

// The frame the desktop draws round a window, which Qt learns only once the window shows: the
// style's title bar and frame stand in for it.
struct Frame {
    int title;
    int border;
};

Frame EstimatedFrame() {
    const QStyle* style = QApplication::style();
    return {style->pixelMetric(QStyle::PM_TitleBarHeight),
            style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth)};
}

// Room for that frame round a window. A window manager may take a place asked for as the
// frame's or as the window's own, so the title's room is left at both ends.
QMargins FrameAllowance() {
    const Frame frame = EstimatedFrame();
    const int titled = frame.title + frame.border;
    return {frame.border, titled, frame.border, titled};
}

Span Across(const QRect& rect) {
    return {rect.left(), qint64(rect.right()) - rect.left() + 1};
}

Span Down(const QRect& rect) {
    return {rect.top(), qint64(rect.bottom()) - rect.top() + 1};
}

} // namespace

std::optional<QRect> PlaceOnScreens(const QRect& window) {
    if (!window.isValid()) {
        return std::nullopt;
    }
    const Span across = Across(window);
    const Span down = Down(window);
    std::optional<QRect> room;
    qint64 largest = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect available = screen->availableGeometry().marginsRemoved(FrameAllowance());
        const qint64 overlap = across.Overlap(Across(available)) * down.Overlap(Down(available));
        if (overlap > largest) {
            largest = overlap;
            room = available;
        }
    }
    if (!room || across.length > room->width() || down.length > room->height()) {
        return std::nullopt;
    }
    return QRect(across.StartWithin(Across(*room)), down.StartWithin(Down(*room)),
                 static_cast<int>(across.length), static_cast<int>(down.length));
}

int SmallestTileFor(const QMainWindow& window) {
    const QSize room = window.screen()->availableGeometry().size();
    const Frame frame = EstimatedFrame();
    const QStatusBar* status = window.statusBar();
    const int besides = window.menuBar()->sizeHint().height() +
                        (status->isVisibleTo(&window) ? status->sizeHint().height() : 0) +
                        frame.title + 2 * frame.border;
    const int fits = std::min(room.width() - 2 * frame.border, room.height() - besides) / BoardSize;
    return std::clamp(fits, SmallestTileSize, TileSize);
}

void RestoreSizeAndPlace(QWidget& window, const SettingsFile& settings) {
    const QByteArray saved = KeptGeometry(settings);
    // Qt refuses a damaged value and changes nothing then.
    if (!saved.isEmpty() && window.restoreGeometry(saved)) {
        if (const std::optional<QRect> place = PlaceOnScreens(window.geometry())) {
            window.setGeometry(*place);
            return;
        }
    }
    window.setWindowState(Qt::WindowNoState);
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
}

void KeepSizeAndPlace(const QWidget& window, SettingsFile& settings) {
    const bool filled = window.isMaximized() || window.isFullScreen();
    if (PlaceOnScreens(filled ? window.normalGeometry() : window.geometry())) {
        settings.WriteText(SettingHere(), QString::fromLatin1(window.saveGeometry().toBase64()));
    }
}

void RunOnceShown(QWidget& window, std::function<void()> then) {
    QWindow* shown = window.windowHandle();
    if (shown == nullptr || shown->isExposed()) {
        QTimer::singleShot(0, &window, std::move(then));
        return;
    }
    new FirstExposure(*shown, std::move(then));
}

} // namespace trevallion
