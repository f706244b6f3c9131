#include "support/Suite.h"

int main(int argc, char** argv)
{
    return ExecuterSuite(argc, argv);
}
