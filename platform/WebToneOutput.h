// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ToneOutput.h"

/// Tones in a browser, through the Web Audio API: each tone's samples (the
/// synthesiser's own) are one buffer, scheduled on the page's audio context
/// right after the tone before it, so a melody plays without gaps. A page may
/// make sound only after the user's first key press or click; tones before it
/// pass in silence.
class WebToneOutput : public ToneOutput {
public:
    bool play(int hertz, int milliseconds) override;
    void rest() override {}
    QString problem() const override { return m_problem; }

private:
    QString m_problem;
};
