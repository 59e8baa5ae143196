// Plane geometry of the picture: degrees to radians with PI = 3.14, and the turn of
// an integer point about an integer pivot, with the result in single precision.
#pragma once

#include <cstdint>

// The program's value of pi, 3.14 and not 3.14159...: the house is drawn with it.
inline constexpr double PI = 3.14;

// A point of the picture: x is a column position, y a row position.
struct Ponto {
    float x;
    float y;
};

// graus * PI / 180, formed in double precision and rounded once to single.
float converterRad(float graus);

// Turns the point (linha, coluna) by `graus` about (pivoColuna, pivoLinha); a positive
// angle turns clockwise as the picture is seen, since rows grow downward. Note the
// orders: the point row first, the pivot column first. No truncation is done here.
Ponto rotacionarPonto(std::int32_t linha, std::int32_t coluna, std::int32_t pivoColuna,
                      std::int32_t pivoLinha, float graus);
