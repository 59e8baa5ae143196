#include "segmento.hpp"

#include "imagem.hpp"

namespace {

constexpr double PASSO = 0.0001;

// start + (end - start) * t, in double. The difference is taken in 64 bits, where no
// pair of 32-bit coordinates overflows, and is exact in double; the result lies between
// start and end, so truncating it back to 32 bits is always defined.
std::int32_t amostrar(std::int32_t inicio, std::int32_t fim, float t) {
    const double diferenca = static_cast<double>(std::int64_t{fim} - std::int64_t{inicio});
    return static_cast<std::int32_t>(diferenca * t + inicio);
}

}  // namespace

void casaConstrutor(std::int32_t linhaInicio, std::int32_t colunaInicio, std::int32_t linhaFim,
                    std::int32_t colunaFim, std::uint8_t vermelho, std::uint8_t verde,
                    std::uint8_t azul) {
    // t is single precision on purpose: accumulated that way it takes 10000 samples and
    // stops at about 1.0000535; in double it would take 10001.
    for (float t = 0.0F; t < 1.0F; t = static_cast<float>(t + PASSO)) {
        alterarpixel(amostrar(linhaInicio, linhaFim, t), amostrar(colunaInicio, colunaFim, t),
                     vermelho, verde, azul);
    }
}
