// The command-line options. The program without arguments is the run; any
// argument asks for one of these instead, and no run is made.

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/cli.h"
#include "cli/estudo.h"
#include "driver/driver.h"
#include "numerics/numerics.h"
#include "platform/files.h"
#include "platform/spawn.h"
#include "platform/system.h"
#include "process/runtime_error.h"

namespace cli {

namespace {

constexpr int uso_errado = 2;

constexpr std::string_view ajuda_da_execucao =
    R"(Uso: difusao1d [opção]

Sem opção, difusao1d resolve a difusão de calor transiente numa placa
0 ≤ x ≤ L pelo método dos volumes finitos (formulação theta) e compara o
resultado com a solução analítica. Tudo acontece na pasta atual:
  1. abre dados.txt no editor e espera que o editor seja fechado;
  2. lê os oito valores de dados.txt, um por linha, cada um no início da
     linha (o resto da linha é ignorado):
       N      número de volumes de controle (inteiro, ao menos 2)
       nt     número de passos de tempo (inteiro, ao menos 1)
       tf     tempo total simulado [s]
       theta  formulação temporal: 0 explícita, 0.5 Crank-Nicolson,
              1 totalmente implícita
       alpha  difusividade térmica [m²/s]
       L      comprimento do domínio [m]
       Ta     temperatura em x = 0 [°C]
       Tb     temperatura em x = L [°C]
     Números reais levam ponto decimal: 0.5, não 0,5.
  3. calcula as soluções numérica e analítica;
  4. grava o relatório saida.txt (texto Windows-1252 com fins de linha CR LF)
     e os dados dos gráficos temp.dat (x, temperatura numérica e analítica no
     tempo final) e temp_med.dat (tempo, temperatura média numérica e
     analítica);
  5. desenha os gráficos com temp.gnu e temp_med.gnu no gnuplot e abre
     saida.txt no editor.
Um erro (valor ilegível, divisão por zero, overflow de um esquema instável,
falta de memória) para a execução com "run-time error" e código de saída 1.

)";

// Where the editor and the plotting program come from: the commands name
// notepad and wgnuplot; a shell maps them to the user's own programs.
constexpr std::string_view ajuda_dos_programas_mapeados =
    R"(O editor é $VISUAL, senão $EDITOR (ambos podem ter opções, como
"code --wait"), senão o editor padrão do sistema (sensible-editor ou editor),
senão nano, senão vi. Sem VISUAL nem EDITOR e com a entrada ou a saída padrão
fora de um terminal (um script, o console de uma IDE), nenhum editor é aberto
e a execução segue. Para não editar nada: EDITOR=true difusao1d.
O programa de gráficos é o gnuplot. Com a variável COMSPEC definida, cada
comando vai para esse interpretador como "COMSPEC /c comando".
)";

constexpr std::string_view ajuda_das_opcoes =
    R"(Redirecionados para um arquivo ou um pipe, os textos do programa saem em
UTF-8.

Opções (com uma opção, nada é calculado nem gravado além do que ela diz):
  -h, --help, /? mostra esta ajuda
  --version      mostra o nome e a versão
  --exemplo      grava na pasta atual um dados.txt comentado e os scripts de
                 gráfico temp.gnu, temp_med.gnu, terminal.gnu e
                 convergencia.gnu, os que faltam; não sobrescreve nada (um
                 dados.txt vazio conta como ausente)
  --verificar    lê dados.txt como uma execução o leria, mostra os oito
                 valores e avisa de valores fora da faixa, linhas trocadas,
                 esquema instável e do tamanho da execução; termina com 0 se a
                 execução calcularia, 1 se pararia com um erro
)";

