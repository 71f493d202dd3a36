#include "process/runtime_error.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace process {

std::string_view error_message(int number)
{
    switch (number) {
    case 6772: return "not enough memory for the array";
    default: return {};
    }
}

void report_runtime_error(int number, std::string_view message, StatementKind kind,
                          std::string_view file_name)
{
    std::string report = "\r\nrun-time error ";
    report += kind == StatementKind::math ? 'M' : 'F';
    report += std::to_string(number);
    (void)file_name;
    report += "\r\n- ";
    report += message;
    report += "\r\n";
    std::fwrite(report.data(), 1, report.size(), stderr);
    std::exit(1);
}

}  // namespace process
