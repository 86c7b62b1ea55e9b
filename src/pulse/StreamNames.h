#pragma once

#include <string>

namespace trevallion {

// How the game's sound stream introduces itself to the desktop, whose volume mixer shows the
// program's name and icon beside it and may treat a game's sounds as a game's.
struct StreamNames {
    std::string application;   // "Trevallion"
    std::string applicationId; // the desktop entry's name, without ".desktop"
    std::string iconName;      // in the desktop's icon theme
    std::string role = "game"; // what kind of sound it is, as the sound server's rules know it
    std::string stream;        // what the stream plays, "Sound effects"
};

} // namespace trevallion
