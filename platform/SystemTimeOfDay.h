#pragma once

#include "TimeOfDay.h"

/// The local time of day from the system clock.
class SystemTimeOfDay : public TimeOfDay {
public:
    double secondsSinceMidnight() const override;
};
