#include "casa.hpp"

#include <cstdint>

#include "geometria.hpp"
#include "imagem.hpp"
#include "segmento.hpp"

namespace {

struct Canto {
    std::int32_t linha;
    std::int32_t coluna;
};

enum IndiceCanto {
    BEIRAL_ESQUERDO,
    CUMEEIRA,
    BEIRAL_DIREITO,
    TOPO_PAREDE_ESQUERDA,
    PE_PAREDE_ESQUERDA,
    TOPO_PAREDE_DIREITA,
    PE_PAREDE_DIREITA,
    NUMERO_CANTOS
};

// Before the turn, in the order of IndiceCanto. The wall tops lie on the roof's base,
// which closes the body; the wall feet lie on row 256, one past the last row.
constexpr Canto CANTOS[NUMERO_CANTOS] = {
    {128, 64},   // left end of the roof's base
    {64, 128},   // ridge, the top of the roof
    {128, 192},  // right end of the roof's base
    {128, 84},   // top of the left wall
    {256, 84},   // foot of the left wall
    {128, 172},  // top of the right wall
    {256, 172},  // foot of the right wall
};

struct Aresta {
    IndiceCanto de;
    IndiceCanto ate;
};

constexpr Aresta ARESTAS[] = {
    {BEIRAL_ESQUERDO, CUMEEIRA},                 // roof, left side
    {CUMEEIRA, BEIRAL_DIREITO},                  // roof, right side
    {BEIRAL_ESQUERDO, BEIRAL_DIREITO},           // roof's base
    {TOPO_PAREDE_ESQUERDA, PE_PAREDE_ESQUERDA},  // left wall
    {TOPO_PAREDE_DIREITA, PE_PAREDE_DIREITA},    // right wall
    {PE_PAREDE_ESQUERDA, PE_PAREDE_DIREITA},     // floor
};

constexpr float ANGULO = 180.0F;
constexpr std::int32_t PIVO_COLUNA = 256;
constexpr std::int32_t PIVO_LINHA = 128;
constexpr std::uint8_t VERMELHO = 200;
constexpr std::uint8_t VERDE = 200;
constexpr std::uint8_t AZUL = 0;

}  // namespace

void desenharcasa() {
    inicializarimg();

    Canto girados[NUMERO_CANTOS];
    for (int i = 0; i < NUMERO_CANTOS; ++i) {
        const Ponto p =
            rotacionarPonto(CANTOS[i].linha, CANTOS[i].coluna, PIVO_COLUNA, PIVO_LINHA, ANGULO);
        // Truncation toward zero, not floor: the wall feet turn to rows -0.27 and -0.13,
        // which must land on row 0.
        girados[i] = {static_cast<std::int32_t>(p.y), static_cast<std::int32_t>(p.x)};
    }

    for (const Aresta& aresta : ARESTAS) {
        const Canto& de = girados[aresta.de];
        const Canto& ate = girados[aresta.ate];
        casaConstrutor(de.linha, de.coluna, ate.linha, ate.coluna, VERMELHO, VERDE, AZUL);
    }

    imprimirimg();
}
