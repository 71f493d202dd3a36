#pragma once
// Names of parameterised cases made from file names: "temp.dat" gives
// "temp_dat" (test names hold letters, digits and underscores only).

#include <string>

namespace testing_support {

inline std::string name_of_file_case(std::string file_name)
{
    for (char& c : file_name)
        if (c == '.') c = '_';
    return file_name;
}

}  // namespace testing_support
