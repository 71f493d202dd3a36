#pragma once
// Texts of the report as Windows-1252 bytes, converted from the UTF-8 of the
// source once, at compile time: every column of the report counts one byte
// per character, and the files are read on the Windows code page.

#include <cstddef>
#include <string_view>

namespace results {

template <std::size_t Capacity>
struct Windows1252Text {
    char bytes[Capacity] = {};
    std::size_t length = 0;

    constexpr std::string_view view() const { return {bytes, length}; }
};

namespace detail {

// The code points that Windows-1252 places in 0x80..0x9F; 0 where it has none.
inline constexpr char32_t high_control_block[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

consteval unsigned char windows1252_byte(char32_t code_point)
{
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) return static_cast<unsigned char>(code_point);
    for (unsigned i = 0; i < 32; ++i)
        if (high_control_block[i] == code_point && code_point != 0) return static_cast<unsigned char>(0x80 + i);
    throw "character without a Windows-1252 byte";  // stops the compilation
}

}  // namespace detail

// windows1252("ção") is the three bytes E7 E3 6F.
template <std::size_t N>
consteval Windows1252Text<N> windows1252(const char (&utf8)[N])
{
    Windows1252Text<N> text;
    for (std::size_t i = 0; i + 1 < N;) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(utf8[at]); };
        char32_t code_point;
        std::size_t extra;
        if (byte(i) < 0x80) {
            code_point = byte(i), extra = 0;
        } else if ((byte(i) & 0xE0) == 0xC0) {
            code_point = byte(i) & 0x1F, extra = 1;
        } else if ((byte(i) & 0xF0) == 0xE0) {
            code_point = byte(i) & 0x0F, extra = 2;
        } else {
            throw "not UTF-8 text";
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            if (i + k + 1 >= N || (byte(i + k) & 0xC0) != 0x80) throw "not UTF-8 text";
            code_point = (code_point << 6) | (byte(i + k) & 0x3F);
        }
        text.bytes[text.length++] = static_cast<char>(detail::windows1252_byte(code_point));
        i += extra + 1;
    }
    return text;
}

}  // namespace results
