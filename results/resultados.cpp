// The results step: the report "saida.txt" and the plot-data files
// "temp.dat" (final profile) and "temp_med.dat" (mean history), every line
// by its own write statement and record format; then the viewers.
//
// The plot rows go out right after their report rows, so both files grow
// together; all three are closed before any viewer starts.
//
// The three files are one set: they are written under temporary names and
// take the places of the previous run's files together, once all three are
// complete and closed. A run that stops short leaves the previous set whole.

#include <cstdint>

#include "driver/state/simulation_state.h"
#include "process/command_runner.h"
#include "results/results.h"
#include "results/windows1252.h"
#include "textio/textio.h"

namespace results {

namespace {

constexpr int relatorio = 5;  // nome_do_relatorio
constexpr int perfil = 7;     // nome_do_perfil
constexpr int historico = 8;  // nome_do_historico

// Record formats of the report: its title and input data, the titles of its
// three tables and one row of each.
constexpr auto cabecalho =
    windows1252("('Solução Numérica da Eq. de Difusão de Calor 1D em Regime Transiente com Propriedades Constantes',2/,"
                "'Dados de entrada')");
constexpr auto linha_N = windows1252("(/,T10,I9,T20,' = N:      número de volumes de controle')");
constexpr auto linha_alpha = windows1252("(1P,E18.10,T20,' = alpha:  difusividade térmica [m2/s]')");
constexpr auto linha_L = windows1252("(1P,E18.10,T20,' = L:      comprimento do domínio [m]')");
constexpr auto linha_Ta = windows1252("(1P,E18.10,T20,' = Ta:     temperatura do contorno esquerdo (x=0) [°C]')");
constexpr auto linha_Tb = windows1252("(1P,E18.10,T20,' = Tb:     temperatura do contorno direito  (x=L) [°C]')");
constexpr auto linha_theta =
    windows1252("(1P,E18.10,T20,' = theta:  formulação temporal empregada: 0 - explícita; 0.5 - Crank-Nicolson; "
                "1 - totalmente implícita')");
constexpr auto titulo_coeficientes =
    windows1252("(2/,'Coeficientes e termos-fontes',/,'vol.',T10,'oeste',T35,'central',T60,'leste',T85,'termo-fonte')");
constexpr auto linha_coeficientes = windows1252("(I5,4(1P,E25.15))");
constexpr auto titulo_solucoes =
    windows1252("(2/,'Soluções numéricas',2/,T5,'Volume',T16,'Posição [m]',T35,'Temp. numérica [°C]',"
                "T60,'Temp. analítica [°C]',T85,'Erro numérico [°C]')");
constexpr auto linha_solucao = windows1252("(I10,1P,E20.9,3(1P,E25.15))");
constexpr auto titulo_medias =
    windows1252("(2/,'Soluções numéricas - Temperaturas Médias',2/,T5,'Tempo [s]',T30,'Numérica [°C]',"
                "T55,'Analítica [°C]',T80,'Erro numérico [°C]')");
constexpr auto linha_media = windows1252("(4(1P,E25.15))");

// Record formats of the plot-data files.
constexpr auto linha_perfil = windows1252(formato_da_linha_de_perfil);
constexpr auto linha_historico = windows1252("(3(1P,E25.15))");

void transferir(std::int32_t valor) { textio::format_write_integer(valor); }
void transferir(double valor) { textio::format_write_real(valor); }

// One write statement: the unit, its record format and the items in order.
template <std::size_t Capacity, typename... Items>
void escrever(int unidade, const Windows1252Text<Capacity>& formato, Items... itens)
{
    textio::format_write_begin(unidade, formato.bytes, static_cast<int>(formato.length), 0);
    (transferir(itens), ...);
    textio::format_write_end();
}

void abrir(int unidade, std::string_view nome) { textio::unit_open_replacement(unidade, nome); }

void dados_de_entrada(const driver::SimulationState& s)
{
    escrever(relatorio, cabecalho);
    escrever(relatorio, linha_N, s.N);
    escrever(relatorio, linha_alpha, s.alpha);
    escrever(relatorio, linha_L, s.L);
    escrever(relatorio, linha_Ta, s.Ta);
    escrever(relatorio, linha_Tb, s.Tb);
    escrever(relatorio, linha_theta, s.theta);
}

void coeficientes(const driver::SimulationState& s)
{
    escrever(relatorio, titulo_coeficientes);
    for (std::int32_t i = 1; i <= s.N; ++i)
        escrever(relatorio, linha_coeficientes, i, s.aw(i), s.ap(i), s.ae(i), s.bp(i));
}

// The final field against the analytic one, with the boundary rows; each
// report row is followed by its line of "temp.dat".
void solucoes(const driver::SimulationState& s)
{
    escrever(relatorio, titulo_solucoes);

    escrever(relatorio, linha_solucao, std::int32_t{0}, 0.0, s.Ta, s.Ta, s.Ta - s.Ta);
    escrever(perfil, linha_perfil, 0.0, s.Ta, s.Ta);

    for (std::int32_t i = 1; i <= s.N; ++i) {
        const double x = driver::posicao_da_celula(i, s.dx);
        escrever(relatorio, linha_solucao, i, x, s.T(i), s.Tan(i), s.Tan(i) - s.T(i));
        escrever(perfil, linha_perfil, x, s.T(i), s.Tan(i));
    }

    escrever(relatorio, linha_solucao, s.N + 1, s.L, s.Tb, s.Tb, s.Tb - s.Tb);
    escrever(perfil, linha_perfil, s.L, s.Tb, s.Tb);
}

// The mean temperature of every time level; the time of level k is k*dt,
// one multiplication, not the driver's accumulated time.
void medias(const driver::SimulationState& s)
{
    escrever(relatorio, titulo_medias);
    for (std::int32_t k = 0; k <= s.nt; ++k) {
        const double tempo = driver::tempo_do_nivel(k, s.dt);
        escrever(relatorio, linha_media, tempo, s.Tm(k), s.Tman(k), s.Tman(k) - s.Tm(k));
        escrever(historico, linha_historico, tempo, s.Tm(k), s.Tman(k));
    }
}

// The sizes of the records, CR LF included. The report's fixed part: the
// title and input data (571 bytes), the titles of its three tables (131, 130
// and 147) and the two boundary rows of the solutions (2 x 107). Each volume
// adds a row of coefficients and one of solutions (2 x 107), each level a
// row of means (102). A row of the profile is 72 bytes, of the history 77.
constexpr double bytes_fixos_do_relatorio = 1193.0;
constexpr double bytes_por_volume = 214.0;
constexpr double bytes_por_nivel = 102.0;
constexpr double bytes_da_linha_de_perfil = 72.0;
constexpr double bytes_da_linha_de_historico = 77.0;

// The viewers, one after the other; their exit statuses change nothing.
void visualizar()
{
    for (std::string_view comando : {"wgnuplot temp.gnu", "wgnuplot temp_med.gnu", "notepad saida.txt"})
        process::run_command(comando);
}

}  // namespace

TamanhosDosArquivos tamanhos_dos_arquivos(std::int32_t N, std::int32_t nt)
{
    const double volumes = N > 0 ? N : 0;
    const double niveis = nt >= 0 ? static_cast<double>(nt) + 1.0 : 0.0;
    return {bytes_fixos_do_relatorio + bytes_por_volume * volumes + bytes_por_nivel * niveis,
            bytes_da_linha_de_perfil * (volumes + 2.0), bytes_da_linha_de_historico * niveis};
}

void resultados()
{
    const driver::SimulationState& s = driver::state;

    abrir(relatorio, nome_do_relatorio);
    abrir(perfil, nome_do_perfil);
    abrir(historico, nome_do_historico);

    dados_de_entrada(s);
    coeficientes(s);
    solucoes(s);
    medias(s);

    textio::unit_close(relatorio);
    textio::unit_close(perfil);
    textio::unit_close(historico);
    textio::unit_replacements_commit();

    visualizar();
}

}  // namespace results
