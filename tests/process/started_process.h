#pragma once
// Runs a main program through the real start-up in a child process.

#include <functional>
#include <string>
#include <vector>

#include "process/startup.h"
#include "support/child_process.h"
#include "textio/units/unit.h"

namespace testing_support {

inline std::function<void()>& started_program()
{
    static std::function<void()> body;
    return body;
}

inline void started_program_body() { started_program()(); }

// The child runs start-up with `arguments` after the program name.
inline ChildOutcome run_started_program(std::function<void()> body, std::vector<std::string> arguments = {},
                                        const std::string& input = {})
{
    return run_in_child(
        [&] {
            started_program() = std::move(body);
            std::vector<char*> argv;
            static char name[] = "difusao1d";
            argv.push_back(name);
            for (std::string& argument : arguments) argv.push_back(argument.data());
            argv.push_back(nullptr);
            process::start_up(static_cast<int>(argv.size() - 1), argv.data(), &textio::units_initialise,
                              &started_program_body);
        },
        input);
}

}  // namespace testing_support
