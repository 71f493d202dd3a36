// --verificar: the values as a run reads them, the warnings, and the exit
// status of the run that would follow; no file is written.

#include <gtest/gtest.h>

#include "support/files.h"
#include "support/program_run.h"
#include "support/scratch_folder.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct Case {
    const char* name;
    std::string data;
    int exit_status;
    std::vector<const char*> in_output;
    const char* in_error;  // "" for an empty standard error
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class Verify : public ::testing::TestWithParam<Case> {};

TEST_P(Verify, TellsWhatTheRunWouldDo)
{
    const Case c = GetParam();
    const fs::path folder = make_scratch_folder(std::string("verificar_") + c.name);
    write_file(folder / "dados.txt", c.data);
    const Outcome outcome = launch(
        {folder, {"--verificar"}, {{"COMSPEC", std::nullopt}, {"VISUAL", std::nullopt}, {"EDITOR", std::nullopt}}});
    EXPECT_EQ(outcome.exit_status, c.exit_status) << outcome.standard_output << outcome.standard_error;
    for (const char* text : c.in_output)
        EXPECT_NE(outcome.standard_output.find(text), std::string::npos) << text << "\n" << outcome.standard_output;
    if (*c.in_error) {
        EXPECT_NE(outcome.standard_error.find(c.in_error), std::string::npos) << outcome.standard_error;
    } else {
        EXPECT_EQ(outcome.standard_error, "");
    }
    EXPECT_EQ(folder_contents(folder), std::vector<std::string>{"dados.txt"});
    EXPECT_EQ(read_file(folder / "dados.txt"), c.data);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Verify,
    ::testing::Values(
        Case{"sound",
             data_file("20", "200", "0.1", "0.5"),
             0,
             {"theta  = 0.5", "alpha  = 1 m²/s", "linha 8", "saida.txt: ", "memória", "A execução calcularia"},
             ""},
        // The input cases: a comma between two digits stops the run; after
        // a blank or before text it separates; a byte-order mark is passed
        // over; swapped value lines are named by their descriptions.
        Case{"decimal_comma",
             "20\n200\n0.1\n0,5  theta\n1\n1\n0\n0\n",
             1,
             {},
             "run-time error F6103: READ(dados.txt)\r\n- decimal comma on line 4 of dados.txt (theta): '0,5'; write a "
             "decimal point: 0.5\r\n"},
        Case{"thousands_separator",
             data_file("20", "1,000", "0.1", "0.5"),
             1,
             {},
             "run-time error F6101: READ(dados.txt)\r\n- comma in an integer on line 2 of dados.txt (nt): '1,000'"},
        Case{"comma_after_a_blank", "20\n200\n0.1\n0.5 , 3\n1\n1\n0\n0\n", 0, {"theta  = 0.5 "}, ""},
        Case{"comma_before_text", "20\n200\n0.1\n0.5,theta\n1\n1\n0\n0\n", 0, {"theta  = 0.5 "}, ""},
        Case{"byte_order_mark", "\xEF\xBB\xBF" + data_file("20", "200", "0.1", "0.5"), 0, {"N      = 20 "}, ""},
        Case{"swapped_lines",
             "20 N\n200 nt\n0.1 tf\n0.5 theta\n2.0 L comprimento\n1e-4 difusividade térmica\n0\n0\n",
             0,
             {"linha 5: a descrição fala de L, mas o valor lido nessa linha é alpha",
              "linha 6: a descrição fala de alpha, mas o valor lido nessa linha é L"},
             ""},
        Case{"boundaries",
             data_file("20", "200", "0.1", "0.5", "1", "1", "20", "0"),
             0,
             {"Ta = 20 °C", "supõe as duas extremidades a 0 °C"},
             ""},
        Case{"ranges", data_file("20", "200", "0.1", "1.5"), 0, {"theta = 1.5 está fora de [0, 1]"}, ""},
        Case{"no_volumes",
             data_file("0", "200", "0.1", "0.5"),
             1,
             {"N = 0", "M6103 (floating-point error: divide by zero): N (linha 1 de dados.txt) = 0"},
             ""},
        Case{"no_steps", data_file("20", "0", "0.1", "0.5"), 1, {"M6103", "nt (linha 2 de dados.txt) = 0"}, ""},
        Case{"no_length", data_file("20", "10", "0.1", "0.5", "1", "0"), 1, {"L (linha 6 de dados.txt) = 0"}, ""},
        Case{"no_diffusivity",
             data_file("20", "10", "0.1", "0.5", "0"),
             1,
             {"M6103", "alpha (linha 5 de dados.txt) = 0"},
             ""},
        Case{"one_volume", data_file("1", "10", "0.1", "0.5"), 1, {"F6779"}, ""},
        // Stable enough not to overflow in a few steps: computed, exit 0.
        Case{"unstable_short",
             data_file("10", "100", "1", "0"),
             0,
             {"alpha·dt/dx² = 1 passa do limite", "nt ≥ 200", "O cálculo chega ao fim"},
             ""},
        // Grows until it overflows: the run's own report.
        Case{"unstable_overflow",
             data_file("50", "4000", "100", "0"),
             1,
             {"Use nt ≥"},
             "run-time error M6104: MATH\r\n- floating-point error: overflow"},
        Case{"reading_error",
             data_file("20", "200", "abc", "0.5"),
             1,
             {},
             "run-time error F6103: READ(dados.txt)\r\n- invalid real number on line 3 of dados.txt (tf): 'abc'"},
        Case{"utf16",
             std::string("\xFF\xFE"
                         "2\0"
                         "0\0\n\0",
                         8),
             1,
             {},
             "dados.txt is UTF-16 text"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Verify, WithoutAnInputFileCreatesNone)
{
    const fs::path folder = make_scratch_folder("verificar_sem_dados");
    const Outcome outcome = launch({folder, {"--verificar"}, {}});
    EXPECT_EQ(outcome.exit_status, 1);
    EXPECT_NE(outcome.standard_error.find("--exemplo"), std::string::npos) << outcome.standard_error;
    EXPECT_TRUE(folder_contents(folder).empty());
}

}  // namespace
