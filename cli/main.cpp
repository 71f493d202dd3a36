#include "cli/cli.h"
#include "platform/system.h"
#include "process/startup.h"
#include "textio/units/unit.h"

int main(int argc, char** argv)
{
    // First of the exit routines, so that it runs last: a console window of
    // the program's own stays open until its messages have been read.
    platform::console_keep_open_at_exit("Pressione Enter para fechar esta janela.");
    process::start_up(argc, argv, &textio::units_initialise, &cli::programa);
}
