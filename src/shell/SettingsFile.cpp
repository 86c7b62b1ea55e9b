#include "shell/SettingsFile.h"

#include "shell/QtText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <limits>

namespace trevallion {

namespace {

void Say(const char* text, const QString& value) {
    std::fprintf(
        stderr, "trevallion: %s\n",
        QCoreApplication::translate("SettingsFile", text).arg(value).toLocal8Bit().constData());
}

} // namespace

SettingsFile::SettingsFile(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings)) {
    if (m_settings) {
        m_settings->beginGroup(QStringLiteral("Trevallion"));
    }
}

SettingsFile::~SettingsFile() = default;

std::optional<std::int32_t> SettingsFile::ReadSetting(std::string_view name) {
    if (!m_settings) {
        const auto found = m_memory.find(name);
        return found == m_memory.end() ? std::nullopt : std::optional(found->second);
    }
    const QVariant value = m_settings->value(ToQString(name));
    bool ok = false;
    // Read wide, so that a number past the 32-bit range is refused rather than wrapped round.
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(number);
}

void SettingsFile::WriteSetting(std::string_view name, std::int32_t value) {
    if (m_settings) {
        m_settings->setValue(ToQString(name), value);
    } else {
        m_memory[std::string(name)] = value;
    }
}

QString SettingsFile::ReadText(std::string_view name) const {
    if (!m_settings) {
        const auto found = m_memoryTexts.find(name);
        return found == m_memoryTexts.end() ? QString() : found->second;
    }
    return m_settings->value(ToQString(name)).toString();
}

void SettingsFile::WriteText(std::string_view name, const QString& text) {
    if (m_settings) {
        m_settings->setValue(ToQString(name), text);
    } else {
        m_memoryTexts[std::string(name)] = text;
    }
}

std::unique_ptr<SettingsFile> OpenUserSettings(const ConfigFolder& folder) {
    if (folder.path.isEmpty()) {
        if (!folder.told) {
            Say(QT_TRANSLATE_NOOP("SettingsFile", "%1; the settings are not read or stored."),
                folder.problem);
        }
        return std::make_unique<SettingsFile>(nullptr);
    }
    const QString path = folder.path + QStringLiteral("/QMV/Trevallion.conf");
    const QFileInfo info(path);
    // QFileInfo follows links: a link to a plain file is fine, a dangling one is a new file.
    if (info.exists() && !info.isFile()) {
        Say(QT_TRANSLATE_NOOP("SettingsFile",
                              "%1 is not a plain file; the settings are not read or stored."),
            path);
        return std::make_unique<SettingsFile>(nullptr);
    }
    // Only this one file: the system-wide fallbacks QSettings would also read are no part of
    // this game's settings.
    return std::make_unique<SettingsFile>(std::make_unique<QSettings>(path, QSettings::IniFormat));
}

} // namespace trevallion
