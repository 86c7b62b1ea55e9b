#include "shell/WindowBoxes.h"

#include "play/GameController.h"

#include <type_traits>

namespace trevallion {

void HandToController(GameController& controller, const WindowBoxes::BoxAnswer& answer) {
    using Boxes = WindowBoxes;
    std::visit(
        [&controller]<typename Answer>(const Answer& given) {
            if constexpr (std::is_same_v<Answer, MessageAnswer>) {
                controller.OnMessageAnswered(given);
            } else if constexpr (std::is_same_v<Answer, Boxes::WinnerBoxClosed>) {
                controller.OnWinnerBoxClosed();
            } else if constexpr (std::is_same_v<Answer, Boxes::GameFileChosen>) {
                controller.OnGameFileChosen(given.path);
            } else if constexpr (std::is_same_v<Answer, Boxes::LevelChosen>) {
                controller.OnLevelChosen(given.level);
            } else if constexpr (std::is_same_v<Answer, Boxes::WindowClosed>) {
                controller.OnWindowClosed();
            } else {
                static_assert(std::is_same_v<Answer, StatisticsAnswer>);
                controller.OnStatisticsClosed(given);
            }
        },
        answer);
}

} // namespace trevallion
