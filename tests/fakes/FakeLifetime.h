#pragma once

#include "Lifetime.h"

class FakeLifetime : public Lifetime {
public:
    bool ending = false;
    int status = -1;
    void endProgram(int s) override
    {
        ending = true;
        status = s;
    }
    bool isEnding() const override { return ending; }
};
