#pragma once

// The wait pointer for as long as the guard lives.
class Sablier {
public:
    Sablier();
    ~Sablier();
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;

    // Ends the wait before the guard goes out of scope; later calls do nothing.
    void restaurer();

private:
    bool m_actif = false;
};

// Puts the default pointer back whatever was set before: the end of start-up and the splash's timer
// both mean "the program is ready", not "the last wait is over".
void RetablirPointeurParDefaut();
