// The run's numbers against the exact doubles that the independent
// computation of the end-to-end cases gives (numeros.txt, written by
// tests/e2e/make_expected.py): bit for bit, so that an operation taken in
// another order fails here even where the report's 16 digits hide it.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "driver/driver.h"

namespace {

namespace fs = std::filesystem;
using driver::state;

// Each line of numeros.txt: a name, then its values in hexadecimal.
std::map<std::string, std::vector<double>> exact_numbers(const fs::path& file)
{
    std::map<std::string, std::vector<double>> numbers;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string name, value;
        words >> name;
        while (words >> value) numbers[name].push_back(std::strtod(value.c_str(), nullptr));
    }
    return numbers;
}

// The eight values of dados.txt, read as plain decimal numbers.
std::vector<double> problem_data(const fs::path& file)
{
    std::vector<double> values;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) values.push_back(std::strtod(line.c_str(), nullptr));
    return values;
}

std::string bits(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

class ExpectedNumbers : public ::testing::TestWithParam<std::string> {
protected:
    void TearDown() override { driver::reset_simulation_state(); }
};

TEST_P(ExpectedNumbers, TheRunGivesTheExactDoubles)
{
    const fs::path folder = fs::path(DIFUSAO_EXPECTED_FOLDER) / GetParam();
    const std::vector<double> data = problem_data(folder / "dados.txt");
    ASSERT_EQ(data.size(), 8u);
    const auto exact = exact_numbers(folder / "numeros.txt");
    ASSERT_FALSE(exact.empty()) << folder;

    driver::reset_simulation_state();
    state.pi = std::acos(-1.0);
    state.N = static_cast<std::int32_t>(data[0]);
    state.nt = static_cast<std::int32_t>(data[1]);
    state.tf = data[2];
    state.theta = data[3];
    state.alpha = data[4];
    state.L = data[5];
    state.Ta = data[6];
    state.Tb = data[7];
    driver::simular();

    const std::map<std::string, std::vector<double>> run = {
        {"dx", {state.dx}},
        {"dt", {state.dt}},
        {"t", {state.t}},
        {"aw", {state.aw.data(), state.aw.data() + state.N}},
        {"ap", {state.ap.data(), state.ap.data() + state.N}},
        {"ae", {state.ae.data(), state.ae.data() + state.N}},
        {"bp", {state.bp.data(), state.bp.data() + state.N}},
        {"T", {state.T.data(), state.T.data() + state.N}},
        {"Tan", {state.Tan.data(), state.Tan.data() + state.N}},
        {"Tm", {state.Tm.data(), state.Tm.data() + state.nt + 1}},
        {"Tman", {state.Tman.data(), state.Tman.data() + state.nt + 1}},
    };
    for (const auto& [name, values] : run) {
        const auto wanted = exact.find(name);
        ASSERT_NE(wanted, exact.end()) << name;
        ASSERT_EQ(values.size(), wanted->second.size()) << name;
        for (std::size_t i = 0; i < values.size(); ++i)
            EXPECT_EQ(bits(values[i]), bits(wanted->second[i])) << name << " element " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ExpectedNumbers,
                         ::testing::Values("dois_volumes", "contornos", "decaimento_longo", "explicito", "inexato",
                                           "varios_buffers", "ultimo_digito"));

}  // namespace
