// Messages of the errors met while reading the values of the input file:
// they name the line, the value and the text found, and say what to write
// instead, in the users' language.

#include <string>

#include "process/runtime_error.h"

namespace process {

namespace {

constexpr std::string_view utf8_byte_order_mark = "\xEF\xBB\xBF";
constexpr std::size_t shown_text_limit = 40;

bool starts_with_utf16_mark(std::string_view text)
{
    return text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
}

// UTF-16 text read byte by byte: every other byte of a digit is a zero byte.
bool looks_like_utf16(std::string_view text)
{
    return starts_with_utf16_mark(text) || text.find('\0') != std::string_view::npos;
}

// The text as it can be shown on one line: control bytes as '?', long texts
// cut.
std::string shown(std::string_view text)
{
    std::string line;
    for (const char c : text.substr(0, shown_text_limit)) {
        const auto byte = static_cast<unsigned char>(c);
        line += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    if (text.size() > shown_text_limit) line += "...";
    return line;
}

// "na linha 3 de dados.txt (tf): 'abc'"
std::string where(const ReadErrorPlace& place, std::string_view text)
{
    std::string at = "na linha " + std::to_string(place.line) + " de " + std::string(place.file_name) + " (" +
                     std::string(place.value_name) + ")";
    if (!text.empty() || place.expected != ReadValueKind::other) at += ": '" + shown(text) + "'";
    return at;
}

std::string expected_value(const ReadErrorPlace& place)
{
    const std::string name(place.value_name);
    switch (place.expected) {
    case ReadValueKind::integer:
        return name + " é um número inteiro, escrito só com algarismos (e sinal), sem ponto decimal nem expoente, "
                      "como 20";
    case ReadValueKind::real: return name + " é um número real escrito com ponto decimal, como 0.5, 100 ou 1.5e-3";
    case ReadValueKind::other: break;
    }
    return "escreva o valor de " + name + " no início da linha";
}

}  // namespace

std::string read_error_message(int number, const ReadErrorPlace& place)
{
    const std::string_view text = place.text_found;
    const std::string file(place.file_name);
    if (text.starts_with(utf8_byte_order_mark)) {
        return "marca de ordem de bytes (BOM) UTF-8 no início de " + file + ", antes do valor de " +
               std::string(place.value_name) + " na linha " + std::to_string(place.line) + ": '" +
               shown(text.substr(utf8_byte_order_mark.size())) + "'; salve " + file +
               " como texto sem BOM (ANSI, ou UTF-8 sem BOM)";
    }
    if (looks_like_utf16(text)) {
        return file + " está em texto UTF-16 (lido na linha " + std::to_string(place.line) + ", valor de " +
               std::string(place.value_name) + "); salve " + file + " como texto ANSI ou UTF-8 (sem BOM)";
    }
    switch (number) {
    case 6100:
        return "inteiro fora do intervalo " + where(place, text) + "; " + std::string(place.value_name) +
               " deve estar entre -2147483648 e 2147483647";
    case 6101: return "caractere não permitido num inteiro " + where(place, text) + "; " + expected_value(place);
    case 6102:
        return "número real grande demais " + where(place, text) +
               "; o maior valor que um real guarda é cerca de 1.8e308";
    case 6103: return "número real inválido " + where(place, text) + "; " + expected_value(place);
    case 6104: return "número real grande demais para 4 bytes " + where(place, text);
    case 6501:
        return "fim de " + file + " na linha " + std::to_string(place.line) + ", sem o valor de " +
               std::string(place.value_name) + "; " + file +
               " tem 8 valores, um por linha: N, nt, tf, theta, alpha, L, Ta, Tb";
    case 6502: return "contagem de repetição menor que 1 " + where(place, text) + "; " + expected_value(place);
    case 6503: return "segunda contagem de repetição " + where(place, text) + "; " + expected_value(place);
    case 6302: return "segundo # num inteiro com base " + where(place, text) + "; " + expected_value(place);
    case 6303: return "base de inteiro fora de 2 a 36 " + where(place, text) + "; " + expected_value(place);
    case 6504: return "valor entre aspas ou parênteses " + where(place, text) + "; " + expected_value(place);
    case 6508: return "valor longo demais " + where(place, text) + "; " + expected_value(place);
    default: break;
    }
    return std::string(error_message(number)) + " " + where(place, text);
}

}  // namespace process
