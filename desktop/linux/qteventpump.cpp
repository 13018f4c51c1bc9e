#include "desktop/linux/qteventpump.h"

#include <QCoreApplication>

void QtEventPump::yield()
{
    QCoreApplication::processEvents();
}
