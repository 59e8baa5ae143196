#include "segmento.hpp"

#include <algorithm>
#include <cstring>

#include "imagem.hpp"

namespace {

constexpr double PASSO = 0.0001;

// Calls pintar(linha, coluna) for each sample of the segment. Each coordinate is
// start + (end - start) * t in double, truncated toward zero; the difference is taken in
// 64 bits, where no pair of 32-bit coordinates overflows, and is exact in double. The
// sample lies between start and end, so it fits the 32 bits of the coordinates.
template <typename Pintar>
void amostrar(std::int32_t linhaInicio, std::int32_t colunaInicio, std::int32_t linhaFim,
              std::int32_t colunaFim, Pintar pintar) {
    const auto dLinha = static_cast<double>(std::int64_t{linhaFim} - linhaInicio);
    const auto dColuna = static_cast<double>(std::int64_t{colunaFim} - colunaInicio);
    // t is single precision on purpose: accumulated that way it takes 10000 samples and
    // stops at about 1.0000535; in double it would take 10001.
    for (float t = 0.0F; t < 1.0F; t = static_cast<float>(t + PASSO)) {
        pintar(static_cast<std::int64_t>(dLinha * t + linhaInicio),
               static_cast<std::int64_t>(dColuna * t + colunaInicio));
    }
}

// Whether every pixel of the box between the two points has its address in the
// picture. The flat address grows with the row and with the column, so the box's first
// and last pixels bound all of its addresses.
bool caixanaimagem(std::int32_t linhaInicio, std::int32_t colunaInicio, std::int32_t linhaFim,
                   std::int32_t colunaFim) {
    const std::int64_t primeiro =
        enderecopixel(std::min(linhaInicio, linhaFim), std::min(colunaInicio, colunaFim));
    const std::int64_t ultimo =
        enderecopixel(std::max(linhaInicio, linhaFim), std::max(colunaInicio, colunaFim));
    return primeiro >= 0 && ultimo + CANAIS <= std::int64_t{sizeof img};
}

}  // namespace

void casaConstrutor(std::int32_t linhaInicio, std::int32_t colunaInicio, std::int32_t linhaFim,
                    std::int32_t colunaFim, std::uint8_t vermelho, std::uint8_t verde,
                    std::uint8_t azul) {
    if (caixanaimagem(linhaInicio, colunaInicio, linhaFim, colunaFim)) {
        // Every sample lands inside the picture: its colour is stored with no check.
        // This is the house's case, and the loop that makes the program's cost.
        // Red and green go out in one 16-bit store, blue in a byte.
        const std::uint8_t cor[CANAIS] = {vermelho, verde, azul};
        std::uint16_t vermelhoverde;
        std::memcpy(&vermelhoverde, cor, 2);
        auto* const bytes = reinterpret_cast<std::uint8_t*>(&img);
        amostrar(linhaInicio, colunaInicio, linhaFim, colunaFim,
                 [&](std::int64_t linha, std::int64_t coluna) {
                     std::uint8_t* const pixel = bytes + enderecopixel(linha, coluna);
                     std::memcpy(pixel, &vermelhoverde, 2);
                     pixel[2] = azul;
                 });
    } else {
        amostrar(linhaInicio, colunaInicio, linhaFim, colunaFim,
                 [&](std::int64_t linha, std::int64_t coluna) {
                     alterarpixel(static_cast<std::int32_t>(linha),
                                  static_cast<std::int32_t>(coluna), vermelho, verde, azul);
                 });
    }
}
