// The picture's text in the plain PPM form ("P3"): the header, and one line per pixel
// of red, green and blue as decimals separated by tabs. Each function writes its text
// at `destino`, which must have room for the maximum it names, and returns its length.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::size_t MAXIMO_CABECALHO = 32;
inline constexpr std::size_t MAXIMO_LINHA_PIXEL = sizeof "255\t255\t255\n" - 1;

// "P3", the width and height separated by a tab, and the maximum value 255.
std::size_t formatarcabecalho(char* destino, std::int32_t largura, std::int32_t altura);

// "r\tg\tb\n", each an unsigned decimal with no leading zeros.
std::size_t formatarpixel(char* destino, std::uint8_t vermelho, std::uint8_t verde,
                          std::uint8_t azul);
