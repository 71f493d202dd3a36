#pragma once
// The results step: the report, the two plot-data files and the viewers.

#include <cstdint>
#include <string>

namespace results {

// The files of the results.
inline constexpr char nome_do_relatorio[] = "saida.txt";
inline constexpr char nome_do_perfil[] = "temp.dat";
inline constexpr char nome_do_historico[] = "temp_med.dat";

// The record format of a row of the profile: x, numerical and analytic
// temperature.
inline constexpr char formato_da_linha_de_perfil[] = "(1P,E20.9,2(1P,E25.15))";

// The bytes of the three files of a run with N volumes and nt steps (none
// for a count below zero): every row has its fixed width and CR LF.
struct TamanhosDosArquivos {
    double relatorio;
    double perfil;
    double historico;
};
TamanhosDosArquivos tamanhos_dos_arquivos(std::int32_t N, std::int32_t nt);

// Takes the folder's results for this run, until the process ends: a second
// run started meanwhile in the same folder stops at once with an error
// report instead of writing over them.
void reservar_resultados();

// Writes "saida.txt", "temp.dat" and "temp_med.dat" from the state, then runs
// the plotting program on both plot scripts and opens the report.
void resultados();

// What the folder holds, for a line after a run that failed: the previous
// run's results and when they were written, or that there are none.
std::string resultados_da_pasta();

}  // namespace results
