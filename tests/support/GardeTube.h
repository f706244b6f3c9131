#pragma once
// Watches a named pipe while a test calls code that must never open it: opening a pipe for reading waits
// for a writer, so such a slip would hold the suite until its time limit. Once `delai` has passed, the
// guard plays the writer for whoever waits on the pipe, which lets the call go on, and says so; the test
// then fails within seconds instead.

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class GardeTube {
public:
    explicit GardeTube(const QString& chemin, std::chrono::milliseconds delai = std::chrono::seconds(3));
    ~GardeTube();
    GardeTube(const GardeTube&) = delete;
    GardeTube& operator=(const GardeTube&) = delete;

    // True when something waited on the pipe past the delay and had to be let go.
    bool aDuDebloquer() const { return m_debloque; }

private:
    void surveiller(std::chrono::milliseconds delai);

    QByteArray m_chemin;
    std::mutex m_verrou;
    std::condition_variable m_signal;
    bool m_fini = false;
    std::atomic<bool> m_debloque {false};
    std::thread m_fil;
};
