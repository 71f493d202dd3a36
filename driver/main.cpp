#include "cli/cli.h"
#include "driver/driver.h"
#include "process/startup.h"
#include "textio/units/unit.h"

int main(int argc, char** argv)
{
    driver::acrescentar_opcoes(cli::opcoes_dos_estudos());
    process::start_up(argc, argv, &textio::units_initialise, &driver::programa);
}
