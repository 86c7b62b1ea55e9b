#pragma once

#include "play/KeepingPlace.h"
#include "shell/ConfigFolder.h"

namespace trevallion {

// The game's own folder in the user's data folder, trevallion under ~/.local/share or
// $XDG_DATA_HOME: made when missing, private to its owner. With no usable data folder, or when
// the name is taken by something that is no folder, the game keeps nothing and says so once on
// standard error.
class KeepingFolder final : public KeepingPlace {
  public:
    explicit KeepingFolder(ConfigFolder dataHome) : m_dataHome(std::move(dataHome)) {}

    std::optional<std::string> Folder() override;

  private:
    ConfigFolder m_dataHome;
};

} // namespace trevallion
