#include "driver/driver.h"

int main()
{
    driver::principal();
    return 0;
}
