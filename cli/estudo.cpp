// What the two studies share.

#include "cli/estudo.h"

#include <charconv>
#include <cstdio>
#include <vector>

#include "cli/cli.h"
#include "driver/driver.h"
#include "numerics/numerics.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/terminal.h"
#include "process/math_functions.h"
#include "process/runtime_error.h"
#include "textio/textio.h"

namespace cli {

void saida(std::string_view texto) { platform::console_write_text(texto); }
void erro(std::string_view texto) { platform::standard_error_write_text(texto); }

bool ler_caso(std::string_view opcao)
{
    if (!platform::file_exists(driver::arquivo_de_dados)) {
        erro("difusao1d: não há dados.txt nesta pasta; difusao1d --exemplo grava um exemplo comentado, e " +
             std::string(opcao) + " o calcula\n");
        return false;
    }
    driver::ler_dados();
    driver::state.pi = numerics::valor_de_pi();
    if (platform::standard_error_is_terminal()) avisar_no_terminal();
    process::set_runtime_error_explainer(&explicar_erro);
    return true;
}

std::string para_windows1252(std::string_view utf8)
{
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        // Two-byte forms C2 and C3 hold U+0080..U+00FF, the same bytes in
        // Windows-1252 from A0 up; the studies write nothing else.
        if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            bytes += static_cast<char>(((c & 0x03u) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu));
        } else {
            bytes += static_cast<char>(c);
        }
    }
    return bytes;
}

std::string de_windows1252(std::string_view bytes)
{
    std::string utf8;
    for (const char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        if (c < 0x80) {
            utf8 += b;
        } else {
            utf8 += static_cast<char>(0xC0u | (c >> 6));
            utf8 += static_cast<char>(0x80u | (c & 0x3Fu));
        }
    }
    return utf8;
}

void escrever_linha(int unidade, std::string_view utf8)
{
    std::string formato = "('";
    for (const char c : para_windows1252(utf8)) formato += c == '\'' ? std::string("''") : std::string(1, c);
    formato += "')";
    textio::format_write_begin(unidade, formato.data(), static_cast<int>(formato.size()), 0);
    textio::format_write_end();
}

bool gravar_arquivo(const std::string& nome, std::string_view bytes)
{
    platform::FileHandle arquivo = platform::no_file;
    platform::FileError falhou =
        platform::file_open(nome, platform::FileAccess::write, platform::FileCreation::open_existing, arquivo);
    if (falhou == platform::FileError::not_found)
        falhou = platform::file_open(nome, platform::FileAccess::write, platform::FileCreation::create_new, arquivo);
    else if (falhou == platform::FileError::none)
        falhou = platform::file_set_size(arquivo, 0);
    if (falhou == platform::FileError::none) {
        std::size_t escritos = 0;
        falhou = platform::file_write(arquivo, bytes.data(), bytes.size(), escritos);
    }
    if (arquivo != platform::no_file) platform::file_close(arquivo);
    if (falhou == platform::FileError::none) return true;
    erro("difusao1d: não foi possível gravar " + nome + ": " + platform::last_system_error_text() + "\n");
    return false;
}

std::string_view escolha_do_terminal()
{
    for (const ArquivoDeExemplo& arquivo : arquivos_de_exemplo()) {
        if (std::string_view(arquivo.nome) != "convergencia.gnu") continue;
        const std::string_view texto = arquivo.conteudo;
        const std::size_t inicio = texto.find("janela = ''");
        const std::size_t fim = texto.find("# Fim de onde desenhar.");
        if (inicio != std::string_view::npos && fim != std::string_view::npos && inicio < fim)
            return texto.substr(inicio, fim - inicio);
    }
    return {};
}

std::string real_exato(double valor)
{
    char texto[32];
    const std::to_chars_result fim =
        std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::scientific, 16);
    return std::string(texto, fim.ptr);
}

std::string real_curto(double valor, int algarismos)
{
    char texto[40];
    std::snprintf(texto, sizeof texto, "%.*g", algarismos, valor);
    return texto;
}

}  // namespace cli
