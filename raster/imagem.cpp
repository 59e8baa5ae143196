#include "imagem.hpp"

#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

#include "ppm.hpp"
#include "saida.hpp"

std::uint8_t img[ALTURA][LARGURA][CANAIS];

namespace {

constexpr std::size_t TAMANHO_IMG = sizeof img;
constexpr std::size_t PIXELS = std::size_t{ALTURA} * LARGURA;

const std::uint8_t* bytesimg() {
    return reinterpret_cast<const std::uint8_t*>(&img);
}

// The first byte of the picture at or after `inicio` that is not 0, or TAMANHO_IMG. It
// looks at 64 bytes a time: the picture is mostly black, and this is how it is read.
std::size_t primeironaonulo(std::size_t inicio) {
    constexpr std::size_t BLOCO = 64;
    const std::uint8_t* const bytes = bytesimg();
    std::size_t i = inicio;
    for (; i + BLOCO <= TAMANHO_IMG; i += BLOCO) {
        std::uint64_t algum = 0;
        for (std::size_t k = 0; k < BLOCO; k += 8) {
            std::uint64_t oito;
            std::memcpy(&oito, bytes + i + k, 8);
            algum |= oito;
        }
        if (algum != 0) break;
    }
    for (; i + 8 <= TAMANHO_IMG; i += 8) {
        std::uint64_t oito;
        std::memcpy(&oito, bytes + i, 8);
        if (oito != 0) {
            const int zeros = std::endian::native == std::endian::little ? std::countr_zero(oito)
                                                                         : std::countl_zero(oito);
            return i + static_cast<std::size_t>(zeros / 8);
        }
    }
    for (; i < TAMANHO_IMG && bytes[i] == 0; ++i) {
    }
    return i;
}

// Most of the picture is black: its text is copied from a row of black pixel lines.
constexpr char PIXEL_PRETO[] = "0\t0\t0\n";
constexpr std::size_t TAMANHO_PRETO = sizeof PIXEL_PRETO - 1;
constexpr auto LINHA_PRETA = [] {
    std::array<char, TAMANHO_PRETO * LARGURA> texto{};
    for (std::size_t i = 0; i < texto.size(); ++i) texto[i] = PIXEL_PRETO[i % TAMANHO_PRETO];
    return texto;
}();

void escreverpretos(std::size_t quantos) {
    while (quantos > 0) {
        const std::size_t agora = quantos < LARGURA ? quantos : LARGURA;
        escreversaida(LINHA_PRETA.data(), agora * TAMANHO_PRETO);
        quantos -= agora;
    }
}

}  // namespace

void inicializarimg() {
    char cabecalho[MAXIMO_CABECALHO];
    escreversaida(cabecalho, formatarcabecalho(cabecalho, LARGURA, ALTURA));
    limparimg();
}

void limparimg() {
    // A picture that is black already, as at program start, is only read: looking at
    // its 196 KB costs far less than writing them.
    if (primeironaonulo(0) != TAMANHO_IMG) std::memset(img, 0, sizeof img);
}

void alterarpixel(std::int32_t linha, std::int32_t coluna, std::uint8_t vermelho,
                  std::uint8_t verde, std::uint8_t azul) {
    // Negative addresses turn into huge unsigned ones: one comparison rejects both sides.
    const auto endereco = static_cast<std::uint64_t>(enderecopixel(linha, coluna));
    if (endereco >= TAMANHO_IMG) return;
    std::uint8_t* const pixel = reinterpret_cast<std::uint8_t*>(&img) + endereco;
    pixel[0] = vermelho;
    pixel[1] = verde;
    pixel[2] = azul;
}

void imprimirimg() {
    // A coloured pixel's text is made once and used again while its colour repeats.
    char texto[MAXIMO_LINHA_PIXEL];
    std::size_t tamanho = 0;
    const std::uint8_t* cor = nullptr;

    std::size_t pixel = 0;
    while (pixel < PIXELS) {
        const std::size_t colorido = primeironaonulo(pixel * CANAIS) / CANAIS;
        escreverpretos(colorido - pixel);
        if (colorido == PIXELS) break;
        const std::uint8_t* const este = bytesimg() + colorido * CANAIS;
        if (cor == nullptr || std::memcmp(cor, este, CANAIS) != 0) {
            tamanho = formatarpixel(texto, este[0], este[1], este[2]);
            cor = este;
        }
        escreversaida(texto, tamanho);
        pixel = colorido + 1;
    }
}
