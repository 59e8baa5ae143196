#include "ppm.hpp"

#include <cstdio>

std::size_t formatarcabecalho(char* destino, std::int32_t largura, std::int32_t altura) {
    const int tamanho =
        std::snprintf(destino, MAXIMO_CABECALHO, "P3\n%d\t%d\n255\n", int{largura}, int{altura});
    return tamanho > 0 ? static_cast<std::size_t>(tamanho) : 0;
}

namespace {

char* escreverdecimal(char* destino, std::uint8_t valor) {
    if (valor >= 100) {
        *destino++ = static_cast<char>('0' + valor / 100);
    }
    if (valor >= 10) {
        *destino++ = static_cast<char>('0' + valor / 10 % 10);
    }
    *destino++ = static_cast<char>('0' + valor % 10);
    return destino;
}

}  // namespace

std::size_t formatarpixel(char* destino, std::uint8_t vermelho, std::uint8_t verde,
                          std::uint8_t azul) {
    char* fim = escreverdecimal(destino, vermelho);
    *fim++ = '\t';
    fim = escreverdecimal(fim, verde);
    *fim++ = '\t';
    fim = escreverdecimal(fim, azul);
    *fim++ = '\n';
    return static_cast<std::size_t>(fim - destino);
}
