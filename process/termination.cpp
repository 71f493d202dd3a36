#include "process/termination.h"

namespace process {

namespace {
void (*unit_closer)() = nullptr;
bool terminating = false;
}  // namespace

void set_unit_closer(void (*close_all_units)()) { unit_closer = close_all_units; }

bool termination_in_progress() { return terminating; }

void terminate_units()
{
    if (terminating) return;
    terminating = true;
    if (unit_closer != nullptr) unit_closer();
}

}  // namespace process
