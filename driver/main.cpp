#include "driver/driver.h"
#include "process/startup.h"
#include "textio/units/unit.h"

int main(int argc, char** argv) { process::start_up(argc, argv, &textio::units_initialise, &driver::programa); }
