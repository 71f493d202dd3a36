#pragma once
// The field as the record writer lays it out: the text right-justified in
// w, or w asterisks when it is longer or an overflow result.

#include <string>

#include "textio/render/render.h"

inline std::string justified(const char* text, int length, int w)
{
    if (length < 0 || length > w) return std::string(static_cast<size_t>(w), '*');
    return std::string(static_cast<size_t>(w - length), ' ') + std::string(text, static_cast<size_t>(length));
}

inline textio::EditState item_of(std::uint8_t code, int w, int d = 1, int scale = 0, int e = 2,
                                 std::uint8_t sub_code = textio::extended_none)
{
    textio::EditState item;
    item.code = code;
    item.sub_code = sub_code;
    item.w = w;
    item.d = d;
    item.e = e;
    item.scale = scale;
    return item;
}

inline std::string real_field(double value, const textio::EditState& item)
{
    char text[textio::field_buffer_size + 8];
    return justified(text, textio::render_real(value, item, text), item.w);
}

inline std::string justified(const textio::IntegerText& text, int w)
{
    const std::string whole = std::string(text.sign != 0 ? 1 : 0, text.sign) +
                              std::string(static_cast<size_t>(text.zeros), '0') +
                              std::string(text.first_digit(), static_cast<size_t>(text.count));
    return justified(whole.data(), static_cast<int>(whole.size()), w);
}

inline std::string integer_field(std::int32_t value, const textio::EditState& item)
{
    return justified(textio::render_integer(value, item), item.w);
}

inline std::string real_bits_field(double value, const textio::EditState& item)
{
    return justified(textio::render_real_bits(value, item), item.w);
}
