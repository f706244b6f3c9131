#pragma once
// What every measure of the benchmark shares: an operation timed over several runs, the program's side and
// its bare yardstick timed in turn round after round, a statement stepped bare on SQLite's C API (the
// yardstick each operation is measured against) and the resident memory.

#include "data/Instruction.h"

#include <QtGlobal>

#include <functional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

struct Mesure {
    double meilleur;
    double median;
};

// Runs `operation` `fois` times and prints its best and median times in milliseconds.
Mesure Chronometrer(const char* nom, int fois, const std::function<void()>& operation);

// The bare side and the program's side run in turn, `fois` rounds of one each, so that a machine whose
// speed drifts weighs on both alike. `preparerNu`, when given, runs untimed before each bare run (links
// the bare statement reads but the program makes itself), `finirNu` after it. Prints both sides and the
// median of the rounds' ratios, with their spread.
struct Comparaison {
    Mesure programme;
    Mesure nu;
    double rapport;  // median of program / bare, round by round
};
Comparaison Comparer(const char* nomProgramme, const char* nomNu, int fois, const std::function<void()>& programme,
    const std::function<void()>& nu, const std::function<void()>& preparerNu = {},
    const std::function<void()>& finirNu = {});
// The ratio line alone, for sides measured in turn by the caller: `programme` and `nu` hold one time per round.
double RapportTours(const char* nom, std::vector<double> programme, std::vector<double> nu);

// The process's resident memory (VmRSS of /proc/self/status), in MiB.
double MemoireResidente();

// Steps a prepared statement to its end, reading every column in its stored type, then finalizes it; the
// sum returned only keeps the compiler from skipping the reads.
qint64 ParcourirNu(sqlite3_stmt* stmt);
// The statement prepared, its values bound in order (whole numbers as integers, anything else as text),
// then stepped as above.
qint64 InstructionNue(sqlite3* db, const Instruction& instruction);
