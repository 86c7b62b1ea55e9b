#include "BoardFile.h"

#include "MessageText.h"
#include "fileio/PlainFile.h"

#include <unistd.h>

namespace trevallion {

BoardFileText ReadBoardFile(const std::string& file) {
    BoardFileText result;
    const bool standardInput = file == "-";
    const std::string name = standardInput ? "standard input" : Escaped(file);
    const PlainFileRead read = standardInput ? ReadDescriptor(STDIN_FILENO, MaxBoardFileBytes)
                                             : ReadPlainFile(file, MaxBoardFileBytes);
    if (read.error == FileError::NotPlainFile) {
        result.error = name + " is not a plain file";
    } else if (read.error != FileError::None) {
        result.error = FileErrorMessage(read.error, name);
    } else if (read.longer) {
        result.error = name + " is longer than a board file can be (" +
                       std::to_string(MaxBoardFileBytes) + " bytes)";
    } else {
        result.text.assign(read.bytes.begin(), read.bytes.end());
    }
    return result;
}

} // namespace trevallion
