#pragma once

#include "play/KeepingPlace.h"

namespace trevallion::testing {

// The folder a test names, or none: then the game keeps nothing.
class FakePlace : public KeepingPlace {
  public:
    std::optional<std::string> Folder() override { return folder; }

    std::optional<std::string> folder;
};

} // namespace trevallion::testing
