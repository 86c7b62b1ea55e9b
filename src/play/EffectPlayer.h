#pragma once

#include "play/GameView.h"
#include "sound/SoundEffects.h"

#include <cstdint>

namespace trevallion {

// The game's sound effects as the view plays them: each effect's next file in its rotation,
// and nothing at all while sound is switched off.
class EffectPlayer {
  public:
    explicit EffectPlayer(GameView& view) : m_view(view) {}

    void SetOn(bool on) { m_on = on; }
    bool On() const { return m_on; }

    // `level` picks the order of the capture sounds.
    void Play(Effect effect, std::int32_t level) {
        if (m_on) {
            m_view.PlaySoundFile(m_chooser.NextFile(effect, level));
        }
    }

  private:
    GameView& m_view;
    SoundChooser m_chooser;
    bool m_on = true;
};

} // namespace trevallion
