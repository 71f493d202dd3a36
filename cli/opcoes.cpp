// The options of the studies, as the driver's option table receives them.

#include "cli/cli.h"

namespace cli {

namespace {

constexpr driver::OpcaoAcrescentada opcoes[] = {
    {"--convergencia",
     "  --convergencia lê dados.txt como uma execução, sem abrir o editor, e calcula o\n"
     "                 caso em 4 níveis: N·2^k volumes e nt·2^k passos (theta = 0.5)\n"
     "                 ou nt·4^k (outro theta); grava os erros no tempo final contra\n"
     "                 a solução analítica e as ordens observadas em\n"
     "                 convergencia.txt e convergencia.dat e os desenha com\n"
     "                 convergencia.gnu (gravado se faltar); perto de 2 para um\n"
     "                 esquema de 2a ordem. Não toca nos arquivos de uma execução\n",
     &convergencia},
    {"--evolucao",
     "  --evolucao     calcula o caso de dados.txt e grava em evolucao.dat os perfis\n"
     "                 numérico e analítico em seis instantes (t = 0, tf/5, ...,\n"
     "                 tf) e os desenha com evolucao.gnu; não toca nos arquivos de\n"
     "                 uma execução\n",
     &evolucao},
};

}  // namespace

std::span<const driver::OpcaoAcrescentada> opcoes_dos_estudos() { return opcoes; }

}  // namespace cli
