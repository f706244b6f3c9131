#include "support/Suite.h"

#include <QApplication>

int ExecuterSuite(int argc, char** argv)
{
    QApplication app(argc, argv);
    return ExecuterTestsEnregistres(argc, argv);
}
