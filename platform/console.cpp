// Reading the console, the same on every system: through the file calls on
// standard input.

#include "platform/files.h"
#include "platform/system.h"

namespace platform {

bool console_read_line(std::string& line)
{
    line.clear();
    const FileHandle input = standard_file(0);
    if (input == no_file) return false;
    bool got_any = false;
    for (;;) {
        char byte;
        std::size_t got = 0;
        if (file_read(input, &byte, 1, got) != FileError::none || got == 0) return got_any;
        got_any = true;
        if (byte == '\n') break;
        line += byte;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

}  // namespace platform
