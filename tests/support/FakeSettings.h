#pragma once

#include "play/SettingsStore.h"

#include <map>
#include <string>

namespace trevallion::testing {

// Stored settings in a map; a name not in it is missing.
class FakeSettings : public SettingsStore {
  public:
    std::optional<std::int32_t> ReadSetting(std::string_view name) override {
        const auto found = values.find(std::string(name));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
    void WriteSetting(std::string_view name, std::int32_t value) override {
        values[std::string(name)] = value;
    }

    std::map<std::string, std::int32_t> values;
};

} // namespace trevallion::testing
