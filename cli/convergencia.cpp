// The convergence study: the case of "dados.txt" computed at several levels
// of refinement by the run's own computation, its errors at the final time
// against the analytic solution, and the order at which they fall.
//
// Level k has N*2^k volumes and nt*2^k steps for theta = 1/2 (second order in
// time) or nt*4^k steps otherwise (first order in time): alpha*dt/dx^2 is the
// same at every level, so an explicit case is as stable as its base, and the
// errors of space and time fall together, by 4 from one level to the next
// for a scheme of second order.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/estudo.h"
#include "cli/progress.h"
#include "driver/driver.h"
#include "platform/files.h"
#include "platform/system.h"
#include "process/command_runner.h"
#include "process/math_functions.h"
#include "process/runtime_error.h"
#include "textio/textio.h"

namespace cli {

namespace {

constexpr int niveis_pedidos = 4;
constexpr int unidade_tabela = 5;  // "convergencia.txt"
constexpr int unidade_dados = 7;   // "convergencia.dat"

// What the finest level may cost: about a minute. The rates are those of
// the time loop on an ordinary machine (the solve, the sources and the mean
// of every step, and the analytic mean of every level).
constexpr double segundos_permitidos = 60.0;
constexpr double segundos_por_celula_passo = 10e-9;
constexpr double segundos_por_passo = 0.5e-6;

struct Nivel {
    std::int32_t N = 0;
    std::int32_t nt = 0;
    double dx = 0.0;
    double dt = 0.0;
    std::array<double, 3> erros{};  // maximum, root mean square, mean
    std::array<double, 3> ordens{};
    std::array<bool, 3> tem_ordem{};
};

struct Base {
    std::int32_t N = 0;
    std::int32_t nt = 0;
    bool meio = false;  // theta = 1/2: the steps double, else they quadruple
};
Base base;

std::int64_t volumes_do_nivel(int k) { return std::int64_t{base.N} << k; }
std::int64_t passos_do_nivel(int k) { return std::int64_t{base.nt} << (base.meio ? k : 2 * k); }

double segundos_ate(int ultimo)
{
    double segundos = 0.0;
    for (int k = 0; k <= ultimo; ++k) {
        const double volumes = static_cast<double>(volumes_do_nivel(k));
        const double passos = static_cast<double>(passos_do_nivel(k));
        segundos += volumes * passos * segundos_por_celula_passo + passos * segundos_por_passo;
    }
    return segundos;
}

// A level fits when its counts are the run's 32-bit integers and the run's
// arrays, the solver's work arrays among them, can be had.
bool cabe(int k)
{
    if (volumes_do_nivel(k) > driver::maior_dimensao || passos_do_nivel(k) > driver::maior_dimensao) return false;
    const auto volumes = static_cast<std::int32_t>(volumes_do_nivel(k));
    const auto passos = static_cast<std::int32_t>(passos_do_nivel(k));
    return driver::run_memory_bytes(volumes, passos) <= platform::memory_obtainable_bytes();
}

std::string duracao(double segundos)
{
    if (segundos < 120.0) return "cerca de " + std::to_string(static_cast<long long>(std::ceil(segundos))) + " s";
    if (segundos < 7200.0) return "cerca de " + std::to_string(static_cast<long long>(segundos / 60.0)) + " min";
    return "cerca de " + std::to_string(static_cast<long long>(segundos / 3600.0)) + " h";
}

// The levels to compute (at least two) and, when fewer than four, why.
int planejar_niveis(std::string& nota)
{
    // A case the run would refuse stops at its first level, as the run.
    if (!driver::dimensoes_validas(base.N, base.nt)) return niveis_pedidos;
    int niveis = niveis_pedidos;
    while (niveis > 2 && (!cabe(niveis - 1) || segundos_ate(niveis - 1) > segundos_permitidos)) --niveis;
    if (niveis < niveis_pedidos) {
        const int k = niveis_pedidos - 1;
        nota = "Com " + std::to_string(niveis_pedidos) +
               " níveis, o mais fino (N = " + std::to_string(volumes_do_nivel(k)) +
               ", nt = " + std::to_string(passos_do_nivel(k)) + ") " +
               (cabe(k) ? "levaria " + duracao(segundos_ate(k)) : std::string("não caberia na memória")) +
               "; calculados " + std::to_string(niveis) + " níveis.";
    }
    return niveis;
}

// A run-time error of a finer level is explained in terms of the user's own
// N and nt, as the run would explain it.
void explicar_erro_do_nivel(process::RuntimeError erro, process::StatementKind tipo, std::string_view arquivo)
{
    driver::state.N = base.N;
    driver::state.nt = base.nt;
    explicar_erro(erro, tipo, arquivo);
}

std::array<std::string, niveis_pedidos> textos_de_progresso;

// One level: the run's computation with N and nt of the level.
Nivel calcular_nivel(int k, int niveis)
{
    driver::SimulationState& s = driver::state;
    driver::release_field_arrays();
    s.N = static_cast<std::int32_t>(volumes_do_nivel(k));
    s.nt = static_cast<std::int32_t>(passos_do_nivel(k));

    textos_de_progresso[static_cast<std::size_t>(k)] = "difusao1d: nível " + std::to_string(k) + " de 0.." +
                                                       std::to_string(niveis - 1) + " (N = " + std::to_string(s.N) +
                                                       "), passo ";
    progress_start(textos_de_progresso[static_cast<std::size_t>(k)].c_str(), " de ", s.nt);
    driver::simular();
    progress_end();

    Nivel nivel;
    nivel.N = s.N;
    nivel.nt = s.nt;
    nivel.dx = s.dx;
    nivel.dt = s.dt;
    return nivel;
}

// The errors at the final time. The squares are summed relative to the
// largest error, so that no square can overflow.
void erros(Nivel& nivel)
{
    const driver::SimulationState& s = driver::state;
    double maior = 0.0;
    for (std::int32_t i = 1; i <= s.N; ++i) maior = std::max(maior, std::fabs(s.Tan(i) - s.T(i)));
    double soma = 0.0;
    if (maior > 0.0)
        for (std::int32_t i = 1; i <= s.N; ++i) soma = soma + process::power(std::fabs(s.Tan(i) - s.T(i)) / maior, 2.0);
    nivel.erros = {maior, maior * std::sqrt(soma / s.N), std::fabs(s.Tman(s.nt) - s.Tm(s.nt))};
}

// log2(e(k-1)/e(k)), formed as a difference of logarithms: no division
// that could overflow; none where an error is zero.
void ordens(const Nivel& anterior, Nivel& nivel)
{
    for (std::size_t e = 0; e < 3; ++e) {
        nivel.tem_ordem[e] = anterior.erros[e] > 0.0 && nivel.erros[e] > 0.0;
        if (nivel.tem_ordem[e]) nivel.ordens[e] = std::log2(anterior.erros[e]) - std::log2(nivel.erros[e]);
    }
}

// ---- convergencia.txt ----

void dado_inteiro(std::string_view texto, std::int32_t valor)
{
    const std::string formato = "(T10,I9,T20,'" + para_windows1252(texto) + "')";
    textio::format_write_begin(unidade_tabela, formato.data(), static_cast<int>(formato.size()), 0);
    textio::format_write_integer(valor);
    textio::format_write_end();
}

void dado_real(std::string_view texto, double valor)
{
    const std::string formato = "(1P,E18.10,T20,'" + para_windows1252(texto) + "')";
    textio::format_write_begin(unidade_tabela, formato.data(), static_cast<int>(formato.size()), 0);
    textio::format_write_real(valor);
    textio::format_write_end();
}

// One row: level, N, nt, dx, dt, then each error with its order, or "-"
// where there is none.
void linha_da_tabela(int k, const Nivel& nivel)
{
    std::string formato = "(I5,I11,I12,1P,2E12.4";
    for (std::size_t e = 0; e < 3; ++e) formato += nivel.tem_ordem[e] ? ",1P,E16.8,0P,F8.3" : ",1P,E16.8,'       -'";
    formato += ")";
    textio::format_write_begin(unidade_tabela, formato.data(), static_cast<int>(formato.size()), 0);
    textio::format_write_integer(k);
    textio::format_write_integer(nivel.N);
    textio::format_write_integer(nivel.nt);
    textio::format_write_real(nivel.dx);
    textio::format_write_real(nivel.dt);
    for (std::size_t e = 0; e < 3; ++e) {
        textio::format_write_real(nivel.erros[e]);
        if (nivel.tem_ordem[e]) textio::format_write_real(nivel.ordens[e]);
    }
    textio::format_write_end();
}

void gravar_tabela(const std::vector<Nivel>& niveis, const std::vector<std::string>& notas)
{
    const driver::SimulationState& s = driver::state;
    textio::unit_open(unidade_tabela, "convergencia.txt");
    escrever_linha(
        unidade_tabela,
        "Estudo de convergência da Eq. de Difusão de Calor 1D em Regime Transiente (difusao1d --convergencia)");
    escrever_linha(unidade_tabela, "");
    escrever_linha(unidade_tabela, "Dados de entrada (dados.txt), os do nível 0");
    escrever_linha(unidade_tabela, "");
    dado_inteiro(" = N:      número de volumes de controle", base.N);
    dado_inteiro(" = nt:     número de passos de tempo", base.nt);
    dado_real(" = tf:     tempo total simulado [s]", s.tf);
    dado_real(" = theta:  formulação temporal", s.theta);
    dado_real(" = alpha:  difusividade térmica [m2/s]", s.alpha);
    dado_real(" = L:      comprimento do domínio [m]", s.L);
    dado_real(" = Ta:     temperatura do contorno esquerdo (x=0) [°C]", s.Ta);
    dado_real(" = Tb:     temperatura do contorno direito  (x=L) [°C]", s.Tb);
    escrever_linha(unidade_tabela, "");
    escrever_linha(unidade_tabela, std::string("Nível k: N·2^k volumes e nt·") + (base.meio ? "2" : "4") +
                                       "^k passos de tempo (alpha·dt/dx² igual em todos os níveis).");
    escrever_linha(unidade_tabela, "Erros no tempo final, |numérica - analítica|: o maior e a raiz da média dos "
                                   "quadrados sobre os volumes,");
    escrever_linha(unidade_tabela, "e o da temperatura média. Ordem observada: log2(erro do nível anterior / erro "
                                   "do nível); 2 para um esquema de 2a ordem.");
    for (const std::string& nota : notas) escrever_linha(unidade_tabela, nota);
    escrever_linha(unidade_tabela, "");
    escrever_linha(unidade_tabela, "nível          N          nt          dx          dt     erro máximo   ordem"
                                   "        erro RMS   ordem   erro da média   ordem");
    for (std::size_t k = 0; k < niveis.size(); ++k) linha_da_tabela(static_cast<int>(k), niveis[k]);
    textio::unit_close(unidade_tabela);
}

// ---- convergencia.dat: every real with 17 digits, read back exactly ----

void gravar_dados(const std::vector<Nivel>& niveis)
{
    textio::unit_open(unidade_dados, "convergencia.dat");
    for (const Nivel& nivel : niveis) {
        std::string linha = std::to_string(nivel.N) + " " + std::to_string(nivel.nt);
        for (const double valor : {nivel.dx, nivel.dt, nivel.erros[0], nivel.erros[1], nivel.erros[2]})
            linha.append(1, ' ').append(real_exato(valor));
        for (std::size_t e = 0; e < 3; ++e)
            linha.append(1, ' ').append(nivel.tem_ordem[e] ? real_exato(nivel.ordens[e]) : std::string("-"));
        escrever_linha(unidade_dados, linha);
    }
    textio::unit_close(unidade_dados);
}

// The plot script, when the folder has none: the user's own is kept.
bool script_do_grafico()
{
    if (platform::file_exists("convergencia.gnu")) return true;
    for (const ArquivoDeExemplo& arquivo : arquivos_de_exemplo())
        if (std::string_view(arquivo.nome) == "convergencia.gnu") return gravar_arquivo(arquivo.nome, arquivo.conteudo);
    return true;
}

}  // namespace

int convergencia()
{
    if (!ler_caso("--convergencia")) return falha;
    driver::SimulationState& s = driver::state;
    base = {s.N, s.nt, s.theta == 0.5};

    std::vector<std::string> notas;
    if (s.Ta != 0.0 || s.Tb != 0.0)
        notas.push_back("Ta = " + real_curto(s.Ta) + " °C, Tb = " + real_curto(s.Tb) +
                        " °C: a solução analítica é a de extremidades a 0 °C, não a deste problema; os erros "
                        "medem essa diferença e deixam de cair com o refinamento.");
    std::string nota_dos_niveis;
    const int niveis = planejar_niveis(nota_dos_niveis);
    if (!nota_dos_niveis.empty()) notas.push_back(nota_dos_niveis);
    for (const std::string& nota : notas) saida("difusao1d: " + nota + "\n");

    process::set_runtime_error_explainer(&explicar_erro_do_nivel);
    const std::vector<Aviso> instavel = avisos_de_estabilidade(s);
    std::vector<Nivel> calculados;
    for (int k = 0; k < niveis; ++k) {
        calculados.push_back(calcular_nivel(k, niveis));
        if (!instavel.empty()) {
            // Every level is as unstable as the base: its values grow at each
            // step, so the errors cannot fall. The first level that overflows
            // stops with the run's report; one that does not, here.
            erro("difusao1d: o nível 0 chegou ao fim, mas com um esquema instável os erros não convergem: " +
                 instavel.front() + "\n");
            return falha;
        }
        erros(calculados.back());
        if (k > 0) ordens(calculados[static_cast<std::size_t>(k - 1)], calculados.back());
    }
    s.N = base.N;
    s.nt = base.nt;

    gravar_tabela(calculados, notas);
    gravar_dados(calculados);
    if (!script_do_grafico()) return falha;

    // The table as written, in the console's own encoding.
    std::string tabela = de_windows1252(bytes_do_arquivo("convergencia.txt"));
    std::erase(tabela, '\r');
    saida(tabela);
    saida("Gravados: convergencia.txt, convergencia.dat; gráfico: convergencia.gnu.\n");

    process::run_command("wgnuplot convergencia.gnu");
    return sucesso;
}

}  // namespace cli