// The same where the system's interpreter runs them by those names.
std::string ajuda_dos_programas_pelo_nome(const platform::CommandInterpreter& sistema)
{
    const std::string interpretador = sistema.program;
    return "O editor é o notepad (Bloco de Notas) e o programa de gráficos é o\n"
           "wgnuplot (o gnuplot para Windows, que precisa estar no PATH). Cada comando\n"
           "vai para o interpretador da variável COMSPEC ou, sem ela, para " +
           interpretador + ",\ncomo \"" + interpretador + " " + sistema.command_switch +
           " notepad dados.txt\"; a execução espera até o programa\n"
           "aberto ser fechado: salve dados.txt e feche o Bloco de Notas, depois cada\n"
           "janela de gráfico, para continuar.\n";
}

std::string ajuda()
{
    std::string texto(ajuda_da_execucao);
    const platform::CommandInterpreter& sistema = platform::system_command_interpreter();
    texto += sistema.desktop_programs_by_name ? ajuda_dos_programas_pelo_nome(sistema)
                                              : std::string(ajuda_dos_programas_mapeados);
    texto += '\n';
    texto += ajuda_das_opcoes;
    for (const OpcaoDeEstudo& estudo : opcoes_dos_estudos()) texto += estudo.ajuda;
    return texto;
}

std::string valor_como_lido(const driver::ValorLido& valor)
{
    const driver::SimulationState& s = driver::state;
    char texto[32];
    const std::to_chars_result fim = valor.inteiro != nullptr
                                         ? std::to_chars(texto, texto + sizeof texto, s.*valor.inteiro)
                                         : std::to_chars(texto, texto + sizeof texto, s.*valor.real);
    std::string linha = "  " + std::string(valor.nome);
    linha.resize(9, ' ');
    linha += "= " + std::string(texto, fim.ptr);
    if (*valor.unidade != '\0') linha += std::string(" ") + valor.unidade;
    // Columns, not bytes: the units hold characters of two bytes in UTF-8.
    std::size_t colunas = 0;
    for (const char c : linha)
        if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++colunas;
    for (; colunas < 32; ++colunas) linha += ' ';
    linha += valor.linha > 0 ? "linha " + std::to_string(valor.linha) : std::string("nulo  ");
    return linha + "  " + valor.descricao + "\n";
}

void listar(std::string_view titulo, const std::vector<Aviso>& avisos)
{
    if (avisos.empty()) return;
    saida(titulo);
    for (const Aviso& aviso : avisos) saida("  - " + aviso + "\n");
}

int verificar()
{
    if (dados_vazio()) {
        erro(std::string("difusao1d: ") +
             (platform::file_exists(driver::arquivo_de_dados) ? "dados.txt está vazio"
                                                              : "não há dados.txt nesta pasta") +
             (platform::file_exists("dados.txt.txt") ? " (há dados.txt.txt: renomeie-o para dados.txt)" : "") +
             "; difusao1d --exemplo grava um exemplo comentado\n");
        return falha;
    }
    // A reading error ends here as in a run, with its report.
    driver::ler_dados();
    const driver::SimulationState& s = driver::state;
    saida("Valores de dados.txt, lidos como uma execução os leria:\n");
    for (const driver::ValorLido& valor : driver::valores_lidos()) saida(valor_como_lido(valor));

    const std::string conteudo = bytes_de_dados();
    std::vector<Aviso> avisos = avisos_de_descricao(conteudo);
    for (Aviso& aviso : avisos_dos_valores(s)) avisos.push_back(std::move(aviso));
    for (Aviso& aviso : avisos_de_estabilidade(s)) avisos.push_back(std::move(aviso));
    listar("\nAvisos:\n", avisos);
    saida("\nTamanhos: " + tamanhos_da_execucao(s) + "\n");

    const std::string parada = parada_prevista(s);
    if (!parada.empty()) {
        saida("\nA execução pararia com " + parada + ".\n");
        return falha;
    }
    if (calculo_pode_divergir(s)) {
        // Whether the values grow until they overflow shows only in the
        // time loop: it is run (nothing is written); an error ends here with
        // its report, as in a run.
        saida("\nCalculando, sem gravar arquivos, para ver se as temperaturas chegam ao fim sem overflow...\n");
        driver::state.pi = numerics::valor_de_pi();
        process::set_runtime_error_explainer(&explicar_erro);
        driver::simular();
        saida("O cálculo chega ao fim, mas com os avisos acima os resultados não valem como solução.\n");
    }
    saida("\nA execução calcularia. Rode difusao1d para calcular e gravar os resultados.\n");
    return sucesso;
}

