#pragma once

#include <QFile>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <stop_token>
#include <thread>
#include <unistd.h>

// Lets a test hand FIFOs to code that must not open them: should the test still run twenty
// seconds later, the FIFOs are opened for writing again and again, so that a reader waiting in
// open() goes on (reading nothing) and the test fails instead of hanging for good.
class FifoGuard {
public:
    explicit FifoGuard(QStringList fifos)
        : m_watch([this, fifos = std::move(fifos)](const std::stop_token& stop) {
              std::mutex mutex;
              std::condition_variable_any never;
              std::unique_lock lock(mutex);
              never.wait_for(lock, stop, std::chrono::seconds(20), [] { return false; });
              for (; !stop.stop_requested(); std::this_thread::sleep_for(kRetry)) {
                  m_fired = true;
                  for (const QString& fifo : fifos)
                      ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK));
              }
          })
    {
    }

    // True when something was still waiting on a FIFO after twenty seconds.
    bool fired() const { return m_fired; }

private:
    static constexpr std::chrono::milliseconds kRetry{50};
    std::atomic<bool> m_fired = false;
    std::jthread m_watch; // stopped and joined when the guard goes
};
