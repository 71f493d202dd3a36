// The folder of the results taken by one run at a time, and what it holds
// after a run that failed.

#include <ctime>

#include "platform/files.h"
#include "platform/interruption.h"
#include "platform/system.h"
#include "process/error_numbers.h"
#include "process/runtime_error.h"
#include "process/termination.h"
#include "results/results.h"

namespace results {

namespace {

// Hidden on Windows, and removed at the end of the run.
constexpr const char* marca_de_uso = ".difusao1d.em-uso";

platform::FileHandle reserva = platform::no_file;

// At the exit: the units closed and the unfinished results removed first,
// so that the next run never finds them half cleared.
void liberar()
{
    if (reserva == platform::no_file) return;
    process::terminate_units();
    platform::folder_lock_release(marca_de_uso, reserva);
    reserva = platform::no_file;
}

}  // namespace

void reservar_resultados()
{
    const platform::FileError erro = platform::folder_lock_take(marca_de_uso, reserva);
    if (erro == platform::FileError::locked)
        process::report_runtime_error(process::errors::file_access_denied,
                                      "the results in this folder (saida.txt, temp.dat, temp_med.dat) are in use by "
                                      "another run of difusao1d; run again when it has ended",
                                      process::StatementKind::open, nome_do_relatorio);
    // A folder where no lock can be made (a file system without locks, a
    // folder that cannot be written) runs as before; writing the results
    // there says what is wrong, if anything is.
    if (erro != platform::FileError::none) return;
    platform::remove_when_interrupted(marca_de_uso);
    platform::install_exit_routine(&liberar);
}

std::string resultados_da_pasta()
{
    std::int64_t segundos = 0;
    bool completos = true;
    for (const char* nome : {nome_do_perfil, nome_do_historico}) completos = completos && platform::file_exists(nome);
    if (!completos || platform::file_modified_time(nome_do_relatorio, segundos) != platform::FileError::none)
        return "não há resultados completos nesta pasta (saida.txt, temp.dat e temp_med.dat)";
    const std::time_t quando = static_cast<std::time_t>(segundos);
    char data[32] = "";
    if (const std::tm* local = std::localtime(&quando)) std::strftime(data, sizeof data, "%d/%m/%Y %H:%M", local);
    return std::string("saida.txt, temp.dat e temp_med.dat nesta pasta são os da execução anterior, de ") + data;
}

}  // namespace results
