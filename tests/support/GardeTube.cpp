#include "support/GardeTube.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

GardeTube::GardeTube(const QString& chemin, std::chrono::milliseconds delai)
    : m_chemin(QFile::encodeName(chemin)), m_fil([this, delai] { surveiller(delai); })
{
}

GardeTube::~GardeTube()
{
    {
        const std::lock_guard<std::mutex> garde(m_verrou);
        m_fini = true;
    }
    m_signal.notify_all();
    m_fil.join();
}

void GardeTube::surveiller(std::chrono::milliseconds delai)
{
    std::unique_lock<std::mutex> verrou(m_verrou);
    if (m_signal.wait_for(verrou, delai, [this] { return m_fini; }))
        return;
    // Opening the writing end without waiting succeeds only while a reader waits on the pipe; closing it
    // at once hands that reader an empty pipe. Tried again until the test is over, in case the wait
    // comes late.
    while (!m_fini) {
        const int fd = ::open(m_chemin.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            m_debloque = true;
            ::close(fd);
        }
        m_signal.wait_for(verrou, std::chrono::milliseconds(100), [this] { return m_fini; });
    }
}
