#include "LoginStart.h"

namespace LoginStart {

bool available()
{
    return false;
}

bool isOn()
{
    return false;
}

bool set(bool, const QString&)
{
    return false;
}

QString entryPath()
{
    return {};
}

} // namespace LoginStart
