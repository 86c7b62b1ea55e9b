#pragma once

#include "match/Match.h"
#include "play/GameView.h"
#include "sound/SoundEffects.h"

namespace trevallion {

// The game's sound effects as the view plays them: each effect's next file in its rotation,
// and nothing at all while sound is switched off.
class EffectPlayer {
  public:
    EffectPlayer(GameView& view, const Match& match) : m_view(view), m_match(match) {}

    void SetOn(bool on) { m_on = on; }
    bool On() const { return m_on; }

    // The level being played picks the order of the capture sounds.
    void Play(Effect effect) {
        if (m_on) {
            m_view.PlaySoundFile(m_chooser.NextFile(effect, m_match.Level()));
        }
    }

  private:
    GameView& m_view;
    const Match& m_match;
    SoundChooser m_chooser;
    bool m_on = true;
};

} // namespace trevallion
