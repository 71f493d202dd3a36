// The time evolution: the run's case with the numerical and analytic
// profiles kept at six instants, the steps round(j*nt/5) for j = 0..5, and
// plotted in one figure.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/estudo.h"
#include "cli/progress.h"
#include "driver/driver.h"
#include "numerics/numerics.h"
#include "process/command_runner.h"
#include "results/results.h"
#include "textio/textio.h"

namespace cli {

namespace {

constexpr int instantes = 6;
constexpr int unidade_perfis = 7;  // "evolucao.dat"

struct Perfil {
    std::int32_t passo = 0;
    std::vector<double> T;
    std::vector<double> Tan;
};

std::array<Perfil, instantes> perfis;

// The step of instant j: round(j*nt/5), exact in integers (j*nt/5 is never
// halfway between two integers).
std::int32_t passo_do_instante(int j, std::int32_t nt)
{
    return static_cast<std::int32_t>((2 * static_cast<std::int64_t>(j) * nt + 5) / 10);
}

// At the level of an instant: the numerical field as it stands and the
// analytic field by the run's own code at the accumulated time of the level,
// which the run's final analytic field then overwrites.
void guardar_perfis(std::int32_t nivel)
{
    const driver::SimulationState& s = driver::state;
    bool analitico = false;
    for (Perfil& perfil : perfis) {
        if (perfil.passo != nivel) continue;
        if (!analitico) numerics::campo_analitico();
        analitico = true;
        perfil.T.assign(s.T.data(), s.T.data() + s.T.size());
        perfil.Tan.assign(s.Tan.data(), s.Tan.data() + s.Tan.size());
    }
}

void linha(double x, double T, double Tan)
{
    // The rows of "temp.dat": x, numerical and analytic temperature.
    textio::format_write_begin(unidade_perfis, results::formato_da_linha_de_perfil, -1, 0);
    textio::format_write_real(x);
    textio::format_write_real(T);
    textio::format_write_real(Tan);
    textio::format_write_end();
}

double tempo_do_passo(std::int32_t passo) { return driver::tempo_do_nivel(passo, driver::state.dt); }

// One gnuplot block per instant: "# t = ..." and the rows of temp.dat, the
// boundaries included; blocks apart by two empty lines.
void gravar_perfis()
{
    const driver::SimulationState& s = driver::state;
    textio::unit_open(unidade_perfis, "evolucao.dat");
    for (std::size_t j = 0; j < perfis.size(); ++j) {
        const Perfil& perfil = perfis[j];
        if (j > 0) {
            escrever_linha(unidade_perfis, "");
            escrever_linha(unidade_perfis, "");
        }
        escrever_linha(unidade_perfis, "# t = " + real_curto(tempo_do_passo(perfil.passo), 10) + " s (passo " +
                                           std::to_string(perfil.passo) + " de " + std::to_string(s.nt) + ")");
        linha(0.0, s.Ta, s.Ta);
        for (std::int32_t i = 1; i <= s.N; ++i) {
            const double x = driver::posicao_da_celula(i, s.dx);
            linha(x, perfil.T[static_cast<std::size_t>(i - 1)], perfil.Tan[static_cast<std::size_t>(i - 1)]);
        }
        linha(s.L, s.Tb, s.Tb);
    }
    textio::unit_close(unidade_perfis);
}

std::string script_do_grafico()
{
    std::string tempos;
    for (const Perfil& perfil : perfis)
        tempos.append(tempos.empty() ? "" : " ").append(real_curto(tempo_do_passo(perfil.passo), 4));
    const driver::SimulationState& s = driver::state;
    const std::string nota_contornos = s.Ta != 0.0 || s.Tb != 0.0 ? "; a analítica supõe Ta = Tb = 0 °C" : "";
    return "# Perfis de temperatura de evolucao.dat em seis instantes, gravados por\n"
           "# difusao1d --evolucao: pontos, a solução numérica; linhas, a analítica.\n"
           "# Sempre em evolucao.png; também numa janela, se houver uma.\n" +
           std::string(escolha_do_terminal()) +
           "set encoding utf8\n"
           "tempos = '" +
           tempos +
           "'\n"
           "desenho = \"set title 'Evolução do perfil de temperatura (N = " +
           std::to_string(s.N) + "; pontos: numérica; linhas: analítica" + nota_contornos +
           ")'; \\\n"
           "  set grid; set key top right; set xlabel 'Posição x [m]'; set ylabel 'Temperatura [°C]'; \\\n"
           "  plot for [j=1:6] 'evolucao.dat' index (j-1) using 1:2 with points pointtype 7 pointsize 0.6 \\\n"
           "       linecolor j title 't = '.word(tempos, j).' s', \\\n"
           "       for [j=1:6] 'evolucao.dat' index (j-1) using 1:3 with lines linecolor j notitle\"\n"
           "\n"
           "eval(terminal_png)\n"
           "set output 'evolucao.png'\n"
           "eval(desenho)\n"
           "set output\n"
           "if (interativo) {\n"
           "    eval(terminal_janela)\n"
           "    eval(desenho)\n"
           "    pause mouse close\n"
           "}\n";
}

}  // namespace

int evolucao()
{
    if (!ler_caso("--evolucao")) return falha;
    driver::SimulationState& s = driver::state;
    for (int j = 0; j < instantes; ++j) perfis[static_cast<std::size_t>(j)].passo = passo_do_instante(j, s.nt);

    progress_start("difusao1d: passo ", " de ", s.nt);
    driver::simular(&guardar_perfis);
    progress_end();

    gravar_perfis();
    if (!gravar_arquivo("evolucao.gnu", script_do_grafico())) return falha;
    std::string gravados = "Gravados: evolucao.dat (perfis em t =";
    for (const Perfil& perfil : perfis) gravados.append(1, ' ').append(real_curto(tempo_do_passo(perfil.passo), 6));
    saida(gravados + " s) e evolucao.gnu.\n");

    process::run_command("wgnuplot evolucao.gnu");
    return sucesso;
}

}  // namespace cli
