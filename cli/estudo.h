#pragma once
// What the two studies share: the case read as a run reads it, the texts of
// the console, and the write statements of their files.

#include <cstdint>
#include <string>
#include <string_view>

namespace cli {

inline constexpr int sucesso = 0;
inline constexpr int falha = 1;

// Texts of the program (UTF-8) to standard output and standard error.
void saida(std::string_view texto);
void erro(std::string_view texto);

// Reads "dados.txt" exactly as a run reads it, without the editor: a
// reading error ends the program with the run's report. Sets pi and, on a
// terminal, shows the run's hints (decimal commas, an unstable explicit
// part) and explains a run-time error as the run does. False, after a
// message, when there is no "dados.txt" (which a run would create empty).
bool ler_caso(std::string_view opcao);

// A UTF-8 text of the Latin-1 range as Windows-1252 bytes, and back.
std::string para_windows1252(std::string_view utf8);
std::string de_windows1252(std::string_view bytes);

// One record holding `utf8`, written on `unidade` through a write statement
// whose record format is that text as a quoted literal.
void escrever_linha(int unidade, std::string_view utf8);

// The file holds exactly `bytes`, made or replaced; false after a message.
bool gravar_arquivo(const std::string& nome, std::string_view bytes);

// The lines of the shipped convergencia.gnu that choose where to draw: a PNG
// file always and, where there is a screen, also a window that stays open
// until closed (they define terminal_png, terminal_janela and interativo).
std::string_view escolha_do_terminal();

// A real with 17 significant digits, correctly rounded: it reads back as
// the same double.
std::string real_exato(double valor);
// A real with `algarismos` significant digits, for texts.
std::string real_curto(double valor, int algarismos = 6);

}  // namespace cli
