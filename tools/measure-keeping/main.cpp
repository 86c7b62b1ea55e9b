// measure-keeping: how long keeping the game in play takes, in a folder of the disk it is given
// (the user's data folder lives on it):
//     measure-keeping [--slow-disk MS] [FOLDER]      (default: the current folder)
// First the write itself, the saved-game record replacing the kept file as the game writes it
// (a new file, flushed to the disk, then renamed over the old one). Then what a move costs the
// window's thread: the record handed to the keeper's writer thread, with the writes spaced as a
// quick player's moves are. Each is measured 200 times (30 on a slow disk); the median, the 90th
// percentile and the longest are printed in milliseconds. The files it makes are removed at the
// end. With --slow-disk, every flush to the disk takes MS milliseconds longer, as on a slow or busy
// disk: a move must still cost the window's thread no more than on a quick one.
#include "fileio/AtomicFile.h"
#include "levels/LevelLayouts.h"
#include "play/GameKeeper.h"
#include "savegame/SavedGameRecord.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <dlfcn.h>

namespace {

using namespace trevallion;
using Clock = std::chrono::steady_clock;

// Fewer on a slow disk, where each write takes long.
int rounds = 200;
// How much longer each flush takes than the disk's own.
std::chrono::milliseconds slowDisk{0};
// A quick player's moves, or a computer player's, come no closer than this.
constexpr auto BetweenMoves = std::chrono::milliseconds(100);

class ScratchPlace final : public KeepingPlace {
  public:
    explicit ScratchPlace(std::string path) : m_path(std::move(path)) {}
    std::optional<std::string> Folder() override { return m_path; }

  private:
    std::string m_path;
};

// A record of level 1 that differs in each round, so that each round writes.
RecordBytes RoundRecord(int round) {
    const SavedGameRecord record{
        SaveFormatVersion, 1 + round % 2, 0, 0, 1, 1 + round % 50, LayoutToBoard(LevelLayout(1))};
    return EncodeRecord(record);
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %7.3f ms, 90%% %7.3f ms, longest %7.3f ms\n", what, ms[ms.size() / 2],
                ms[ms.size() * 9 / 10], ms.back());
}

std::vector<double> Measure(const std::function<void(int)>& step, bool spaced) {
    std::vector<double> ms;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        step(round);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (spaced) {
            std::this_thread::sleep_for(BetweenMoves);
        }
    }
    return ms;
}

} // namespace

// The keeper's writes flush through here, this program's own fsync, which is found before the C
// library's.
extern "C" int fsync(int fd) {
    using Fsync = int (*)(int);
    static const auto real = reinterpret_cast<Fsync>(::dlsym(RTLD_NEXT, "fsync"));
    std::this_thread::sleep_for(slowDisk);
    return real(fd);
}

int main(int argc, char* argv[]) {
    int first = 1;
    if (argc > 2 && std::string_view(argv[1]) == "--slow-disk") {
        slowDisk = std::chrono::milliseconds(std::atoi(argv[2]));
        first = 3;
        rounds = 30;
    }
    const std::filesystem::path base = argc > first ? argv[first] : ".";
    const std::filesystem::path folder = base / "measure-keeping.tmp";
    std::filesystem::create_directories(folder);
    const std::string file = (folder / "game-in-play.tvx").string();

    Report("the kept game written (348 bytes + rename):",
           Measure(
               [&](int round) {
                   if (WriteFileAtomically(file, RoundRecord(round)) != FileError::None) {
                       std::fprintf(stderr, "measure-keeping: cannot write %s\n", file.c_str());
                       std::exit(1);
                   }
               },
               false));

    ScratchPlace place(folder.string());
    ThreadRunner writer;
    GameKeeper keeper(place, writer);
    keeper.Open();
    Report("a move's keeping on the window's thread:", Measure(
                                                           [&](int round) {
                                                               keeper.Keep(RoundRecord(round));
                                                               keeper.Write();
                                                           },
                                                           true));
    keeper.Finish();
    std::filesystem::remove_all(folder);
    return 0;
}
