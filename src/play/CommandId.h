#pragma once

namespace trevallion {

// The menu commands the game handles, by their command numbers.
enum class CommandId : int {
    Level1 = 32772,
    Level5 = 32773,
    Level10 = 32774,
    Level20 = 32788,
    Level40 = 32789,
    RestartLevel = 32787,
};

} // namespace trevallion
