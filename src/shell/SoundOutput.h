#pragma once

#include "shell/SoundPlayer.h"

#include <string_view>

namespace trevallion {

// Where the window sends the game's sound effects, named as the game names them
// ("sounds/capture1.wav").
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;

    // Starts `file` in the background, cutting off whatever still plays.
    virtual void Play(std::string_view file) = 0;
    virtual void Stop() = 0;
};

// The game's sounds from its data folder, each read ahead from the start, so that each plays at
// once when due.
class DataFolderSounds final : public SoundOutput {
  public:
    DataFolderSounds();

    void Play(std::string_view file) override;
    void Stop() override;

  private:
    SoundPlayer m_player;
};

} // namespace trevallion
