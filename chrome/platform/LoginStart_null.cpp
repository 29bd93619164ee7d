#include "LoginStart.h"

#include <QCoreApplication>

namespace LoginStart {

bool available()
{
    return false;
}

bool isOn()
{
    return false;
}

QString set(bool, const QString&)
{
    return QCoreApplication::translate("LoginStart", "this system has no login entries");
}

QString entryPath()
{
    return {};
}

} // namespace LoginStart
