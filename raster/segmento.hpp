// Straight segments drawn by sampling: 10000 samples at t = 0, 0.0001, ... with t kept
// in single precision, each truncated toward zero to a pixel and set with alterarpixel.
// The end point itself is never sampled, so on an axis that increases along the segment
// the last pixel falls one short of the end; on an axis that decreases, the last samples
// reach it.
#pragma once

#include <cstdint>

void casaConstrutor(std::int32_t linhaInicio, std::int32_t colunaInicio, std::int32_t linhaFim,
                    std::int32_t colunaFim, std::uint8_t vermelho, std::uint8_t verde,
                    std::uint8_t azul);
