#pragma once

#include "ToneGenerator.h"

#include <utility>
#include <vector>

/// Records every tone instead of playing it.
class FakeToneGenerator : public ToneGenerator {
public:
    std::vector<std::pair<int, int>> tones; ///< (hertz, milliseconds)
    void tone(int hertz, int milliseconds) override { tones.emplace_back(hertz, milliseconds); }
};
