#pragma once

#include "TimeOfDay.h"

class FakeTimeOfDay : public TimeOfDay {
public:
    double seconds = 45296.25; // 12:34:56.25
    double secondsSinceMidnight() const override { return seconds; }
};
