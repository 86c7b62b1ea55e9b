#include "shell/SoundOutput.h"

#include "shell/DataFolder.h"
#include "shell/QtText.h"
#include "sound/SoundEffects.h"

namespace trevallion {

DataFolderSounds::DataFolderSounds() {
    for (const std::string_view file : AllSoundFiles()) {
        m_player.Preload(DataFilePath(ToQString(file)));
    }
}

void DataFolderSounds::Play(std::string_view file) {
    m_player.Play(DataFilePath(ToQString(file)));
}

void DataFolderSounds::Stop() {
    m_player.Stop();
}

} // namespace trevallion
