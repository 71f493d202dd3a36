// The input step: the user edits "dados.txt" in the text editor, then its
// eight problem-data values are read, one per line, into the state.

#include <array>
#include <cstdint>
#include <string>

#include "driver/driver.h"
#include "process/command_runner.h"
#include "process/runtime_error.h"
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

bool algarismo(int c) { return c >= '0' && c <= '9'; }

// A value followed directly by a comma and a digit ("0,5", "1,000") is a
// decimal comma or a thousands separator, not two values: the reader would
// take 0 and 1 and go on. It stops the run as the conversion error of the
// value, before anything is computed. Called right after the value was
// gathered, while the unit stands behind its separator; the bytes taken here
// belong to the rest of the line, which the statement's end skips anyway.
void recusar_virgula_decimal(const ValorLido& lido, std::string_view valor, bool inteiro)
{
    if (valor.empty() || !algarismo(valor.back())) return;
    textio::Unit* unidade = textio::unit_select(unidade_dados);
    if (unidade == nullptr) return;
    textio::unit_unread_byte(*unidade);
    const int separador = textio::unit_read_byte(*unidade);
    if (separador != ',') return;
    int c = textio::unit_read_byte(*unidade);
    if (!algarismo(c)) {
        textio::unit_unread_byte(*unidade);
        return;
    }
    std::string escrito(valor);
    escrito += ',';
    while (c >= 0 && c != ' ' && c != '\t' && c != ',' && c != '/' && c != '\r' && c != '\n') {
        escrito += static_cast<char>(c);
        c = textio::unit_read_byte(*unidade);
    }
    textio::unit_unread_byte(*unidade);  // the line end stays for the statement's end

    process::ReadErrorPlace lugar;
    lugar.file_name = "dados.txt";
    lugar.line = lido.linha;
    lugar.value_name = lido.nome;
    lugar.text_found = escrito;
    lugar.expected = inteiro ? process::ReadValueKind::integer : process::ReadValueKind::real;
    const process::RuntimeError erro = inteiro ? process::errors::bad_integer_character : process::errors::bad_real;
    process::report_runtime_error(erro, process::decimal_comma_message(lugar), process::StatementKind::read,
                                  "dados.txt");
}

// A UTF-8 byte-order mark at the start of the file carries no value and is
// passed over. Anything else that starts with its first byte is read as it
// stands: the unit is connected again, to read from the first byte.
void saltar_marca_de_ordem()
{
    textio::Unit* unidade = textio::unit_select(unidade_dados);
    if (unidade == nullptr) return;
    int c = textio::unit_read_byte(*unidade);
    if (c != 0xEF) {
        textio::unit_unread_byte(*unidade);
        return;
    }
    if (textio::unit_read_byte(*unidade) == 0xBB && textio::unit_read_byte(*unidade) == 0xBF) return;
    textio::unit_close(unidade_dados);
    textio::unit_open(unidade_dados, "dados.txt");
}

// One read statement of one value; an error names the value, its line and
// its text. The line and text are kept for the checks of the input.
template <typename Valor>
void ler(ValorLido& lido, Valor& valor)
{
    constexpr bool inteiro = sizeof(Valor) == 4;
    textio::ListReadOptions opcoes;
    opcoes.value_name = lido.nome;
    textio::list_read_begin(unidade_dados, opcoes);
    if constexpr (inteiro)
        textio::list_read_integer4(valor);
    else
        textio::list_read_real8(valor);
    const textio::ListReadValueText texto = textio::list_read_last_value();
    lido.linha = texto.line;
    lido.texto.assign(texto.text);
    recusar_virgula_decimal(lido, lido.texto, inteiro);
    textio::list_read_end();
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
    saltar_marca_de_ordem();
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
