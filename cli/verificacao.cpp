// Checks of the problem data: what is most often wrong in "dados.txt", told
// before a run (--verificar, and the hints of a run on a terminal) and after
// a run-time error of the computation. Every value is formed with the traps
// held, so that a check never stops the program itself.

#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "driver/driver.h"
#include "numerics/numerics.h"
#include "platform/files.h"
#include "platform/system.h"
#include "process/error_numbers.h"
#include "process/fp_blocks.h"
#include "process/fp_environment.h"
#include "results/results.h"

namespace cli {

// The run whose input and computation are checked here.
using driver::allocate;
using driver::arquivo_de_dados;
using driver::dimensoes_recusadas;
using driver::grandezas_derivadas;
using driver::largura_do_volume;
using driver::maior_dimensao;
using driver::menor_N;
using driver::menor_nt;
using driver::passo_de_tempo;
using driver::release;
using driver::run_memory_bytes;
using driver::SimulationState;
using driver::state;
using driver::valores_lidos;
using driver::ValorLido;
using driver::VolumeArray;

namespace {

namespace errors = process::errors;
using platform::FpTrap;

std::string numero(double valor)
{
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.6g", valor);
    return texto;
}

std::string numero(std::int64_t valor) { return std::to_string(valor); }

std::string bytes(double quantidade)
{
    const char* const unidades[] = {"bytes", "kB", "MB", "GB", "TB"};
    int u = 0;
    while (quantidade >= 1000.0 && u < 4) {
        quantidade = quantidade / 1000.0;
        ++u;
    }
    char texto[32];
    std::snprintf(texto, sizeof texto, u == 0 ? "%.0f %s" : "%.1f %s", quantidade, unidades[u]);
    return texto;
}

// The value kept in `membro` as "N (linha 1 de dados.txt)", or "N" when its
// line is not known.
template <class T>
std::string nome_e_linha(T SimulationState::*membro)
{
    const ValorLido& valor = valor_lido(membro);
    std::string texto = valor.nome;
    if (valor.linha > 0) texto += " (linha " + std::to_string(valor.linha) + " de dados.txt)";
    return texto;
}

struct Estabilidade {
    bool instavel = false;
    double numero = 0.0;  // alpha*dt/dx^2
    double limite = 0.0;  // 1/(2(1 - 2 theta))
};

Estabilidade estabilidade(const SimulationState& s)
{
    Estabilidade e;
    if (!(s.theta < 0.5) || s.N < 1 || s.nt < 1) return e;
    const process::FpTrapsHeld retidas;
    const double dx = largura_do_volume(s.L, s.N);
    const double dt = passo_de_tempo(s.tf, s.nt);
    e.numero = (s.alpha * dt) / std::pow(dx, 2.0);
    e.limite = 1.0 / (2.0 * (1.0 - (2.0 * s.theta)));
    e.instavel = std::isfinite(e.numero) && e.numero > e.limite;
    return e;
}

std::string texto_de_estabilidade(const SimulationState& s, const Estabilidade& e)
{
    const process::FpTrapsHeld retidas;  // the ratio may overflow: then no nt is proposed
    std::string texto = "parte explícita instável: theta = " + numero(s.theta) +
                        " < 0.5 e alpha·dt/dx² = " + numero(e.numero) +
                        " passa do limite 1/(2(1 − 2·theta)) = " + numero(e.limite) +
                        "; as temperaturas oscilam e crescem a cada passo";
    const double nt_estavel = std::ceil(static_cast<double>(s.nt) * (e.numero / e.limite));
    if (nt_estavel < static_cast<double>(maior_dimensao))
        texto += ". Use nt ≥ " + numero(static_cast<std::int64_t>(nt_estavel)) + " ou";
    else
        texto += ". Use";
    return texto + " theta ≥ 0.5 (estável para qualquer dt)";
}

// The value that makes a division of the run's start divide by zero (or
// zero by zero), in the order the run divides.
std::string causa_da_divisao(const SimulationState& s)
{
    if (s.N == 0) return nome_e_linha(&SimulationState::N) + " = 0: dx = L/N divide por zero; use N ≥ 2";
    if (s.nt == 0) return nome_e_linha(&SimulationState::nt) + " = 0: dt = tf/nt divide por zero; use nt ≥ 1";
    if (s.L == 0.0) return nome_e_linha(&SimulationState::L) + " = 0: os volumes têm largura dx = 0; use L > 0";
    if (s.alpha == 0.0) return nome_e_linha(&SimulationState::alpha) + " = 0: dx/alpha divide por zero; use alpha > 0";
    return {};
}

// The error as the report of the run names it: "run-time error F6779 (...)".
std::string erro_de_execucao(process::RuntimeError erro)
{
    return "run-time error " + std::string(1, erro.letter) + std::to_string(erro.number) + " (" +
           std::string(process::error_message(erro)) + ")";
}

// The trap of `kind` as the report of the run names it.
std::string armadilha(FpTrap kind)
{
    if (kind == FpTrap::invalid) return erro_de_execucao(errors::fp_invalid);
    if (kind == FpTrap::divide_by_zero) return erro_de_execucao(errors::fp_divide_by_zero);
    return erro_de_execucao(errors::fp_overflow);
}

// The first fault of the run's first two blocks, the derived quantities and
// the coefficients, computed by the run's own operations with each one
// checked, into arrays of its own; empty when there is none.
std::string falha_do_inicio()
{
    SimulationState& s = state;
    VolumeArray aw, ap, ae;
    for (VolumeArray* array : {&aw, &ap, &ae}) allocate(*array, s.N);
    std::swap(s.aw, aw);
    std::swap(s.ap, ap);
    std::swap(s.ae, ae);
    FpTrap kind = FpTrap::unknown;
    bool falhou = false;
    {
        const process::FpPrediction previsao;
        grandezas_derivadas<process::CheckedReal>();
        if (!(falhou = previsao.fault(kind))) {
            numerics::coef_matriz<process::CheckedReal>();
            falhou = previsao.fault(kind);
        }
    }
    std::swap(s.aw, aw);
    std::swap(s.ap, ap);
    std::swap(s.ae, ae);
    for (VolumeArray* array : {&aw, &ap, &ae}) release(*array);
    return falhou ? armadilha(kind) : std::string();
}

}  // namespace

std::string bytes_de_dados() { return bytes_do_arquivo(arquivo_de_dados); }

std::string bytes_do_arquivo(const std::string& nome)
{
    std::string conteudo;
    platform::FileHandle arquivo = platform::no_file;
    if (platform::file_open(nome, platform::FileAccess::read, platform::FileCreation::open_existing, arquivo) !=
        platform::FileError::none)
        return conteudo;
    char bloco[4096];
    std::size_t lidos = 0;
    while (platform::file_read(arquivo, bloco, sizeof bloco, lidos) == platform::FileError::none && lidos > 0)
        conteudo.append(bloco, lidos);
    platform::file_close(arquivo);
    return conteudo;
}

std::vector<Aviso> avisos_de_estabilidade(const SimulationState& s)
{
    const Estabilidade e = estabilidade(s);
    if (!e.instavel) return {};
    return {texto_de_estabilidade(s, e)};
}

std::vector<Aviso> avisos_dos_valores(const SimulationState& s)
{
    std::vector<Aviso> avisos;
    if (s.theta < 0.0 || s.theta > 1.0)
        avisos.push_back("theta = " + numero(s.theta) +
                         " está fora de [0, 1] (0 explícita, 0.5 Crank-Nicolson, 1 totalmente implícita)");
    if (!(s.alpha > 0.0)) avisos.push_back("alpha = " + numero(s.alpha) + " não é positivo: a difusividade é > 0");
    if (!(s.L > 0.0)) avisos.push_back("L = " + numero(s.L) + " não é positivo: o comprimento é > 0");
    if (!(s.tf > 0.0)) avisos.push_back("tf = " + numero(s.tf) + " não é positivo: o tempo total é > 0");
    if (s.N < menor_N) avisos.push_back("N = " + numero(std::int64_t{s.N}) + ": são precisos ao menos 2 volumes");
    if (s.nt < menor_nt)
        avisos.push_back("nt = " + numero(std::int64_t{s.nt}) + ": é preciso ao menos 1 passo de tempo");
    if (s.Ta != 0.0 || s.Tb != 0.0)
        avisos.push_back("Ta = " + numero(s.Ta) + " °C, Tb = " + numero(s.Tb) +
                         " °C: a solução analítica supõe as duas extremidades a 0 °C, então os erros do "
                         "relatório medem essa suposição, não só o método numérico");
    return avisos;
}

std::string tamanhos_da_execucao(const SimulationState& s)
{
    const results::TamanhosDosArquivos arquivos = results::tamanhos_dos_arquivos(s.N, s.nt);
    const auto memoria = static_cast<double>(run_memory_bytes(s.N, s.nt));
    return std::string(results::nome_do_relatorio) + ": " + bytes(arquivos.relatorio) + ", " + results::nome_do_perfil +
           ": " + bytes(arquivos.perfil) + ", " + results::nome_do_historico + ": " + bytes(arquivos.historico) +
           "; memória: " + bytes(memoria);
}

std::string parada_prevista(const SimulationState& s)
{
    if (dimensoes_recusadas(s.N, s.nt)) return erro_de_execucao(errors::invalid_array_bounds);
    const std::uint64_t memoria = run_memory_bytes(s.N, s.nt);
    const std::uint64_t disponivel = platform::memory_obtainable_bytes();
    if (memoria > disponivel)
        return erro_de_execucao(errors::array_memory_exhausted) + ": os campos e o solver precisam de " +
               texto_de_memoria(memoria) + " e a máquina dá " + texto_de_memoria(disponivel);

    // The run's start, dx and dt and the coefficients, as the run computes it.
    const std::string erro = falha_do_inicio();
    if (erro.empty()) return {};
    const std::string causa = causa_da_divisao(s);
    return causa.empty() ? erro : erro + ": " + causa;
}

bool calculo_pode_divergir(const SimulationState& s)
{
    return estabilidade(s).instavel || s.theta < 0.0 || s.alpha < 0.0 || s.tf < 0.0 || s.L < 0.0;
}

void explicar_erro(process::RuntimeError erro, process::StatementKind tipo, std::string_view arquivo)
{
    if (tipo != process::StatementKind::math) {
        explicar_falha(erro, tipo, arquivo);
        return;
    }
    const SimulationState& s = state;
    std::string causa;
    if (erro == errors::fp_invalid || erro == errors::fp_divide_by_zero) {
        causa = causa_da_divisao(s);
    } else if (erro == errors::fp_overflow || erro == errors::math_overflow) {
        const Estabilidade e = estabilidade(s);
        if (e.instavel)
            causa = texto_de_estabilidade(s, e);
        else if (s.alpha < 0.0 || s.tf < 0.0)
            causa = "alpha·tf negativo: as soluções crescem sem limite; use alpha > 0 e tf > 0";
    }
    if (causa.empty()) return;
    platform::standard_error_write_text("difusao1d: causa provável: " + causa + "\n");
}

}  // namespace cli
