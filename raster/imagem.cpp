#include "imagem.hpp"

#include <cstring>

#include "ppm.hpp"
#include "saida.hpp"

std::uint8_t img[ALTURA][LARGURA][CANAIS];

namespace {

constexpr std::int64_t TAMANHO_IMG = std::int64_t{ALTURA} * LARGURA * CANAIS;

}  // namespace

void inicializarimg() {
    char cabecalho[MAXIMO_CABECALHO];
    escreversaida(cabecalho, formatarcabecalho(cabecalho, LARGURA, ALTURA));
    limparimg();
}

void limparimg() {
    std::memset(img, 0, sizeof img);
}

void alterarpixel(std::int32_t linha, std::int32_t coluna, std::uint8_t vermelho,
                  std::uint8_t verde, std::uint8_t azul) {
    // In 64 bits no pair of 32-bit coordinates overflows.
    const std::int64_t endereco = (std::int64_t{linha} * LARGURA + coluna) * CANAIS;
    if (endereco < 0 || endereco >= TAMANHO_IMG) {
        return;
    }
    std::uint8_t* const pixel = reinterpret_cast<std::uint8_t*>(&img) + endereco;
    pixel[0] = vermelho;
    pixel[1] = verde;
    pixel[2] = azul;
}

void imprimirimg() {
    // One row of text at a time: at most 256 lines of "255\t255\t255\n".
    static char texto[LARGURA * MAXIMO_LINHA_PIXEL];
    for (const auto& linha : img) {
        std::size_t tamanho = 0;
        for (const auto& pixel : linha) {
            tamanho += formatarpixel(texto + tamanho, pixel[0], pixel[1], pixel[2]);
        }
        escreversaida(texto, tamanho);
    }
}
