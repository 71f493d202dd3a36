// The options of the studies, as the driver's option table receives them.

#include "cli/cli.h"

namespace cli {

namespace {

constexpr OpcaoDeEstudo estudos[] = {
    {"--convergencia",
     "\nEstudos (leem dados.txt como uma execução, sem abrir o editor, calculam como\n"
     "ela e gravam só os próprios arquivos, nunca saida.txt, temp.dat, temp_med.dat):\n"
     "  --convergencia calcula o caso em 4 níveis, N·2^k volumes e nt·2^k passos\n"
     "                 (theta = 0.5) ou nt·4^k (outro theta); grava os erros no\n"
     "                 tempo final e as ordens observadas log2(e(k-1)/e(k)) em\n"
     "                 convergencia.txt e convergencia.dat e os desenha com\n"
     "                 convergencia.gnu (gravado se faltar). No exemplo as ordens\n"
     "                 chegam a 2.000 com theta = 0.5 e com theta = 1\n",
     &convergencia},
    {"--evolucao",
     "  --evolucao     grava em evolucao.dat os perfis numérico e analítico em seis\n"
     "                 instantes (t = 0, tf/5, ..., tf) e os desenha com\n"
     "                 evolucao.gnu\n",
     &evolucao},
};

}  // namespace

std::span<const OpcaoDeEstudo> opcoes_dos_estudos() { return estudos; }

}  // namespace cli
