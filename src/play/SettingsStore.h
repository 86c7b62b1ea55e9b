#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace trevallion {

// The program's stored integer settings, kept by name from one run to the next.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored value; nothing when it is missing or is not a whole number in the 32-bit range,
    // so that the caller's fallback applies.
    virtual std::optional<std::int32_t> ReadSetting(std::string_view name) = 0;

    virtual void WriteSetting(std::string_view name, std::int32_t value) = 0;
};

} // namespace trevallion
