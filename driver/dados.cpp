// The input step: the user edits "dados.txt" in the text editor, then its
// eight problem-data values are read, one per line, into the state.

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

#include "driver/driver.h"
#include "process/command_runner.h"
#include "process/runtime_error.h"
#include "textio/listread/list_read.h"
#include "textio/units/unit.h"

namespace driver {

namespace {

constexpr int unidade_dados = 5;

std::array<ValorLido, numero_de_valores> valores = {{
    {"N", "", "número de volumes de controle", &SimulationState::N},
    {"nt", "", "número de passos de tempo", &SimulationState::nt},
    {"tf", "s", "tempo total simulado", nullptr, &SimulationState::tf},
    {"theta", "", "formulação temporal: 0 explícita, 0.5 Crank-Nicolson, 1 totalmente implícita", nullptr,
     &SimulationState::theta},
    {"alpha", "m²/s", "difusividade térmica", nullptr, &SimulationState::alpha},
    {"L", "m", "comprimento do domínio", nullptr, &SimulationState::L},
    {"Ta", "°C", "temperatura em x = 0", nullptr, &SimulationState::Ta},
    {"Tb", "°C", "temperatura em x = L", nullptr, &SimulationState::Tb},
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

    textio::ReadErrorPlace lugar;
    lugar.file_name = arquivo_de_dados;
    lugar.line = lido.linha;
    lugar.value_name = lido.nome;
    lugar.text_found = escrito;
    lugar.expected = inteiro ? textio::ReadValueKind::integer : textio::ReadValueKind::real;
    const process::RuntimeError erro = inteiro ? process::errors::bad_integer_character : process::errors::bad_real;
    process::report_runtime_error(erro, mensagem_da_virgula_decimal(lugar), process::StatementKind::read,
                                  arquivo_de_dados);
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
    textio::unit_open(unidade_dados, arquivo_de_dados);
}

// One read statement of one value; an error names the value, its line and
// its text. The line and text are kept for the checks of the input.
template <typename Valor>
void ler(ValorLido& lido, Valor& valor)
{
    constexpr bool inteiro = std::is_same_v<Valor, std::int32_t>;
    textio::ListReadOptions opcoes;
    opcoes.value_name = lido.nome;
    opcoes.error_wording = &mensagem_do_erro_de_leitura;
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

const ValorLido& valor_lido(std::int32_t SimulationState::*membro)
{
    for (const ValorLido& lido : valores)
        if (lido.inteiro == membro) return lido;
    return valores.front();
}

const ValorLido& valor_lido(double SimulationState::*membro)
{
    for (const ValorLido& lido : valores)
        if (lido.real == membro) return lido;
    return valores.front();
}

void ler_dados()
{
    for (ValorLido& lido : valores) {
        lido.linha = 0;
        lido.texto.clear();
    }
    textio::unit_open(unidade_dados, arquivo_de_dados);
    saltar_marca_de_ordem();
    SimulationState& s = state;
    for (ValorLido& lido : valores) {
        if (lido.inteiro != nullptr)
            ler(lido, s.*lido.inteiro);
        else
            ler(lido, s.*lido.real);
    }
    textio::unit_close(unidade_dados);
}

void dados()
{
    // The file is read only after the editor has been closed; its exit
    // status changes nothing.
    process::run_command("notepad dados.txt");
    ler_dados();
}

}  // namespace driver
