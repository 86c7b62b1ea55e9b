// measure-sound: plays the game's sounds through SoundPlayer on a private PulseAudio server with
// a null sink, records the sink's monitor and reports, for every Play, whether its sound was heard
// and how long after the call it began. Run it from the top of a build tree, which holds
// "sounds/*.wav":
//     tools/measure-sound/measure-sound levels|game|restart
// "levels" is ten level commands 4 s apart; "game" a game's mix of sounds, some cut off early,
// the last by Stop; "restart" stops the sound server for 5 s, later for 0.3 s, and leaves the
// output idle for 12 s.
// Onsets are dated by when the recording arrives, and the null sink renders up to its latency
// (some 10 ms) ahead, so a sound that starts at once can show a small negative onset. Needs
// pulseaudio and parec; exits with 1 when a sound went unheard, began later than 150 ms or, once
// begun, fell silent for 10 ms or more before its end or the next step.
#include "shell/SoundPlayer.h"
#include "sound/SoundEffects.h"
#include "sound/WaveFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <sys/prctl.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <optional>
#include <vector>

using namespace trevallion;

namespace {

constexpr int Rate = 22050;            // of the game's sounds and of the recording
constexpr int MatchFrames = Rate / 50; // 20 ms of a sound's opening identify it
constexpr float Loud = 300.0f / 32768; // where a sound's opening is taken to begin
constexpr double MaxOnsetMs = 150;

// One step of a scenario: play a sound, then wait `gapMs` before the next step; or, with an
// empty name, stop the sound server for `gapMs` and start it again.
struct Step {
    QString sound;
    int gapMs = 0;
};

std::vector<Step> Scenario(const QString& name) {
    if (name == "levels") {
        std::vector<Step> steps;
        for (int i = 0; i < 10; ++i) {
            steps.push_back({QStringLiteral("ambient%1").arg(i % 3 + 1), 4000});
        }
        return steps;
    }
    if (name == "game") {
        return {{"startup", 1200},  {"ambient1", 3000}, {"capture1", 900}, {"capture2", 150},
                {"capture3", 700},  {"win1", 2500},     {"ambient2", 400}, {"capture5", 600},
                {"capture6", 1000}, {"lose1", 2000},    {"qmv", 800},      {"instructions", 600},
                {"ambient3", 3000}, {"capture4", 500},  {"win2", 2000},    {"ambient1", 800}};
    }
    if (name == "restart") {
        return {{"ambient1", 3000}, {"capture1", 1000}, {"", 5000},         {"capture2", 1000},
                {"win1", 2500},     {"ambient2", 3000}, {"capture3", 4000}, {"capture4", 12000},
                {"", 300},          {"capture5", 1500}, {"lose1", 2000}};
    }
    return {};
}

// The opening of a sound: its first frames, far enough to find it by even when the recording
// misses its first milliseconds. (A sound server that mixes a new stream into what its sink has
// already rendered passes the monitor only what is still to come.)
constexpr int OpeningFrames = Rate / 10;

// A sound's samples, by which its opening is found and what follows is checked for gaps.
std::optional<std::vector<float>> SamplesOf(const QString& file) {
    std::optional<DecodedSound> sound = LoadWave(QFile::encodeName(file).toStdString());
    if (!sound || sound->channels != 1 || sound->sampleRate != Rate ||
        sound->samples.size() < OpeningFrames + MatchFrames) {
        return std::nullopt;
    }
    return std::move(sound->samples);
}

// What the sink played while one recorder ran.
struct Recording {
    double startMs = 1e18; // when its first sample sounded
    std::vector<float> samples;

    // When the sound that opens with `opening` began, if it sounded between the two times.
    std::optional<double> Find(const std::vector<float>& opening, double fromMs,
                               double untilMs) const {
        const auto frameAt = [this](double ms) {
            return static_cast<std::ptrdiff_t>(std::max(0.0, (ms - startMs) * Rate / 1000));
        };
        const std::ptrdiff_t last = std::min<std::ptrdiff_t>(
            frameAt(untilMs), static_cast<std::ptrdiff_t>(samples.size()) - MatchFrames);
        for (std::ptrdiff_t at = frameAt(fromMs); at < last; ++at) {
            if (std::abs(samples[at]) <= Loud) {
                continue;
            }
            for (int skipped = 0; skipped < OpeningFrames; ++skipped) {
                if (std::abs(opening[skipped]) > Loud && Matches(opening, skipped, at)) {
                    return startMs + 1000.0 * static_cast<double>(at - skipped) / Rate;
                }
            }
        }
        return std::nullopt;
    }

