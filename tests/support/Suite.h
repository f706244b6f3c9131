#pragma once
// One test executable per folder for its screens, and one for its rules: each test file of the folder
// registers its test class here, and the executable's main runs them all in turn.

#include <QObject>

#include <functional>

struct EnregistrementTest {
    explicit EnregistrementTest(std::function<QObject*()> fabrique);
};

// Runs every registered test class under a QApplication; non-zero when any failed.
int ExecuterSuite(int argc, char** argv);

// The same under a QCoreApplication: the rules' suites link no widget library.
int ExecuterSuiteRegles(int argc, char** argv);

// Runs every registered test class under the application already made.
int ExecuterTestsEnregistres(int argc, char** argv);

#define ENREGISTRER_TEST(Classe) static const EnregistrementTest enregistrement##Classe([] { return new Classe; });
