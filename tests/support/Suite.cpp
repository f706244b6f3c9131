#include "support/Suite.h"

#include <QCoreApplication>
#include <QtTest>

#include <array>
#include <csignal>
#include <memory>
#include <vector>

namespace {
std::vector<std::function<QObject*()>>& fabriques()
{
    static std::vector<std::function<QObject*()>> f;
    return f;
}

// QtTest logs a crash through handlers of its own on these signals. When a run ends it puts back only
// the actions that were not the default, so its handler stays on the others; the next run then takes
// that handler for the action to hand the signal back to, and a fault returns to the faulting
// instruction, crashes again and logs again, forever. Every run must start from the actions as they were
// before the first, so a crash is logged once and ends the process by its own signal.
constexpr std::array signauxFatals {SIGHUP, SIGINT, SIGQUIT, SIGILL, SIGABRT, SIGBUS, SIGFPE, SIGSEGV, SIGPIPE, SIGTERM};

class ActionsDesSignaux {
public:
    ActionsDesSignaux()
    {
        for (std::size_t i = 0; i < signauxFatals.size(); ++i)
            sigaction(signauxFatals[i], nullptr, &m_actions[i]);
    }

    void retablir() const
    {
        for (std::size_t i = 0; i < signauxFatals.size(); ++i)
            sigaction(signauxFatals[i], &m_actions[i], nullptr);
    }

private:
    std::array<struct sigaction, signauxFatals.size()> m_actions {};
};
}  // namespace

EnregistrementTest::EnregistrementTest(std::function<QObject*()> fabrique)
{
    fabriques().push_back(std::move(fabrique));
}

int ExecuterTestsEnregistres(int argc, char** argv)
{
    const ActionsDesSignaux avant;
    int resultat = 0;
    for (const auto& fabrique : fabriques()) {
        std::unique_ptr<QObject> test(fabrique());
        resultat |= QTest::qExec(test.get(), argc, argv);
        avant.retablir();
    }
    return resultat;
}

int ExecuterSuiteRegles(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return ExecuterTestsEnregistres(argc, argv);
}
