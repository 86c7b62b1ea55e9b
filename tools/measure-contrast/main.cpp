// measure-contrast: draws the board's tiles offscreen in each look and prints, for each, the mean
// grey (0 black .. 255 white) of each side's piece pixels and the difference between the two:
//     QT_QPA_PLATFORM=offscreen tools/measure-contrast/measure-contrast
// A greyscale picture tells the sides apart at a glance when the difference is large.
#include "shell/SideContrast.h"

#include <QGuiApplication>

#include <cstdio>

using namespace trevallion;

int main(int argc, char* argv[]) {
    const QGuiApplication app(argc, argv);
    struct Named {
        const char* name;
        BoardLook look;
    };
    const Named looks[] = {
        {"light", {}},
        {"dark", {.dark = true}},
        {"high contrast", {.highContrast = true}},
        {"dark high contrast", {.dark = true, .highContrast = true}},
    };
    std::printf("%-20s %10s %10s %10s\n", "look", "Player 1", "Player 2", "difference");
    for (const Named& named : looks) {
        const SideGreys greys = MeasureSideGreys(named.look);
        std::printf("%-20s %10.1f %10.1f %10.1f\n", named.name, greys.playerOne, greys.playerTwo,
                    greys.Separation());
    }
    return 0;
}
