#pragma once
// One test executable per folder: each test file of the folder registers its test class here, and
// the folder's main runs them all in turn.

#include <QObject>

#include <functional>

struct EnregistrementTest {
    explicit EnregistrementTest(std::function<QObject*()> fabrique);
};

// Runs every registered test class under a QApplication; non-zero when any failed.
int ExecuterSuite(int argc, char** argv);

#define ENREGISTRER_TEST(Classe) static const EnregistrementTest enregistrement##Classe([] { return new Classe; });
