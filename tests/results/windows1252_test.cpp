// The report's texts become one Windows-1252 byte per character at compile
// time, so that every column of a record format counts bytes and characters
// alike.

#include <gtest/gtest.h>

#include "results/windows1252.h"

namespace {

using results::windows1252;

TEST(Windows1252, PortugueseLettersAndSymbolsBecomeSingleBytes)
{
    constexpr auto text = windows1252("Solução numérica [°C] à média €");
    EXPECT_EQ(text.view(), "Solu\xE7\xE3o num\xE9rica [\xB0"
                           "C] \xE0 m\xE9"
                           "dia \x80");
}

TEST(Windows1252, AsciiPassesUnchanged)
{
    constexpr auto text = windows1252("(I5,4(1P,E25.15))");
    EXPECT_EQ(text.view(), "(I5,4(1P,E25.15))");
    EXPECT_EQ(text.length, 17u);
}

TEST(Windows1252, ColumnsOfAHeaderCountOneBytePerCharacter)
{
    // "Posição [m]" is 11 characters: it must also be 11 bytes.
    constexpr auto text = windows1252("Posição [m]");
    EXPECT_EQ(text.length, 11u);
}

}  // namespace
