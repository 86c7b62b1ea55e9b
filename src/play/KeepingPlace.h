#pragma once

#include <optional>
#include <string>

namespace trevallion {

// Where the game keeps its own files from one run to the next: the game in play and the results
// of the levels played. The desktop shell finds the user's data folder; tests give a scratch
// folder.
class KeepingPlace {
  public:
    virtual ~KeepingPlace() = default;

    // The folder, made when it is missing; nothing when there is no usable one, and then the game
    // keeps nothing.
    virtual std::optional<std::string> Folder() = 0;
};

// The place of a game that keeps nothing.
class NowhereToKeep final : public KeepingPlace {
  public:
    std::optional<std::string> Folder() override { return std::nullopt; }
};

} // namespace trevallion
