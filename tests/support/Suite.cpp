#include "support/Suite.h"

#include <QCoreApplication>
#include <QtTest>

#include <memory>
#include <vector>

namespace {
std::vector<std::function<QObject*()>>& fabriques()
{
    static std::vector<std::function<QObject*()>> f;
    return f;
}
}  // namespace

EnregistrementTest::EnregistrementTest(std::function<QObject*()> fabrique)
{
    fabriques().push_back(std::move(fabrique));
}

int ExecuterTestsEnregistres(int argc, char** argv)
{
    int resultat = 0;
    for (const auto& fabrique : fabriques()) {
        std::unique_ptr<QObject> test(fabrique());
        resultat |= QTest::qExec(test.get(), argc, argv);
    }
    return resultat;
}

int ExecuterSuiteRegles(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return ExecuterTestsEnregistres(argc, argv);
}
