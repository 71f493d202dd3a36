#include "textio/listread/item_conversion.h"
#include "process/error_numbers.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "textio/listread/integer_conversion.h"
#include "textio/listread/real_conversion.h"

namespace textio::listread {

namespace errors = process::errors;

namespace {

template <typename Integer>
process::RuntimeError store_integer(const Token& token, void* address)
{
    if (token.mode != TokenMode::plain) return errors::token_kind_mismatch;
    std::int32_t value = 0;
    if (const process::RuntimeError error = convert_integer_text(token.view(), sizeof(Integer), value)) return error;
    *static_cast<Integer*>(address) = static_cast<Integer>(value);
    return errors::no_error;
}

// T or F, after an optional leading "."; the rest of the token is ignored.
template <typename Integer>
process::RuntimeError store_logical(const Token& token, void* address)
{
    const std::string_view text = token.view();
    const std::size_t at = !text.empty() && text[0] == '.' ? 1 : 0;
    if (at >= text.size()) return errors::bad_logical;
    Integer value = 0;
    if (text[at] == 'T' || text[at] == 't')
        value = 1;
    else if (text[at] != 'F' && text[at] != 'f')
        return errors::bad_logical;
    *static_cast<Integer*>(address) = value;
    return errors::no_error;
}

void store_character(const Token& token, void* address, std::size_t length)
{
    const std::size_t copied = std::min(length, static_cast<std::size_t>(token.length));
    std::memcpy(address, token.text, copied);
    std::memset(static_cast<char*>(address) + copied, ' ', length - copied);
}

template <typename Real>
process::RuntimeError convert_part(std::string_view text, Real& part)
{
    if (text.empty()) return errors::no_error;  // a null part keeps its value
    if constexpr (std::is_same_v<Real, float>)
        return convert_real4_text(text, part);
    else
        return convert_real8_text(text, part);
}

// "(re,im)": both parts converted before either is stored.
template <typename Real>
process::RuntimeError store_complex(const Token& token, void* address)
{
    if (token.mode != TokenMode::parenthesised) return errors::token_kind_mismatch;
    if (token.comma_pos < 0) return errors::complex_without_comma;
    Real* parts = static_cast<Real*>(address);
    Real real_part = parts[0];
    Real imaginary_part = parts[1];
    const std::string_view text = token.view();
    const auto comma = static_cast<std::size_t>(token.comma_pos);
    if (const process::RuntimeError error = convert_part(text.substr(0, comma), real_part)) return error;
    if (const process::RuntimeError error = convert_part(text.substr(comma + 1), imaginary_part)) return error;
    parts[0] = real_part;
    parts[1] = imaginary_part;
    return errors::no_error;
}

}  // namespace

process::RuntimeError store_token(const Token& token, void* address, ReadItemType type, std::size_t character_length)
{
    if (token.is_null()) return errors::no_error;
    switch (type) {
    case ReadItemType::integer1: return store_integer<std::int8_t>(token, address);
    case ReadItemType::integer2: return store_integer<std::int16_t>(token, address);
    case ReadItemType::integer4: return store_integer<std::int32_t>(token, address);
    case ReadItemType::logical1: return store_logical<std::int8_t>(token, address);
    case ReadItemType::logical2: return store_logical<std::int16_t>(token, address);
    case ReadItemType::logical4: return store_logical<std::int32_t>(token, address);
    case ReadItemType::character: store_character(token, address, character_length); return errors::no_error;
    case ReadItemType::real4:
        if (token.mode != TokenMode::plain) return errors::token_kind_mismatch;
        return convert_real4_text(token.view(), *static_cast<float*>(address));
    case ReadItemType::real8:
        if (token.mode != TokenMode::plain) return errors::token_kind_mismatch;
        return convert_real8_text(token.view(), *static_cast<double*>(address));
    case ReadItemType::complex8: return store_complex<float>(token, address);
    case ReadItemType::complex16: return store_complex<double>(token, address);
    }
    return errors::no_error;
}

}  // namespace textio::listread
