// The way out of every dead end, on an interactive terminal only: a missing
// or empty dados.txt, a viewer that cannot start, a file that cannot be
// written, too little memory, a fallback editor, and value lines whose
// descriptions name other values (lines swapped).

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "driver/driver.h"
#include "platform/files.h"
#include "platform/spawn.h"
#include "platform/system.h"
#include "platform/terminal.h"
#include "process/command_runner.h"
#include "process/error_numbers.h"

namespace cli {

// The run whose input and computation are checked here.
using driver::numero_de_valores;
using driver::run_memory_bytes;
using driver::SimulationState;
using driver::state;
using driver::valores_lidos;
using driver::ValorLido;

namespace {

namespace errors = process::errors;

void dica(const std::string& texto)
{
    if (platform::standard_error_is_terminal()) platform::standard_error_write_text("difusao1d: " + texto + "\n");
}

void causa(const std::string& texto) { dica("causa provável: " + texto); }

bool so_brancos(std::string_view texto) { return texto.find_first_not_of(" \t\r\n") == std::string_view::npos; }

// Why a file could not be opened for writing, found by opening it again
// without changing it: read-only, held by another program, or (when it does
// not exist) a folder that takes no new file.
std::string por_que_nao_abre(const std::string& nome)
{
    if (!platform::file_exists(nome))
        return "a pasta atual não aceita arquivos novos (sem permissão de gravação ou protegida); rode "
               "difusao1d numa pasta sua, como Documentos";
    platform::FileHandle arquivo = platform::no_file;
    const platform::FileError falha =
        platform::file_open(nome, platform::FileAccess::write, platform::FileCreation::open_existing, arquivo);
    if (falha == platform::FileError::none) platform::file_close(arquivo);
    if (falha == platform::FileError::locked)
        return nome + " está aberto em outro programa (uma planilha, um visualizador); feche-o e rode de novo";
    return nome + " é somente leitura ou de outro usuário; tire o atributo somente leitura (ou apague o "
                  "arquivo) e rode de novo";
}

void sem_dados()
{
    if (platform::file_exists("dados.txt.txt")) {
        causa("há dados.txt.txt nesta pasta, mas dados.txt está vazio: o editor acrescentou .txt ao nome; "
              "renomeie dados.txt.txt para dados.txt");
        return;
    }
    causa("dados.txt está vazio ou não existia nesta pasta; difusao1d --exemplo grava um dados.txt "
          "comentado (ou desempacote o ZIP inteiro nesta pasta)");
}

// ---- viewers ----

bool comspec_explicado = false;
bool programa_explicado = false;

bool programa_de_graficos(std::string_view programa)
{
    return programa == "gnuplot" || programa == "wgnuplot" || programa == "gnuplot.exe" || programa == "wgnuplot.exe";
}

void comando_falhou(std::string_view comando, std::string_view programa, int estado)
{
    if (!platform::standard_error_is_terminal()) return;
    if (estado == -1) {
        if (comspec_explicado) return;
        comspec_explicado = true;
        const char* comspec = platform::environment_variable("COMSPEC");
        if (comspec != nullptr && *comspec != '\0')
            dica("não foi possível executar \"" + std::string(comando) + "\": COMSPEC = '" +
                 platform::argument_text(comspec) + "' não nomeia um programa; corrija a variável COMSPEC ou apague-a");
        else
            dica("não foi possível iniciar o interpretador de comandos para \"" + std::string(comando) + "\"");
        return;
    }
    const std::string nome(programa);
    if (!nome.empty() && !platform::program_on_path(nome.c_str())) {
        if (programa_explicado) return;
        programa_explicado = true;
        if (!programa_de_graficos(programa))
            dica("o editor " + nome +
                 " não foi encontrado; defina VISUAL ou EDITOR com um editor instalado (por exemplo EDITOR=nano)");
        else if (programa == "wgnuplot" || programa == "wgnuplot.exe")
            dica("o programa de gráficos wgnuplot não foi encontrado; instale o gnuplot e ponha a pasta de "
                 "wgnuplot.exe (por exemplo C:\\Program Files\\gnuplot\\bin) no PATH");
        else
            dica("o programa de gráficos gnuplot não foi encontrado; instale-o (Debian ou Ubuntu: sudo apt-get "
                 "install gnuplot)");
        return;
    }
    const std::size_t espaco = comando.rfind(' ');
    const std::string script(comando.substr(espaco == std::string_view::npos ? 0 : espaco + 1));
    if (programa_de_graficos(programa) && script.ends_with(".gnu") && !platform::file_exists(script))
        dica("o script de gráfico " + script +
             " não existe nesta pasta; difusao1d --exemplo grava os scripts que faltam, sem tocar nos outros");
}

void editor_padrao(std::string_view editor)
{
    std::string como_sair = "feche-o para a execução continuar";
    if (editor == "nano") como_sair = "Ctrl-X sai (e pergunta se grava)";
    if (editor == "vi") como_sair = "Esc, depois :wq e Enter grava e sai (:q! sai sem gravar)";
    dica("editor: " + std::string(editor) + ", pois VISUAL e EDITOR não estão definidos; " + como_sair +
         ". Outro editor: EDITOR=gedit difusao1d");
}

// ---- descriptions of the value lines ----

// What the descriptions of the example say of each value, besides its name.
struct Descricao {
    std::array<std::string_view, 3> palavras;
};

constexpr std::array<Descricao, numero_de_valores> descricoes = {{
    {{"volumes", "", ""}},
    {{"passos", "", ""}},
    {{"tempo total", "", ""}},
    {{"formula", "", ""}},
    {{"difusividade", "", ""}},
    {{"comprimento", "", ""}},
    {{"esquerd", "x=0", "x = 0"}},
    {{"direit", "x=L", "x = L"}},
}};

bool fala_de(std::string_view descricao, std::size_t valor)
{
    for (const std::string_view palavra : descricoes[valor].palavras)
        if (!palavra.empty() && descricao.find(palavra) != std::string_view::npos) return true;
    return false;
}

// The value the description names: its name as the first word, else the
// words of the example's description of it; numero_de_valores when none.
std::size_t valor_descrito(std::string_view descricao)
{
    const std::size_t inicio = descricao.find_first_not_of(" \t,/");
    if (inicio == std::string_view::npos) return numero_de_valores;
    descricao.remove_prefix(inicio);
    const std::string_view palavra = descricao.substr(0, descricao.find_first_of(" \t,/\r"));
    const auto& valores = valores_lidos();
    for (std::size_t i = 0; i < valores.size(); ++i)
        if (palavra == valores[i].nome) return i;
    std::size_t achado = numero_de_valores;
    for (std::size_t i = 0; i < valores.size(); ++i) {
        if (!fala_de(descricao, i)) continue;
        if (achado != numero_de_valores) return numero_de_valores;  // more than one: no judgement
        achado = i;
    }
    return achado;
}

}  // namespace

std::string texto_de_memoria(std::uint64_t bytes)
{
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.1f MB", static_cast<double>(bytes) / 1e6);
    return texto;
}

std::vector<Aviso> avisos_de_descricao(std::string_view conteudo_do_arquivo)
{
    std::vector<std::string_view> linhas;
    for (std::string_view resto = conteudo_do_arquivo; !resto.empty();) {
        const std::size_t fim = resto.find('\n');
        linhas.push_back(resto.substr(0, fim));
        if (fim == std::string_view::npos) break;
        resto.remove_prefix(fim + 1);
    }
    std::vector<Aviso> avisos;
    const auto& valores = valores_lidos();
    for (std::size_t i = 0; i < valores.size(); ++i) {
        const ValorLido& valor = valores[i];
        if (valor.linha < 1 || valor.texto.empty() || static_cast<std::size_t>(valor.linha) > linhas.size()) continue;
        std::string_view linha = linhas[static_cast<std::size_t>(valor.linha - 1)];
        const std::size_t inicio = linha.find(valor.texto);
        if (inicio == std::string_view::npos) continue;
        linha.remove_prefix(inicio + valor.texto.size());
        const std::size_t descrito = valor_descrito(linha);
        if (descrito == numero_de_valores || descrito == i) continue;
        avisos.push_back("linha " + std::to_string(valor.linha) + ": a descrição fala de " + valores[descrito].nome +
                         ", mas o valor lido nessa linha é " + valor.nome +
                         "; os valores vão nesta ordem: N, nt, tf, theta, alpha, L, Ta, Tb");
    }
    return avisos;
}

bool dados_vazio() { return so_brancos(bytes_de_dados()); }

void explicar_falha(process::RuntimeError erro, process::StatementKind tipo, std::string_view arquivo)
{
    const std::string nome(arquivo);
    switch (erro.key()) {
    case errors::end_of_file_while_reading.key():
        if (tipo == process::StatementKind::read && dados_vazio()) sem_dados();
        return;
    case errors::file_access_denied.key():
        if (tipo == process::StatementKind::open) causa(por_que_nao_abre(nome));
        return;
    case errors::write_denied.key():
        causa(nome + " está em uso por outro programa, que não deixa gravá-lo; feche esse programa e rode de novo");
        return;
    case errors::disk_full.key():
        causa("o disco (ou a sua cota) está cheio ao gravar " + nome + "; libere espaço e rode de novo");
        return;
    case errors::array_memory_exhausted.key(): {
        const SimulationState& s = state;
        causa("N = " + std::to_string(s.N) + " e nt = " + std::to_string(s.nt) + " precisam de " +
              texto_de_memoria(run_memory_bytes(s.N, s.nt)) + " de memória e a máquina dá " +
              texto_de_memoria(platform::memory_obtainable_bytes()) + "; diminua N ou nt");
        return;
    }
    default: return;
    }
}

void instalar_dicas()
{
    process::set_runtime_error_explainer(&explicar_erro);
    process::CommandNotices avisos;
    avisos.failed = &comando_falhou;
    avisos.fallback_editor = &editor_padrao;
    process::set_command_notices(avisos);
}

}  // namespace cli
