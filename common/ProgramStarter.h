#pragma once

#include <QString>

// Starts another program of the suite. Replaced in tests, which record what would be started.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program file detached, with a normal window, in the current directory.
    // Returns false when the process could not be created.
    virtual bool start(const QString& filePath) = 0;
};

class ProcessStarter final : public ProgramStarter {
public:
    bool start(const QString& filePath) override;
};
