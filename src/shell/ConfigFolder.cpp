#include "shell/ConfigFolder.h"

#include "shell/PlayersLanguage.h"

#include <QDir>
#include <QSettings>

#include <cstdio>
#include <cstdlib>

namespace trevallion {
namespace {

// A value Qt would read back as the same bytes: valid UTF-8, with no byte replaced.
bool SpelledAlike(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

ConfigFolder NoFolder(const char* name, const char* why) {
    return {{}, PlayersText("ConfigFolder", why).arg(QString::fromLatin1(name)), false};
}

// The folder that the environment variable `name`, of value `value`, names; or why it names none.
ConfigFolder FolderNamedBy(const char* name, const QByteArray& value) {
    if (value.isEmpty()) {
        return NoFolder(name, QT_TRANSLATE_NOOP("ConfigFolder", "%1 is not set"));
    }
    if (!value.startsWith('/')) {
        return NoFolder(name, QT_TRANSLATE_NOOP("ConfigFolder", "%1 is not a full path"));
    }
    if (!SpelledAlike(value)) {
        return NoFolder(name, QT_TRANSLATE_NOOP("ConfigFolder", "%1 is not valid UTF-8"));
    }
    return {QDir::cleanPath(QString::fromUtf8(value)), {}, false};
}

// The base folder that the variable `name`, of value `value`, names, or `underHome` under HOME.
ConfigFolder BaseFolderFrom(const char* home, const char* name, const char* value,
                            const QString& underHome) {
    const QByteArray xdg(value);
    if (xdg.startsWith('/')) {
        return FolderNamedBy(name, xdg);
    }
    ConfigFolder folder = FolderNamedBy("HOME", home);
    if (!folder.path.isEmpty()) {
        folder.path = QDir::cleanPath(folder.path + QLatin1Char('/') + underHome);
    }
    return folder;
}

} // namespace

ConfigFolder ConfigFolderFrom(const char* home, const char* xdgConfigHome) {
    return BaseFolderFrom(home, "XDG_CONFIG_HOME", xdgConfigHome, QStringLiteral(".config"));
}

ConfigFolder DataFolderFrom(const char* home, const char* xdgDataHome) {
    return BaseFolderFrom(home, "XDG_DATA_HOME", xdgDataHome, QStringLiteral(".local/share"));
}

void IgnoreRelativeBaseFolders() {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                             "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
        if (qEnvironmentVariableIsSet(name) && !qgetenv(name).startsWith('/')) {
            qunsetenv(name);
        }
    }
}

ConfigFolder UserConfigFolder() {
    return ConfigFolderFrom(std::getenv("HOME"), std::getenv("XDG_CONFIG_HOME"));
}

ConfigFolder UserDataFolder() {
    return DataFolderFrom(std::getenv("HOME"), std::getenv("XDG_DATA_HOME"));
}

QString UsableHomeFolder() {
    return FolderNamedBy("HOME", std::getenv("HOME")).path;
}

void TellWhatIsNotKept(ConfigFolder& config, ConfigFolder& data) {
    if (config.path.isEmpty() && data.path.isEmpty() && config.problem == data.problem) {
        const QString message =
            PlayersText("ConfigFolder",
                        QT_TRANSLATE_NOOP("ConfigFolder", "%1; the settings, the game in play and "
                                                          "the statistics are not kept."))
                .arg(config.problem);
        std::fprintf(stderr, "trevallion: %s\n", message.toLocal8Bit().constData());
        config.told = true;
        data.told = true;
    }
}

void KeepQtSettingsIn(const QString& folder) {
    // A device is no folder: not even root can make a file beneath it.
    const QString place = folder.isEmpty() ? QStringLiteral("/dev/null") : folder;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, place);
    }
}

} // namespace trevallion
