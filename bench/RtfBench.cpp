// How long the Instructions window takes to open hostile manuals. For each shape a manual of the
// given size is written to a scratch file, then loaded, shown and laid out as the window does;
// every shape runs in a child process of its own so that its peak memory is its own.
//
// Usage: rtf_bench [MEGABYTES [SHAPE...]]   (default: 4 MB, every shape)
// Prints a line per shape: the seconds to load, show and lay out all of it, the seconds per MB,
// the peak memory, and whether the window refused the manual; after a refusal, a second line for
// the largest manual of that shape that it accepts.

#include "shell/help/InstructionsDialog.h"
#include "shell/help/RtfReader.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using trevallion::InstructionsDialog;

constexpr int Refused = 3; // a child's exit status: the window refused the manual

// A manual of one shape: its head, the unit repeated to fill the size, and its tail.
struct Shape {
    const char* name;
    QByteArray head;
    std::function<QByteArray(int)> unit; // the i-th repetition
    QByteArray tail;
};

QByteArray Number(int n) {
    return QByteArray::number(n);
}

// `count` entries of a font table, each a font of its own name.
QByteArray FontTable(int count) {
    QByteArray table("{\\fonttbl");
    for (int i = 0; i < count; ++i) {
        table += "{\\f" + Number(i) + " Font" + Number(i) + ";}";
    }
    return table + "}";
}

// `count` entries of a colour table, each a colour of its own.
QByteArray ColorTable(int count) {
    QByteArray table("{\\colortbl;");
    for (int i = 0; i < count; ++i) {
        table += "\\red" + Number(i % 256) + "\\green" + Number(i / 256 % 256) + "\\blue9;";
    }
    return table + "}";
}

const char* Hex = "0123456789abcdef";

std::vector<Shape> Shapes() {
    const QByteArray rtf("{\\rtf1 ");
    return {
        {"word", rtf, [](int) { return QByteArray("A"); }, "}"},
        {"plain-word", "", [](int) { return QByteArray("A"); }, ""},
        {"words", rtf, [](int) { return QByteArray("word "); }, "}"},
        {"par", rtf, [](int) { return QByteArray("ab\\par "); }, "}"},
        {"line", rtf, [](int) { return QByteArray("ab\\line "); }, "}"},
        {"groups", rtf, [](int) { return QByteArray("{\\b a}{\\i b}"); }, "}"},
        {"tab", rtf, [](int) { return QByteArray("\\tab "); }, "}"},
        {"fs", rtf, [](int i) { return "\\fs" + Number(2 + i % 999) + " a"; }, "}"},
        {"colortbl", rtf + "{\\colortbl", [](int) { return QByteArray(";"); }, "}}"},
        {"cf", rtf + ColorTable(5000), [](int i) { return "\\cf" + Number(i % 5000) + " a"; }, "}"},
        {"fonttbl", rtf + "{\\fonttbl",
         [](int i) { return "{\\f" + Number(i) + " F" + Number(i) + ";}"; }, "}}"},
        {"f", rtf + FontTable(5000), [](int i) { return "\\f" + Number(i % 5000) + " a"; }, "}"},
        {"deep", rtf, [](int) { return QByteArray("{"); }, ""},
        {"brace-pairs", rtf, [](int) { return QByteArray("{a}"); }, "}"},
        {"u", rtf, [](int i) { return "\\u" + Number(0x4E00 + i % 20000) + "?"; }, "}"},
        {"hex", rtf, [](int i) { return QByteArray("\\'") + Hex[8 + i % 8] + Hex[i % 16]; }, "}"},
        {"big-font", rtf + "\\fs1000 ", [](int) { return QByteArray("A"); }, "}"},
        {"pard", rtf, [](int i) { return "\\pard\\li" + Number(i % 5000) + " a\\par "; }, "}"},
    };
}

QByteArray Build(const Shape& shape, qsizetype size) {
    QByteArray bytes = shape.head;
    bytes.reserve(size + 64);
    for (int i = 0; bytes.size() + shape.tail.size() < size; ++i) {
        bytes += shape.unit(i);
    }
    bytes.truncate(std::max<qsizetype>(size - shape.tail.size(), 0));
    return bytes + shape.tail;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool Accepted(const Shape& shape, qsizetype size) {
    QTextDocument document;
    return trevallion::ReadRtf(Build(shape, size), document) != trevallion::RtfInput::TooLong;
}

// The size of the largest manual of this shape, to 64 bytes and up to `size`, that the reader
// takes in rather than refuses as holding too much.
qsizetype LargestAccepted(const Shape& shape, qsizetype size) {
    if (Accepted(shape, size)) {
        return size;
    }
    qsizetype accepted = 0;
    while (size - accepted > 64) {
        const qsizetype middle = accepted + (size - accepted) / 2;
        (Accepted(shape, middle) ? accepted : size) = middle;
    }
    return accepted;
}

// Runs in the child: opens the manual as the window does and prints the figures. Prints
// "refused" when the window refuses it.
int Measure(const Shape& shape, qsizetype size, bool largestAccepted) {
    int argc = 1;
    char name[] = "rtf_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    if (largestAccepted) {
        size = LargestAccepted(shape, size);
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("manual.rtf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Build(shape, size)) != size) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();

    InstructionsDialog dialog;
    auto start = std::chrono::steady_clock::now();
    const QString error = dialog.Load(path);
    const double load = SecondsSince(start);
    start = std::chrono::steady_clock::now();
    dialog.show(); // shown, the view wraps the text to its width and paints its first page
    QApplication::processEvents();
    const double open = SecondsSince(start);
    start = std::chrono::steady_clock::now();
    dialog.ShowSection(QString()); // as a section button, lays all of the manual out
    QApplication::processEvents();
    const double layout = SecondsSince(start);

    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const double megabytes = static_cast<double>(size) / (1024 * 1024);
    std::printf("%-12s %7.0f KB  load %6.3f s  show %6.3f s  layout %6.3f s  %7.3f s/MB  "
                "peak %5.0f MB%s\n",
                shape.name, megabytes * 1024, load, open, layout,
                (load + open + layout) / megabytes, static_cast<double>(usage.ru_maxrss) / 1024,
                error.isEmpty() ? "" : "  refused");
    return error.isEmpty() ? 0 : Refused;
}

// Measures in a child process of its own; false when the measurement failed.
bool MeasureApart(const Shape& shape, qsizetype size, bool largestAccepted, bool& refused) {
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        const int status = Measure(shape, size, largestAccepted);
        std::fflush(stdout);
        std::_Exit(status);
    }
    int status = 0;
    const bool exited = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status);
    refused = exited && WEXITSTATUS(status) == Refused;
    return exited && (WEXITSTATUS(status) == 0 || refused);
}

} // namespace

// For each shape, the figures at the given size and, when the window refuses that, at the
// largest size it accepts.
int main(int argc, char** argv) {
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 4.0;
    if (!(megabytes > 0)) {
        std::fprintf(stderr, "usage: rtf_bench [MEGABYTES [SHAPE...]]\n");
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::vector<std::string> wanted(argv + std::min(argc, 2), argv + argc);
    int failures = 0;
    for (const Shape& shape : Shapes()) {
        if (!wanted.empty() &&
            std::find(wanted.begin(), wanted.end(), shape.name) == wanted.end()) {
            continue;
        }
        const auto size = static_cast<qsizetype>(megabytes * 1024 * 1024);
        bool refused = false;
        if (!MeasureApart(shape, size, false, refused) ||
            (refused && !MeasureApart(shape, size, true, refused))) {
            std::fprintf(stderr, "%s: the measurement failed\n", shape.name);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
