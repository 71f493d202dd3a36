// The sizes that --verificar announces are those of the files a run writes,
// an integer field of the report overflowing into asterisks included.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "driver/driver.h"
#include "numerics/numerics.h"
#include "results/results.h"
#include "support/environment.h"
#include "support/files.h"
#include "support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

struct Sizes {
    std::int32_t N;
    std::int32_t nt;
};

class FileSizes : public ::testing::TestWithParam<Sizes> {};

TEST_P(FileSizes, AreThoseOfTheFilesARunWrites)
{
    const auto [N, nt] = GetParam();
    const fs::path folder = testing_support::make_scratch_folder("tamanhos");
    const testing_support::WorkingFolder here(folder);
    testing_support::ScopedEnvironment environment;
    environment.set("COMSPEC", "/bin/true");  // the viewers do nothing

    testing_support::write_file(driver::arquivo_de_dados,
                                std::to_string(N) + "\n" + std::to_string(nt) + "\n1\n0.5\n1e-3\n1\n0\n0\n");
    driver::reset_simulation_state();
    driver::ler_dados();
    driver::state.pi = numerics::valor_de_pi();
    driver::simular();
    results::resultados();
    driver::reset_simulation_state();

    const results::TamanhosDosArquivos tamanhos = results::tamanhos_dos_arquivos(N, nt);
    EXPECT_EQ(static_cast<double>(fs::file_size(results::nome_do_relatorio)), tamanhos.relatorio);
    EXPECT_EQ(static_cast<double>(fs::file_size(results::nome_do_perfil)), tamanhos.perfil);
    EXPECT_EQ(static_cast<double>(fs::file_size(results::nome_do_historico)), tamanhos.historico);
}

std::string name_of(const ::testing::TestParamInfo<Sizes>& info)
{
    std::string name = "N";
    name += std::to_string(info.param.N);
    name += "_nt";
    name += std::to_string(info.param.nt);
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, FileSizes, ::testing::Values(Sizes{2, 1}, Sizes{7, 300}, Sizes{100001, 2}), name_of);

}  // namespace
