#include "shell/PlayersLanguage.h"

#include "shell/DataFolder.h"
#include "text/TextCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

QString& Spoken() {
    static QString language;
    return language;
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

bool Install(QTranslator& translator, const QString& file, const QString& folder) {
    if (!translator.load(file, folder)) {
        return false;
    }
    QCoreApplication::installTranslator(&translator);
    return true;
}

} // namespace

void UsePlayersLanguage() {
    for (const QString& language : WantedLanguages()) {
        if (SpeakLanguage(language)) {
            return;
        }
    }
}

bool SpeakLanguage(const QString& language) {
    static QTranslator game;
    static QTranslator qt;
    static const QtTextCatalog catalog;
    QCoreApplication::removeTranslator(&game);
    QCoreApplication::removeTranslator(&qt);
    UseTextCatalog(nullptr);
    Spoken().clear();
    const QString folder = DataFilePath(TranslationsFolder);
    if (language.isEmpty() || folder.isEmpty() ||
        !Install(game, GamePrefix + language + QStringLiteral(".qm"), folder)) {
        return false;
    }
    Spoken() = language;
    // Qt's own may be missing (it is only recommended); its texts then stay English.
    Install(qt, QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    UseTextCatalog(&catalog);
    return true;
}

QString SpokenLanguage() {
    return Spoken();
}

QString SpokenDataFilePath(const QString& name) {
    if (!Spoken().isEmpty()) {
        const QFileInfo file(name);
        const QString translated = DataFilePath(file.completeBaseName() + QLatin1Char('_') +
                                                Spoken() + QLatin1Char('.') + file.suffix());
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
