// Stands for a suite whose second test class crashes: two classes registered as every suite registers
// them, the second faulting when SUITE_PLANTEE names a fault ("memoire" or "instruction").

#include "support/Suite.h"

#include <QtTest>

class PremiereClasse : public QObject {
    Q_OBJECT

private slots:
    void passe() { QVERIFY(true); }
};

class SecondeClasse : public QObject {
    Q_OBJECT

private slots:
    void plante()
    {
        const QByteArray faute = qgetenv("SUITE_PLANTEE");
        if (faute == "memoire") {
            // Read through a variable the compiler cannot see into, so the write stays a real fault.
            int* volatile adresse = nullptr;
            *adresse = 1;
        } else if (faute == "instruction") {
            __builtin_trap();
        }
        QVERIFY(true);
    }
};

ENREGISTRER_TEST(PremiereClasse)
ENREGISTRER_TEST(SecondeClasse)

#include "suite_plantee.moc"
