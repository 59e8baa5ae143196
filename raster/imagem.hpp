// The one picture of the program, 256 rows of 256 pixels of red, green and blue bytes,
// with static storage. It is addressed as one flat run of bytes: (linha, coluna) starts
// at byte (linha * 256 + coluna) * 3, so a column past the right edge goes on into the
// next row. Row 0 is the top line; column 0 the left edge.
#pragma once

#include <cstdint>

inline constexpr std::int32_t ALTURA = 256;
inline constexpr std::int32_t LARGURA = 256;
inline constexpr std::int32_t CANAIS = 3;

extern std::uint8_t img[ALTURA][LARGURA][CANAIS];

// Writes the PPM header to standard output, then makes the picture black.
void inicializarimg();

// Makes every byte of the picture 0, and prints nothing.
void limparimg();

// The byte where the pixel (linha, coluna) starts, from the start of the picture. For
// 32-bit coordinates it never overflows; it may lie outside the picture.
constexpr std::int64_t enderecopixel(std::int64_t linha, std::int64_t coluna) {
    return (linha * LARGURA + coluna) * CANAIS;
}

// Stores the colour of the pixel at the flat address of (linha, coluna); a pair whose
// address falls outside the picture is ignored. Every pair of 32-bit values is safe.
void alterarpixel(std::int32_t linha, std::int32_t coluna, std::uint8_t vermelho,
                  std::uint8_t verde, std::uint8_t azul);

// Writes every pixel to standard output, one text line each, rows top to bottom and
// each row left to right.
void imprimirimg();
