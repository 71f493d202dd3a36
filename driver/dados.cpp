// The input step: the user edits "dados.txt" in the text editor, then its
// eight problem-data values are read, one per line, into the state.

#include <array>
#include <cstdint>

#include "driver/driver.h"
#include "process/command_runner.h"
#include "textio/listread/list_read.h"
#include "textio/units/unit.h"

namespace driver {

namespace {

// The editor's exit status; nothing examines it.
int estado_editor = 0;

constexpr int unidade_dados = 5;

std::array<ValorLido, numero_de_valores> valores = {{
    {"N", "", "número de volumes de controle"},
    {"nt", "", "número de passos de tempo"},
    {"tf", "s", "tempo total simulado"},
    {"theta", "", "formulação temporal: 0 explícita, 0.5 Crank-Nicolson, 1 totalmente implícita"},
    {"alpha", "m²/s", "difusividade térmica"},
    {"L", "m", "comprimento do domínio"},
    {"Ta", "°C", "temperatura em x = 0"},
    {"Tb", "°C", "temperatura em x = L"},
}};

// One read statement of one value; an error names the value, its line and
// its text. The line and text are kept for the checks of the input.
template <typename Valor>
void ler(ValorLido& lido, Valor& valor)
{
    textio::ListReadOptions opcoes;
    opcoes.value_name = lido.nome;
    textio::list_read_begin(unidade_dados, opcoes);
    if constexpr (sizeof(Valor) == 4)
        textio::list_read_integer4(valor);
    else
        textio::list_read_real8(valor);
    textio::list_read_end();
    const textio::ListReadValueText texto = textio::list_read_last_value();
    lido.linha = texto.line;
    lido.texto.assign(texto.text);
}

}  // namespace

std::array<ValorLido, numero_de_valores>& valores_lidos() { return valores; }

void ler_dados()
{
    for (ValorLido& lido : valores) {
        lido.linha = 0;
        lido.texto.clear();
    }
    textio::unit_open(unidade_dados, "dados.txt");
    SimulationState& s = state;
    ler(valores[0], s.N);
    ler(valores[1], s.nt);
    ler(valores[2], s.tf);
    ler(valores[3], s.theta);
    ler(valores[4], s.alpha);
    ler(valores[5], s.L);
    ler(valores[6], s.Ta);
    ler(valores[7], s.Tb);
    textio::unit_close(unidade_dados);
}

void dados()
{
    // The file is read only after the editor has been closed.
    estado_editor = process::run_command("notepad dados.txt");
    ler_dados();
}

}  // namespace driver
