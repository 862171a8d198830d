#include "SystemTimeOfDay.h"

#include <QTime>

double SystemTimeOfDay::secondsSinceMidnight() const
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
