#include "geometria.hpp"

#include <cmath>

float converterRad(float graus) {
    return static_cast<float>(static_cast<double>(graus) * PI / 180.0);
}

namespace {

// The offset from pivot to point, rounded to single precision. It is taken in 64 bits
// so that no pair of 32-bit coordinates overflows.
float deslocamento(std::int32_t de, std::int32_t ate) {
    return static_cast<float>(std::int64_t{ate} - std::int64_t{de});
}

}  // namespace

Ponto rotacionarPonto(std::int32_t linha, std::int32_t coluna, std::int32_t pivoColuna,
                      std::int32_t pivoLinha, float graus) {
    const float u = deslocamento(pivoColuna, coluna);
    const float v = deslocamento(pivoLinha, linha);
    const double theta = converterRad(graus);
    const double cosseno = std::cos(theta);
    const double seno = std::sin(theta);
    // Products and sums in double, one rounding to single at the end; the build forbids
    // fusing them into a multiply-add, which would round once less and move the corners.
    const float nx = static_cast<float>(double{u} * cosseno - double{v} * seno);
    const float ny = static_cast<float>(double{u} * seno + double{v} * cosseno);
    // The pivot is added in single precision.
    return Ponto{static_cast<float>(pivoColuna) + nx, static_cast<float>(pivoLinha) + ny};
}
