// The program around the run: an option when one is given, else the run,
// with what a terminal shows beside it.

#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/progress.h"
#include "platform/system.h"
#include "platform/terminal.h"
#include "process/runtime_error.h"
#include "process/startup.h"
#include "results/results.h"

namespace cli {

namespace {

// After a run-time error, on a terminal: its cause in the input, when one is
// known, and which results the folder now holds.
void explicar_erro_da_execucao(process::RuntimeError erro, process::StatementKind tipo, std::string_view arquivo)
{
    explicar_erro(erro, tipo, arquivo);
    platform::standard_error_write_text("difusao1d: " + results::resultados_da_pasta() + "\n");
}

void antes_de_tudo()
{
    instalar_dicas();
    process::set_runtime_error_explainer(&explicar_erro_da_execucao);
}

void dados_lidos()
{
    if (platform::standard_error_is_terminal()) avisar_no_terminal();
    progress_start("difusao1d: passo ", " de ", driver::state.nt);
}

void gravando_resultados() { progress_phase("difusao1d: gravando saida.txt, temp.dat e temp_med.dat"); }

// What a run shows beside its computation: each routine shows nothing when
// standard error is not a terminal.
const driver::Acompanhamento acompanhamento = {
    .antes_de_tudo = &antes_de_tudo,
    .dados_lidos = &dados_lidos,
    .nivel_calculado = &progress_step,
    .gravando_resultados = &gravando_resultados,
    .execucao_terminada = &progress_end,
};

}  // namespace

void avisar_no_terminal()
{
    std::vector<Aviso> avisos = avisos_de_descricao(bytes_de_dados());
    for (Aviso& aviso : avisos_dos_valores(driver::state)) avisos.push_back(std::move(aviso));
    for (Aviso& aviso : avisos_de_estabilidade(driver::state)) avisos.push_back(std::move(aviso));
    for (const Aviso& aviso : avisos) platform::standard_error_write_text("difusao1d: aviso: " + aviso + "\n");
}

void programa()
{
    const std::span<char* const> argumentos = process::command_arguments();
    if (!argumentos.empty()) {
        const int status = opcoes(argumentos);
        // Help or a check that never reached its reader is no success.
        if (status == 0 && platform::standard_output_failed()) {
            platform::standard_error_write_text("difusao1d: não foi possível escrever na saída padrão\n");
            process::finish(1);
        }
        process::finish(status);
    }
    driver::principal(acompanhamento);
}

}  // namespace cli
