#include "support/Suite.h"

#include <QLocale>

int main(int argc, char** argv)
{
    // The program prints in French whatever the machine's locale.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    return ExecuterSuite(argc, argv);
}
