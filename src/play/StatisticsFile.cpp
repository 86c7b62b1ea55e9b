#include "play/StatisticsFile.h"

#include "fileio/AtomicFile.h"
#include "fileio/DamagedFile.h"
#include "fileio/PlainFile.h"

#include <span>

namespace trevallion {
namespace {

// Far more than a line for each of 255 levels and 6 pairings: anything longer is no statistics.
constexpr std::size_t StatisticsLimit = 1 << 20;

} // namespace

void StatisticsChanges::ApplyTo(StatisticsTable& table) const {
    if (reset) {
        table.clear();
    }
    for (const auto& [level, result] : results) {
        CountResult(table, level, result);
    }
}

void StatisticsChanges::Append(const StatisticsChanges& later) {
    if (later.reset) {
        *this = later;
        return;
    }
    results.insert(results.end(), later.results.begin(), later.results.end());
}

StatisticsRead ReadStatisticsFile(const std::string& path) {
    const PlainFileRead read = ReadPlainFile(path, StatisticsLimit);
    if (read.error == FileError::NotFound) {
        return {};
    }
    // Unreadable but maybe sound: it is left as it is.
    if (read.error != FileError::None && read.error != FileError::NotPlainFile) {
        return {read.error, {}, {}};
    }
    if (read.error == FileError::None && !read.longer) {
        if (auto table = DecodeStatistics(
                {reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size()})) {
            return {FileError::None, std::move(*table), {}};
        }
    }
    const SetAsideResult aside = SetDamagedFileAside(path);
    if (aside.error != FileError::None) {
        return {aside.error, {}, {}};
    }
    return {FileError::None, {}, aside.aside};
}

StatisticsWritten AddToStatisticsFile(const std::string& path, const StatisticsChanges& changes) {
    StatisticsRead read;
    if (!changes.reset) {
        read = ReadStatisticsFile(path);
        if (read.error != FileError::None) {
            return {read.error, {}, {}};
        }
    }
    changes.ApplyTo(read.table);
    const std::string text = EncodeStatistics(read.table);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return {WriteFileAtomically(path, std::span(bytes, text.size())), std::move(read.table),
            std::move(read.setAside)};
}

} // namespace trevallion
