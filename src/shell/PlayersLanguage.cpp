#include "shell/PlayersLanguage.h"

#include "shell/DataFileCheck.h"
#include "shell/DataFolder.h"
#include "text/TextCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace trevallion {
namespace {

const QString TranslationsFolder = QStringLiteral("translations");
const QString GamePrefix = QStringLiteral("trevallion_");

// The core's texts, looked up in the translations installed in the application.
class QtTextCatalog : public TextCatalog {
  public:
    std::string Translate(std::string_view context, std::string_view source) const override {
        const std::string contextText(context);
        const std::string sourceText(source);
        return QCoreApplication::translate(contextText.c_str(), sourceText.c_str()).toStdString();
    }
};

// The language spoken and its translations, the game's own and Qt's, loaded and, once the
// application exists, installed in it.
struct Spoken {
    QString language; // empty for English
    QTranslator game;
    QTranslator qt;
    bool chosen = false;
    bool installed = false;
};

Spoken& Language() {
    static Spoken spoken;
    return spoken;
}

// The desktop's languages in the player's order, each as a translation's file may name it, the
// more exact name first ("de_AT", then "de"). English ends the list: the game's texts are
// English, so a language the player ranks lower is not wanted.
QStringList WantedLanguages() {
    QStringList wanted;
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = language.section(QLatin1Char('_'), 0, 0);
        if (base == QStringLiteral("en") || base == QStringLiteral("C")) {
            break;
        }
        for (const QString& name : {language, base}) {
            if (!wanted.contains(name)) {
                wanted << name;
            }
        }
    }
    return wanted;
}

// Loads the game's translation into `language` and Qt's, if the game has one; Qt's own may be
// missing (it is only recommended), and its texts then stay English.
bool Load(const QString& language) {
    const QString folder = DataFilePath(TranslationsFolder);
    if (language.isEmpty() || folder.isEmpty()) {
        return false;
    }
    const QString path = QDir(folder).filePath(GamePrefix + language + QStringLiteral(".qm"));
    if (!QFileInfo::exists(path)) {
        return false;
    }
    // Qt trusts what a translation holds: a damaged one could bring the game down.
    if (const std::optional<QString> fault = TranslationFault(path)) {
        const QString message =
            PlayersText("PlayersLanguage",
                        QT_TRANSLATE_NOOP("PlayersLanguage", "the translation %1 is left out: %2."))
                .arg(path, *fault);
        std::fprintf(stderr, "trevallion: %s\n", message.toLocal8Bit().constData());
        return false;
    }
    Spoken& spoken = Language();
    if (!spoken.game.load(path)) {
        return false;
    }
    spoken.language = language;
    // An empty translator, when Qt's is missing, is left uninstalled.
    [[maybe_unused]] const bool qtTranslated = spoken.qt.load(
        QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}

void Uninstall() {
    Spoken& spoken = Language();
    if (spoken.installed) {
        QCoreApplication::removeTranslator(&spoken.game);
        QCoreApplication::removeTranslator(&spoken.qt);
        UseTextCatalog(nullptr);
        spoken.installed = false;
    }
}

// Puts the loaded translations to use, once there is an application to install them in.
void Install() {
    static const QtTextCatalog catalog;
    Spoken& spoken = Language();
    if (spoken.installed || spoken.language.isEmpty() || QCoreApplication::instance() == nullptr) {
        return;
    }
    QCoreApplication::installTranslator(&spoken.game);
    if (!spoken.qt.isEmpty()) {
        QCoreApplication::installTranslator(&spoken.qt);
    }
    UseTextCatalog(&catalog);
    spoken.installed = true;
}

} // namespace

void UsePlayersLanguage() {
    Spoken& spoken = Language();
    if (!spoken.chosen) {
        spoken.chosen = true;
        for (const QString& language : WantedLanguages()) {
            if (Load(language)) {
                break;
            }
        }
    }
    Install();
}

bool SpeakLanguage(const QString& language) {
    Uninstall();
    Spoken& spoken = Language();
    spoken.chosen = true;
    spoken.language.clear();
    if (!Load(language)) {
        return false;
    }
    Install();
    return true;
}

QString PlayersText(const char* context, const char* text) {
    if (QCoreApplication::instance() != nullptr) {
        return QCoreApplication::translate(context, text);
    }
    const Spoken& spoken = Language();
    const QString translated =
        spoken.language.isEmpty() ? QString() : spoken.game.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QString SpokenLanguage() {
    return Language().language;
}

QString SpokenDataFilePath(const QString& name) {
    if (!SpokenLanguage().isEmpty()) {
        const QFileInfo file(name);
        const QString translated =
            DataFilePath(file.completeBaseName() + QLatin1Char('_') + SpokenLanguage() +
                         QLatin1Char('.') + file.suffix());
        if (!translated.isEmpty() && QFileInfo::exists(translated)) {
            return translated;
        }
    }
    return DataFilePath(name);
}

QStringList TranslatedLanguages() {
    const QString folder = DataFilePath(TranslationsFolder);
    QStringList languages;
    if (folder.isEmpty()) {
        return languages;
    }
    for (const QString& file :
         QDir(folder).entryList({GamePrefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name)) {
        languages << QFileInfo(file).completeBaseName().mid(GamePrefix.size());
    }
    return languages;
}

} // namespace trevallion
