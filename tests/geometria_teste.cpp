#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "geometria.hpp"

namespace {

constexpr std::int32_t MINIMO = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t MAXIMO = std::numeric_limits<std::int32_t>::max();

TEST(ConverterRad, UsesPiOf3Point14RoundedOnceToSingle) {
    struct Caso {
        float graus;
        float radianos;
    };
    for (const Caso caso : {Caso{180.0F, 3.14F}, Caso{-180.0F, -3.14F}, Caso{90.0F, 1.57F},
                            Caso{360.0F, 6.28F}, Caso{0.0F, 0.0F}}) {
        EXPECT_EQ(converterRad(caso.graus), caso.radianos) << caso.graus << " degrees";
    }
    // Neither 3.14 nor pi: the single-precision value nearest 3.14.
    EXPECT_EQ(static_cast<double>(converterRad(180.0F)), 3.1400001049041748);
}

// The house's corners turned 180 degrees about (column 256, row 128): the exact
// single-precision results, and the pixel each truncates to.
struct CantoGirado {
    std::int32_t linha;
    std::int32_t coluna;
    float x;
    float y;
    std::int32_t colunaPixel;
    std::int32_t linhaPixel;
};

void PrintTo(const CantoGirado& canto, std::ostream* saida) {
    *saida << "row " << canto.linha << ", column " << canto.coluna;
}

class CantosDaCasa : public testing::TestWithParam<CantoGirado> {};

TEST_P(CantosDaCasa, TurnToExactSingleValuesThatTruncateTowardZero) {
    const CantoGirado canto = GetParam();
    const Ponto p = rotacionarPonto(canto.linha, canto.coluna, 256, 128, 180.0F);
    EXPECT_EQ(p.x, canto.x);
    EXPECT_EQ(p.y, canto.y);
    EXPECT_EQ(static_cast<std::int32_t>(p.x), canto.colunaPixel);
    EXPECT_EQ(static_cast<std::int32_t>(p.y), canto.linhaPixel);
}

// Hexadecimal literals: the results are exact, not approximate.
INSTANTIATE_TEST_SUITE_P(
    Geometria, CantosDaCasa,
    testing::Values(
        // Just under 448 and 128: rounding to nearest would give the wrong pixel.
        CantoGirado{128, 64, 0x1.bffffp+8F, 0x1.fec6e4p+6F, 447, 127},
        CantoGirado{64, 128, 0x1.801a0cp+8F, 0x1.7f9798p+7F, 384, 191},
        CantoGirado{128, 192, 0x1.3ffffap+8F, 0x1.ff97a2p+6F, 319, 127},
        CantoGirado{128, 84, 0x1.abfff2p+8F, 0x1.fee782p+6F, 427, 127},
        // The wall feet: y is -0.27 and -0.13, where floor would give row -1.
        CantoGirado{256, 84, 0x1.abcbc2p+8F, -0x1.1854p-2F, 427, 0},
        CantoGirado{128, 172, 0x1.53fff8p+8F, 0x1.ff7704p+6F, 339, 127},
        CantoGirado{256, 172, 0x1.53cbcap+8F, -0x1.11ap-3F, 339, 0}));

TEST(RotacionarPonto, AngleZeroReturnsThePointExactly) {
    struct Caso {
        std::int32_t linha, coluna, pivoColuna, pivoLinha;
    };
    for (const Caso caso : {Caso{0, 0, 0, 0}, Caso{128, 64, 256, 128}, Caso{-5, 7, 100, -100},
                            Caso{1000000, -1000000, 3, 4}}) {
        const Ponto p =
            rotacionarPonto(caso.linha, caso.coluna, caso.pivoColuna, caso.pivoLinha, 0.0F);
        EXPECT_EQ(p.x, static_cast<float>(caso.coluna));
        EXPECT_EQ(p.y, static_cast<float>(caso.linha));
    }
}

TEST(RotacionarPonto, PointOnThePivotStaysThereWhateverTheAngle) {
    for (const float graus : {0.0F, 45.0F, 90.0F, 180.0F, -90.0F, 1000.0F}) {
        for (const auto& [coluna, linha] : {std::pair{256, 128}, std::pair{-7, 9}}) {
            const Ponto p = rotacionarPonto(linha, coluna, coluna, linha, graus);
            EXPECT_EQ(p.x, static_cast<float>(coluna)) << graus << " degrees";
            EXPECT_EQ(p.y, static_cast<float>(linha)) << graus << " degrees";
        }
    }
}

TEST(RotacionarPonto, PositiveAngleTurnsClockwiseAsThePictureIsSeen) {
    // Ten columns right of the pivot, turned a quarter: ten rows below it, and a little
    // right of it still, since PI is 3.14.
    const Ponto p = rotacionarPonto(0, 10, 0, 0, 90.0F);
    EXPECT_NEAR(p.y, 10.0F, 1e-4F);
    EXPECT_NEAR(p.x, 10.0 * std::cos(1.57), 1e-4);
}

TEST(RotacionarPonto, OffsetsOfExtremeCoordinatesDoNotOverflow) {
    // The offsets are 2^32 - 1 and -(2^32 - 1): beyond 32 bits.
    const Ponto p = rotacionarPonto(MINIMO, MAXIMO, MINIMO, MAXIMO, 0.0F);
    EXPECT_EQ(p.x, 0x1p31F);
    EXPECT_EQ(p.y, -0x1p31F);
}

}  // namespace
