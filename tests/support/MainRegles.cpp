#include "support/Suite.h"

int main(int argc, char** argv)
{
    return ExecuterSuiteRegles(argc, argv);
}