    // How many milliseconds of `sound`, begun at `beganMs`, went missing before `untilMs`: the
    // 10 ms stretches where the sound is loud and the recording is near silent.
    int GapMs(const std::vector<float>& sound, double beganMs, double untilMs) const {
        constexpr int Stretch = Rate / 100;
        const auto first = static_cast<std::ptrdiff_t>((beganMs - startMs) * Rate / 1000);
        const auto heard = static_cast<std::ptrdiff_t>((untilMs - beganMs - 20) * Rate / 1000);
        int gaps = 0;
        for (std::ptrdiff_t at = 0;
             at + Stretch <=
             std::min<std::ptrdiff_t>(heard, static_cast<std::ptrdiff_t>(sound.size()));
             at += Stretch) {
            double played = 0, recorded = 0;
            for (std::ptrdiff_t i = at; i < at + Stretch; ++i) {
                played += sound[i] * sound[i];
                const std::ptrdiff_t r = first + i;
                const float sample = r >= 0 && r < std::ssize(samples) ? samples[r] : 0.0f;
                recorded += sample * sample;
            }
            gaps += played > Stretch * Loud * Loud && recorded < 0.1 * played ? 10 : 0;
        }
        return gaps;
    }

    // Whether the recording from `at` on is the sound from `from` on, at full volume.
    bool Matches(const std::vector<float>& sound, int from, std::ptrdiff_t at) const {
        double both = 0, recorded = 0, expected = 0;
        for (int i = 0; i < MatchFrames; ++i) {
            both += samples[at + i] * sound[from + i];
            recorded += samples[at + i] * samples[at + i];
            expected += sound[from + i] * sound[from + i];
        }
        return both > 0.9 * std::sqrt(recorded * expected) && recorded > 0.7 * expected &&
               recorded < 1.4 * expected;
    }
};

double Now(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

void Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A private sound server with a null sink named "out", and a recorder of what that sink plays.
class NullSinkServer {
  public:
    NullSinkServer(const QString& folder, const QElapsedTimer& clock)
        : m_socket(folder + "/native"), m_clock(clock) {
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH"}) {
            qputenv(name, QFile::encodeName(folder));
        }
        qputenv("PULSE_SERVER", QFile::encodeName("unix:" + m_socket));
        QObject::connect(&m_recorder, &QProcess::readyReadStandardOutput, [this] { Record(); });
    }

    bool Start() {
        QFile::remove(m_socket);
        Launch(m_server,
               "pulseaudio -n --daemonize=no --exit-idle-time=-1 -L \"module-null-sink "
               "sink_name=out rate=22050 channels=1\" -L \"module-native-protocol-unix socket=" +
                   m_socket + "\"");
        for (int i = 0; i < 100 && !QFileInfo::exists(m_socket); ++i) {
            QThread::msleep(50);
        }
        m_recordings.emplace_back();
        Launch(m_recorder, "parec -d out.monitor --raw --format=float32le --rate=22050 "
                           "--channels=1 --latency-msec=10");
        // The recorder's first samples come once it has connected; sounds before are lost.
        for (int i = 0; i < 100 && m_recordings.back().samples.empty(); ++i) {
            Wait(50);
        }
        return !m_recordings.back().samples.empty();
    }

    void Kill() {
        for (QProcess* process : {&m_recorder, &m_server}) {
            process->kill();
            process->waitForFinished();
        }
    }

    const std::vector<Recording>& Recordings() const { return m_recordings; }

  private:
    static void Launch(QProcess& process, const QString& command) {
        process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
        process.startCommand(command);
    }

    void Record() {
        Recording& now = m_recordings.back();
        m_pending += m_recorder.readAllStandardOutput();
        const qsizetype whole = m_pending.size() / 4 * 4;
        const auto* floats = reinterpret_cast<const float*>(m_pending.constData());
        now.samples.insert(now.samples.end(), floats, floats + whole / 4);
        m_pending.remove(0, whole);
        // A sample arrives after it sounded, so the earliest arrival dates them all best.
        now.startMs = std::min(now.startMs, Now(m_clock) - 1000.0 * now.samples.size() / Rate);
    }

    QString m_socket;
    const QElapsedTimer& m_clock;
    QProcess m_server;
    QProcess m_recorder;
    QByteArray m_pending;
    std::vector<Recording> m_recordings;
};

struct Played {
    QString sound;
    double atMs = 0;
    double callMs = 0; // how long Play held the caller
    double untilMs = 0;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::vector<Step> steps = Scenario(app.arguments().value(1));
    QTemporaryDir folder;
    if (steps.empty() || !folder.isValid()) {
        std::fprintf(stderr, "usage: measure-sound levels|game|restart (from a build tree)\n");
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    NullSinkServer server(folder.path(), clock);
    if (!server.Start()) {
        std::fprintf(stderr, "measure-sound: no PulseAudio server or parec\n");
        return 2;
    }
    int beeps = 0;
    SoundPlayer player([&beeps] { ++beeps; });
    for (const std::string_view file : AllSoundFiles()) { // as the game does at start-up
        player.Preload(QString::fromUtf8(file.data(), static_cast<qsizetype>(file.size())));
    }
    std::vector<Played> played;
    for (const Step& step : steps) {
        if (!played.empty()) {
            played.back().untilMs = Now(clock);
        }
        if (step.sound.isEmpty()) {
            std::printf("-- sound server restarted\n");
            server.Kill();
            Wait(step.gapMs);
            server.Start();
            continue;
        } else {
            const double at = Now(clock);
            player.Play("sounds/" + step.sound + ".wav");
            played.push_back({step.sound, at, Now(clock) - at, 0});
        }
        Wait(step.gapMs);
    }
    played.back().untilMs = Now(clock);
    const double stoppedMs = Now(clock);
    player.Stop();
    Wait(500);
    server.Kill();

    std::vector<double> onsets;
    double longestCall = 0;
    int gapMs = 0;
    std::printf("%-14s %8s %10s %8s\n", "sound", "call ms", "onset ms", "gaps ms");
    for (const Played& play : played) {
        const auto sound = SamplesOf("sounds/" + play.sound + ".wav");
        std::optional<double> onset;
        int gaps = 0;
        for (const Recording& recording : server.Recordings()) {
            if (sound && !onset) {
                onset = recording.Find(*sound, play.atMs - 20, play.untilMs);
                gaps = onset ? recording.GapMs(*sound, *onset, play.untilMs) : 0;
            }
        }
        longestCall = std::max(longestCall, play.callMs);
        if (onset) {
            onsets.push_back(*onset - play.atMs);
            gapMs += gaps;
            std::printf("%-14s %8.1f %10.1f %8d\n", qPrintable(play.sound), play.callMs,
                        onsets.back(), gaps);
        } else {
            std::printf("%-14s %8.1f    unheard\n", qPrintable(play.sound), play.callMs);
        }
    }
    std::sort(onsets.begin(), onsets.end());
    const double median = onsets.empty() ? 0 : onsets[onsets.size() / 2];
    const double worst = onsets.empty() ? 0 : onsets.back();
    const Recording& last = server.Recordings().back();
    const auto loud = std::find_if(last.samples.rbegin(), last.samples.rend(),
                                   [](float sample) { return std::abs(sample) > Loud; });
    if (loud != last.samples.rend()) {
        const double lastLoudMs =
            last.startMs + 1000.0 * static_cast<double>(last.samples.rend() - loud) / Rate;
        if (lastLoudMs > stoppedMs) {
            std::printf("last sound heard until %.1f ms after Stop\n", lastLoudMs - stoppedMs);
        }
    }
    std::printf("heard %zu of %zu; onset median %.1f ms, max %.1f ms; gaps %d ms; longest Play "
                "%.1f ms; beeps %d\n",
                onsets.size(), played.size(), median, worst, gapMs, longestCall, beeps);
    return onsets.size() == played.size() && worst <= MaxOnsetMs && gapMs == 0 ? 0 : 1;
}
