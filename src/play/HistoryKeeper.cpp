#include "play/HistoryKeeper.h"

#include "fileio/AtomicFile.h"
#include "fileio/FileError.h"
#include "record/RecordWriter.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>

namespace trevallion {
namespace {

void WriteHistory(const std::string& path, const std::optional<std::string>& text) {
    if (!text) {
        std::error_code ignored; // already gone is as good
        std::filesystem::remove(path, ignored);
        return;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text->data());
    if (const FileError error = WriteFileAtomically(path, std::span(bytes, text->size()));
        error != FileError::None) {
        std::fprintf(stderr, "trevallion: not kept: %s\n", FileErrorMessage(error, path).c_str());
    }
}

} // namespace

void HistoryKeeper::Open() {
    m_folder = m_place.Folder();
}

std::string HistoryKeeper::File() const {
    return *m_folder + "/" + std::string(KeptHistoryName);
}

void HistoryKeeper::Keep(const GameRecord& record) {
    if (!m_folder) {
        return;
    }
    // A level too long for a record keeps no history; the kept game still holds the position.
    const std::optional<std::string> text = WriteRecord(record);
    if (text == m_kept) {
        return;
    }
    m_kept = text;
    const std::string path = File();
    if (!m_writer.Start([path, text] { WriteHistory(path, text); })) {
        WriteHistory(path, text);
    }
}

void HistoryKeeper::Forget() {
    if (!m_folder || !m_kept) {
        return;
    }
    m_kept.reset();
    const std::string path = File();
    if (!m_writer.Start([path] { WriteHistory(path, std::nullopt); })) {
        WriteHistory(path, std::nullopt);
    }
}

std::optional<GameRecord> HistoryKeeper::Read(const KeptPosition& kept) {
    Finish();
    if (!m_folder) {
        return std::nullopt;
    }
    return ReadHistoryOfKeptGame(kept, File());
}

} // namespace trevallion
