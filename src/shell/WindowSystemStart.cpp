#include "shell/WindowSystemStart.h"

#include "shell/PlayersLanguage.h"

#include <QByteArray>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace trevallion {
namespace {

// A message of Qt's, kept to be handed on later as it came.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category; // Qt's categories are named by strings that live as long as the program
    QString text;
};

struct Held {
    QtMessageHandler previous = nullptr;
    QString message;
    std::vector<HeldMessage> messages;
};

Held& Starting() {
    static Held held;
    return held;
}

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    Held& held = Starting();
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", held.message.toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1); // nothing has been opened or written yet that an exit would need to close
    }
    held.messages.push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

QString Tr(const char* text) {
    return PlayersText("WindowSystem", text);
}

// The platform asked for by name, if any: "-platform NAME" on the command line (as Qt reads it,
// also with two dashes), else QT_QPA_PLATFORM.
QString PlatformAskedFor(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument == "--platform") {
            return QString::fromLocal8Bit(argv[i + 1]);
        }
    }
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

} // namespace

WindowSystemStart::WindowSystemStart(const QString& message) {
    Held& held = Starting();
    held.message = message;
    held.messages.clear();
    held.previous = qInstallMessageHandler(&HoldBack);
}

WindowSystemStart::~WindowSystemStart() {
    Held& held = Starting();
    qInstallMessageHandler(held.previous);
    for (const HeldMessage& message : std::exchange(held.messages, {})) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
}

QString NoWindowMessage(int argc, char** argv) {
    const QString platform = PlatformAskedFor(argc, argv);
    QStringList displays;
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const QString value = qEnvironmentVariable(name); !value.isEmpty()) {
            displays << QString::fromLatin1(name) + QLatin1Char('=') + value;
        }
    }
    QString why;
    if (!platform.isEmpty()) {
        why =
            Tr(QT_TRANSLATE_NOOP("WindowSystem", "the window cannot be opened on the platform %1"))
                .arg(platform);
    } else if (displays.isEmpty()) {
        why = Tr(QT_TRANSLATE_NOOP(
            "WindowSystem",
            "there is no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY is "
            "set"));
    } else {
        why = Tr(QT_TRANSLATE_NOOP("WindowSystem",
                                   "the window cannot be opened: the display %1 does not answer"))
                  .arg(displays.join(QStringLiteral(", ")));
    }
    return QStringLiteral("trevallion: ") + why;
}

} // namespace trevallion
