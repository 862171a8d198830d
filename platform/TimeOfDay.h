#pragma once

/// The local time of day.
class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;

    /// Seconds since midnight, with a fraction.
    virtual double secondsSinceMidnight() const = 0;
};
