#pragma once
// What every measure of the benchmark shares: an operation timed over several runs, two timings set side
// by side, and a statement stepped bare on SQLite's C API, the yardstick each operation is measured against.

#include "data/Instruction.h"

#include <QtGlobal>

#include <functional>

struct sqlite3;
struct sqlite3_stmt;

struct Mesure {
    double meilleur;
    double median;
};

// Runs `operation` `fois` times and prints its best and median times in milliseconds.
Mesure Chronometrer(const char* nom, int fois, const std::function<void()>& operation);
// Prints how many times slower `a` is than `b`, best against best and median against median.
void Rapport(const char* nom, const Mesure& a, const Mesure& b);

// Steps a prepared statement to its end, reading every column in its stored type, then finalizes it; the
// sum returned only keeps the compiler from skipping the reads.
qint64 ParcourirNu(sqlite3_stmt* stmt);
// The statement prepared, its values bound in order (whole numbers as integers, anything else as text),
// then stepped as above.
qint64 InstructionNue(sqlite3* db, const Instruction& instruction);
