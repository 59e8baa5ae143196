#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "imagem.hpp"
#include "ppm.hpp"
#include "segmento.hpp"

namespace {

constexpr std::int32_t MINIMO = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t MAXIMO = std::numeric_limits<std::int32_t>::max();

bool colorido(std::int32_t linha, std::int32_t coluna) {
    const std::uint8_t* pixel = img[linha][coluna];
    return pixel[0] != 0 || pixel[1] != 0 || pixel[2] != 0;
}

int contarcoloridos() {
    int total = 0;
    for (std::int32_t linha = 0; linha < ALTURA; ++linha) {
        for (std::int32_t coluna = 0; coluna < LARGURA; ++coluna) {
            total += colorido(linha, coluna) ? 1 : 0;
        }
    }
    return total;
}

// Every test starts from a black picture.
class Imagem : public testing::Test {
protected:
    void SetUp() override { limparimg(); }
};

// Where alterarpixel lands: the flat address carries a column past the edge into the
// next row, and a negative one back into the previous row.
struct Endereco {
    std::int32_t linha, coluna;
    std::int32_t linhaReal, colunaReal;
};

TEST_F(Imagem, AlterarpixelFollowsTheFlatAddress) {
    for (const Endereco caso :
         {Endereco{0, 0, 0, 0}, Endereco{255, 255, 255, 255}, Endereco{3, 260, 4, 4},
          Endereco{0, 256, 1, 0}, Endereco{1, -1, 0, 255}, Endereco{-1, 512, 1, 0},
          Endereco{0, 65535, 255, 255}}) {
        limparimg();
        alterarpixel(caso.linha, caso.coluna, 10, 20, 30);
        const std::uint8_t* pixel = img[caso.linhaReal][caso.colunaReal];
        EXPECT_EQ(pixel[0], 10) << caso.linha << ", " << caso.coluna;
        EXPECT_EQ(pixel[1], 20) << caso.linha << ", " << caso.coluna;
        EXPECT_EQ(pixel[2], 30) << caso.linha << ", " << caso.coluna;
        EXPECT_EQ(contarcoloridos(), 1) << caso.linha << ", " << caso.coluna;
    }
}

TEST_F(Imagem, AlterarpixelIgnoresAddressesOutsideThePicture) {
    for (const auto& [linha, coluna] :
         {std::pair{-1, 0}, std::pair{0, -1}, std::pair{256, 0}, std::pair{255, 256},
          std::pair{0, 65536}, std::pair{MINIMO, MINIMO}, std::pair{MAXIMO, MAXIMO},
          std::pair{MAXIMO, MINIMO}, std::pair{MINIMO, MAXIMO},
          // Addresses that 32-bit arithmetic would wrap into the picture: to bytes 2,
          // 512 and 0.
          std::pair{0, 1431655766}, std::pair{5592406, 0}, std::pair{MINIMO, 0}}) {
        alterarpixel(linha, coluna, 200, 200, 200);
        EXPECT_EQ(contarcoloridos(), 0) << linha << ", " << coluna;
    }
}

TEST_F(Imagem, AlterarpixelReplacesTheColour) {
    alterarpixel(7, 9, 0xF0, 0x0F, 0xFF);
    alterarpixel(7, 9, 0x0F, 0xF0, 0x00);
    EXPECT_EQ(img[7][9][0], 0x0F);
    EXPECT_EQ(img[7][9][1], 0xF0);
    EXPECT_EQ(img[7][9][2], 0x00);
}

TEST_F(Imagem, LimparimgMakesEveryByteZero) {
    for (std::int32_t i = 0; i < ALTURA * LARGURA; i += 97) {
        alterarpixel(0, i, 1, 2, 3);
    }
    alterarpixel(255, 255, 255, 255, 255);
    limparimg();
    EXPECT_EQ(contarcoloridos(), 0);
}

// An axis-aligned segment, and the box of pixels it must colour (rows and columns
// inclusive, as printed): an increasing axis stops one short of its end, a decreasing
// one reaches it.
struct Segmento {
    const char* nome;
    std::int32_t linhaInicio, colunaInicio, linhaFim, colunaFim;
    std::int32_t primeiraLinha, ultimaLinha, primeiraColuna, ultimaColuna;
};

void PrintTo(const Segmento& s, std::ostream* saida) {
    *saida << s.nome;
}

class Segmentos : public testing::TestWithParam<Segmento> {
protected:
    void SetUp() override { limparimg(); }
};

TEST_P(Segmentos, ColourExactlyTheirBox) {
    const Segmento s = GetParam();
    casaConstrutor(s.linhaInicio, s.colunaInicio, s.linhaFim, s.colunaFim, 1, 2, 3);
    int dentro = 0;
    for (std::int32_t linha = s.primeiraLinha; linha <= s.ultimaLinha; ++linha) {
        for (std::int32_t coluna = s.primeiraColuna; coluna <= s.ultimaColuna; ++coluna) {
            const std::uint8_t* pixel = img[linha][coluna];
            EXPECT_TRUE(pixel[0] == 1 && pixel[1] == 2 && pixel[2] == 3)
                << "pixel (" << linha << ", " << coluna << ") not drawn";
            ++dentro;
        }
    }
    EXPECT_EQ(contarcoloridos(), dentro) << "pixels drawn outside the box";
}

INSTANTIATE_TEST_SUITE_P(
    Raster, Segmentos,
    testing::Values(Segmento{"rightward", 0, 0, 0, 10, 0, 0, 0, 9},
                    Segmento{"leftward", 0, 10, 0, 0, 0, 0, 0, 10},
                    Segmento{"downward", 0, 5, 10, 5, 0, 9, 5, 5},
                    Segmento{"upward", 10, 5, 0, 5, 0, 10, 5, 5},
                    Segmento{"point", 7, 7, 7, 7, 7, 7, 7, 7},
                    // Samples between 0 and -1 truncate toward zero, not down to -1.
                    Segmento{"leftward_to_minus_one", 1, 0, 1, -1, 1, 1, 0, 0},
                    // Segments that leave the picture keep the part inside it.
                    Segmento{"rightward_off_the_end", 255, 250, 255, 260, 255, 255, 250, 255},
                    Segmento{"leftward_off_the_start", 0, 5, 0, -5, 0, 0, 0, 5},
                    // The house's floor: columns 427 down to 339 of row 0 land on row 1.
                    Segmento{"leftward_past_the_edge", 0, 427, 0, 339, 1, 1, 83, 171}),
    [](const testing::TestParamInfo<Segmento>& info) { return std::string(info.param.nome); });

TEST_F(Imagem, SegmentTakesExactly10000SamplesOfSingleT) {
    // Across the whole flat picture each sample lands on a pixel of its own, 6.55 apart.
    // t accumulated in single precision gives 10000 samples, the last at t = 0.99995357,
    // pixel 65532; a t in double would add a 10001st, at pixel 65535.
    casaConstrutor(0, 0, 0, ALTURA * LARGURA, 255, 255, 255);
    EXPECT_EQ(contarcoloridos(), 10000);
    EXPECT_TRUE(colorido(0, 0));
    EXPECT_TRUE(colorido(255, 252));
    EXPECT_FALSE(colorido(255, 253));
    EXPECT_FALSE(colorido(255, 255));
}

TEST_F(Imagem, SegmentsOfExtremeCoordinatesStayOutside) {
    // Every sample lies on row -2^31 or 2^31 - 1: nothing of it is in the picture,
    // though 32-bit address arithmetic would wrap row -2^31 to address 0.
    casaConstrutor(MINIMO, MINIMO, MINIMO, MAXIMO, 255, 255, 255);
    casaConstrutor(MAXIMO, MAXIMO, MAXIMO, MINIMO, 255, 255, 255);
    EXPECT_EQ(contarcoloridos(), 0);
}

TEST(Ppm, HeaderSeparatesWidthAndHeightWithATab) {
    char texto[MAXIMO_CABECALHO];
    const std::size_t tamanho = formatarcabecalho(texto, 256, 256);
    EXPECT_EQ(std::string(texto, tamanho), "P3\n256\t256\n255\n");
}

TEST(Ppm, PixelLineIsThreeTabbedDecimals) {
    struct Caso {
        std::uint8_t vermelho, verde, azul;
        const char* linha;
    };
    for (const Caso caso : {Caso{0, 0, 0, "0\t0\t0\n"}, Caso{200, 200, 0, "200\t200\t0\n"},
                            Caso{9, 10, 99, "9\t10\t99\n"}, Caso{100, 255, 1, "100\t255\t1\n"},
                            Caso{255, 255, 255, "255\t255\t255\n"}}) {
        char texto[MAXIMO_LINHA_PIXEL];
        const std::size_t tamanho = formatarpixel(texto, caso.vermelho, caso.verde, caso.azul);
        EXPECT_EQ(std::string(texto, tamanho), caso.linha);
    }
}

TEST(Ppm, PixelLineMatchesPrintfForEveryByte) {
    for (int valor = 0; valor <= 255; ++valor) {
        const auto vermelho = static_cast<std::uint8_t>(valor);
        const auto verde = static_cast<std::uint8_t>(255 - valor);
        const auto azul = static_cast<std::uint8_t>(valor * 7);
        char esperado[32];
        const int tamanhoEsperado =
            std::snprintf(esperado, sizeof esperado, "%d\t%d\t%d\n", vermelho, verde, azul);
        char texto[MAXIMO_LINHA_PIXEL];
        const std::size_t tamanho = formatarpixel(texto, vermelho, verde, azul);
        ASSERT_EQ(std::string(texto, tamanho), std::string(esperado, tamanhoEsperado));
    }
}

}  // namespace
