#include "StoreError.h"

#include <QCoreApplication>
#include <QDir>

QString StoreError::message() const
{
    //: %1 is the settings file, %2 why it could not be written
    return QCoreApplication::translate("StoreError", "The settings could not be saved in %1: %2.")
        .arg(QDir::toNativeSeparators(file), reason);
}
