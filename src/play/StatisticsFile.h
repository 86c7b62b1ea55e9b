#pragma once

#include "fileio/FileError.h"
#include "play/Statistics.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace trevallion {

// Results this run has counted, in the order they came, to be added to the statistics file as
// it is when they are written: another game running meanwhile may have added its own.
struct StatisticsChanges {
    bool reset = false; // the table is emptied before the results are counted
    std::vector<std::pair<std::int32_t, LevelResult>> results;

    bool Empty() const { return !reset && results.empty(); }
    void ApplyTo(StatisticsTable& table) const;
    // These changes, then `later`.
    void Append(const StatisticsChanges& later);
};

struct StatisticsRead {
    FileError error = FileError::None; // a file that is not there yet is no error
    StatisticsTable table;
    std::optional<std::string> setAside; // where a damaged file went
};

// Reads the statistics file at `path`. One that cannot be read as a statistics file is set
// aside under a name of its own, and the table starts afresh.
StatisticsRead ReadStatisticsFile(const std::string& path);

struct StatisticsWritten {
    FileError error = FileError::None;
    StatisticsTable table;               // the file's table, as written
    std::optional<std::string> setAside; // where a damaged file went
};

// Adds `changes` to the statistics file at `path` and writes it anew. Unless the caller holds a
// lock that the other games take too, a game writing between the read and the write loses what
// it added.
StatisticsWritten AddToStatisticsFile(const std::string& path, const StatisticsChanges& changes);

} // namespace trevallion
