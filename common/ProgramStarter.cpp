#include "ProgramStarter.h"

#include <QDir>
#include <QProcess>

bool ProcessStarter::start(const QString& filePath)
{
    // No arguments: the programs are configured by the store alone.
    return QProcess::startDetached(filePath, {}, QDir::currentPath());
}
