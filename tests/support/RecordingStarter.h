#pragma once

#include "ProgramStarter.h"

#include <QStringList>

// Starts nothing: keeps every path it was asked to start, in order, and answers with succeed.
class RecordingStarter final : public ProgramStarter {
public:
    bool start(const QString& filePath) override
    {
        started.push_back(filePath);
        return succeed;
    }

    QStringList started;
    bool succeed = true;
};
