// The input step: the user edits "dados.txt" in the text editor, then its
// eight problem-data values are read, one per line, into the state.

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

void ler(std::int32_t& valor)
{
    textio::list_read_begin(unidade_dados);
    textio::list_read_integer4(valor);
    textio::list_read_end();
}

void ler(double& valor)
{
    textio::list_read_begin(unidade_dados);
    textio::list_read_real8(valor);
    textio::list_read_end();
}

}  // namespace

void dados()
{
    // The file is read only after the editor has been closed.
    estado_editor = process::run_command("notepad dados.txt", 17);

    textio::unit_open(unidade_dados, "dados.txt");
    SimulationState& s = state;
    ler(s.N);
    ler(s.nt);
    ler(s.tf);
    ler(s.theta);
    ler(s.alpha);
    ler(s.L);
    ler(s.Ta);
    ler(s.Tb);
    textio::unit_close(unidade_dados);
}

}  // namespace driver