// Writes `arquivo` unless a file of its name is there already; an empty
// dados.txt counts as absent (an editor or a run made it). Returns false
// when the file was there, and names a failure to write it.
bool gravar_se_falta(const ArquivoDeExemplo& arquivo, bool& falhou)
{
    const bool dados = std::string_view(arquivo.nome) == driver::arquivo_de_dados;
    platform::FileHandle handle = platform::no_file;
    platform::FileError erro_do_arquivo =
        platform::file_open(arquivo.nome, platform::FileAccess::write, platform::FileCreation::create_new, handle);
    if (erro_do_arquivo == platform::FileError::exists) {
        if (!dados || !dados_vazio()) return false;
        erro_do_arquivo = platform::file_open(arquivo.nome, platform::FileAccess::write,
                                              platform::FileCreation::open_existing, handle);
        if (erro_do_arquivo == platform::FileError::none) erro_do_arquivo = platform::file_set_size(handle, 0);
    }
    if (erro_do_arquivo == platform::FileError::none) {
        std::size_t escritos = 0;
        erro_do_arquivo = platform::file_write(handle, arquivo.conteudo.data(), arquivo.conteudo.size(), escritos);
    }
    if (handle != platform::no_file) platform::file_close(handle);
    if (erro_do_arquivo != platform::FileError::none) {
        erro("difusao1d: não foi possível gravar " + std::string(arquivo.nome) + ": " +
             platform::last_system_error_text() + "\n");
        falhou = true;
    }
    return true;
}

// Each file of the example that is missing is written; those already there
// are named and left as they are.
int exemplo()
{
    std::string gravados;
    std::string existentes;
    for (const ArquivoDeExemplo& arquivo : arquivos_de_exemplo()) {
        bool falhou = false;
        std::string& lista = gravar_se_falta(arquivo, falhou) ? gravados : existentes;
        if (falhou) return falha;
        lista += std::string(lista.empty() ? "" : ", ") + arquivo.nome;
    }
    if (!gravados.empty()) saida("Gravados: " + gravados + ".\n");
    if (!existentes.empty()) saida("Já existiam, não foram alterados: " + existentes + ".\n");
    saida("Edite dados.txt, confira com difusao1d --verificar e rode difusao1d nesta pasta.\n");
    return sucesso;
}

}  // namespace

int opcoes(std::span<char* const> argumentos)
{
    const std::string_view opcao = argumentos[0];
    if (argumentos.size() > 1) {
        erro("difusao1d: argumento a mais: '" + platform::argument_text(argumentos[1]) +
             "'; difusao1d aceita uma opção só (veja difusao1d --help)\n");
        return uso_errado;
    }
    if (opcao == "--help" || opcao == "-h" || opcao == "/?") {  // /? as on Windows
        saida(ajuda());
        return sucesso;
    }
    if (opcao == "--version") {
        saida("difusao1d " DIFUSAO_VERSAO "\n");
        return sucesso;
    }
    if (opcao == "--exemplo") return exemplo();
    if (opcao == "--verificar") return verificar();
    for (const OpcaoDeEstudo& estudo : opcoes_dos_estudos())
        if (opcao == estudo.nome) return estudo.executar();
    erro("difusao1d: opção desconhecida: '" + platform::argument_text(argumentos[0]) + "'; veja difusao1d --help\n");
    return uso_errado;
}

}  // namespace cli
