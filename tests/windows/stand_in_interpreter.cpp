// A stand-in for the command interpreter, started by the program under test
// as COMSPEC (or as the cmd.exe beside it). It logs its whole command line
// and plays the user:
//
//   STAND_IN_LOG    the log file, one command line per line (default
//                   "interpreter.log" in the current folder);
//   STAND_IN_DADOS  for "notepad dados.txt": a file whose bytes the user
//                   types into dados.txt;
//   STAND_IN_EXIT   the exit status of the viewers (wgnuplot, notepad of the
//                   report); 0 when unset;
//   STAND_IN_CHECK  when set, the first viewer checks that the three output
//                   files are closed (it opens each without sharing) and
//                   copies them into the folder "seen_by_viewer".

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string variable(const char* name)
{
    char value[1024];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

void append(const std::string& file, const std::string& text)
{
    if (FILE* log = std::fopen(file.c_str(), "ab")) {
        std::fwrite(text.data(), 1, text.size(), log);
        std::fclose(log);
    }
}

// Opens the file with no sharing: fails while the program still holds it.
void check_closed_and_copy(const char* name, const std::string& log)
{
    const HANDLE file = CreateFileA(name, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        append(log, std::string("held open: ") + name + "\n");
        return;
    }
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    CreateDirectoryA("seen_by_viewer", nullptr);
    if (FILE* copy = std::fopen((std::string("seen_by_viewer\\") + name).c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), copy);
        std::fclose(copy);
    }
}

}  // namespace

int main()
{
    const std::string line = GetCommandLineA();
    std::string log = variable("STAND_IN_LOG");
    if (log.empty()) log = "interpreter.log";
    append(log, line + "\n");

    const std::size_t switch_at = line.find(" /c ");
    const std::string command = switch_at == std::string::npos ? std::string() : line.substr(switch_at + 4);
    if (command == "notepad dados.txt") {
        const std::string dados = variable("STAND_IN_DADOS");
        if (!dados.empty() && !CopyFileA(dados.c_str(), "dados.txt", FALSE)) return 90;
        return 0;
    }
    if (command.rfind("wgnuplot ", 0) == 0 || command == "notepad saida.txt") {
        if (command == "wgnuplot temp.gnu" && !variable("STAND_IN_CHECK").empty())
            for (const char* name : {"saida.txt", "temp.dat", "temp_med.dat"}) check_closed_and_copy(name, log);
        return std::atoi(variable("STAND_IN_EXIT").c_str());
    }
    return 0;
}
