#pragma once
// Bytes put on a unit outside a write statement, through a writer of their
// own, as the record writer puts them.

#include <cstddef>

#include "textio/units/unit.h"

namespace testing_support {

// `count` blanks, put as the blanks in front of a field are.
inline void put_blanks(textio::Unit& unit, std::size_t count)
{
    textio::UnitWriter writer;
    writer.begin(unit);
    writer.put_repeated(' ', count);
    writer.end();
}

}  // namespace testing_support
