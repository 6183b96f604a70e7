#pragma once
// The two card sounds, synthesised from filtered noise and a short low tone.

#include <vector>

namespace vm {

// A card laid down on cloth: a soft, dull thud of about 120 ms.
std::vector<double> SynthesiseCardDown();

// A card snapped up from the table: a crisp click and a short flutter, about 150 ms.
std::vector<double> SynthesiseCardUp();

}  // namespace vm
