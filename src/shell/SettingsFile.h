#pragma once

#include "play/SettingsStore.h"
#include "shell/ConfigFolder.h"

#include <QString>

#include <map>
#include <memory>
#include <string>

class QSettings;

namespace trevallion {

// The program's settings in an INI file, in its group "Trevallion"; or, when there is no file
// to keep them in, in memory for this run only.
class SettingsFile final : public SettingsStore {
  public:
    // Keeps the settings in `settings`; with none, keeps them in memory.
    explicit SettingsFile(std::unique_ptr<QSettings> settings);
    ~SettingsFile() override;

    std::optional<std::int32_t> ReadSetting(std::string_view name) override;
    void WriteSetting(std::string_view name, std::int32_t value) override;

    // The window's own settings that are text, such as a folder; empty when missing.
    QString ReadText(std::string_view name) const;
    void WriteText(std::string_view name, const QString& text);

  private:
    std::unique_ptr<QSettings> m_settings;
    std::map<std::string, std::int32_t, std::less<>> m_memory;
    std::map<std::string, QString, std::less<>> m_memoryTexts;
};

// The user's settings, QMV/Trevallion.conf in the configuration folder (~/.config). With no
// folder, or when the path exists but is not a plain file once links are followed (a device, a
// pipe, a folder), the game runs on its defaults, keeps nothing, and says so once on standard
// error: reading a pipe would hang and writing would replace a device.
std::unique_ptr<SettingsFile> OpenUserSettings(const ConfigFolder& folder);

} // namespace trevallion
