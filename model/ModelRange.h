#pragma once

struct ExperimentState;

/// Whether the six parameters of a state give a model that can be computed and
/// shown: every derived quantity finite (for any charge number 1 to 10), the
/// relaxation time, terminal velocity, gap, plot span and time step finite and
/// greater than 0 (also in the single precision in which they are stored or
/// drawn), the mass not lost to underflow, and the field's effect on the
/// limiting velocity large enough to be told from 1, so that the charge ratio
/// can be formed.
///
/// The quantities are evaluated exactly as the read-outs compute them.
class ModelRange {
public:
    static bool computable(const ExperimentState& parameters);
};
