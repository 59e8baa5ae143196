// libFuzzer target for the raster and geometry operations: arbitrary coordinates and
// colours for alterarpixel and casaConstrutor, arbitrary points and angles for
// rotacionarPonto. Built with AddressSanitizer and UndefinedBehaviorSanitizer, so a
// write outside the picture or any undefined behaviour stops the run; the checks below
// add what the sanitizers cannot see, writes inside the picture that land wrong.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "geometria.hpp"
#include "imagem.hpp"
#include "segmento.hpp"

namespace {

// Takes values from the front of the fuzzer's input, zeros when it runs out.
class Leitor {
public:
    Leitor(const std::uint8_t* dados, std::size_t tamanho) : dados_(dados), resta_(tamanho) {}

    template <typename T>
    T ler() {
        T valor{};
        const std::size_t n = std::min(sizeof valor, resta_);
        std::memcpy(&valor, dados_, n);
        dados_ += n;
        resta_ -= n;
        return valor;
    }

private:
    const std::uint8_t* dados_;
    std::size_t resta_;
};

const std::uint8_t* bytesimg() {
    return reinterpret_cast<const std::uint8_t*>(&img);
}

void verificar(bool condicao) {
    if (!condicao) std::abort();
}

// Each operation starts from a black picture: what is not black, it drew.
bool preto(std::size_t endereco) {
    const std::uint8_t* const pixel = bytesimg() + endereco;
    return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0;
}

// The pixel's bytes and no others changed, when its address is in the picture;
// otherwise nothing did.
void alterarumpixel(Leitor& entrada) {
    const auto linha = entrada.ler<std::int32_t>();
    const auto coluna = entrada.ler<std::int32_t>();
    const std::uint8_t cor[CANAIS] = {1, entrada.ler<std::uint8_t>(), entrada.ler<std::uint8_t>()};
    alterarpixel(linha, coluna, cor[0], cor[1], cor[2]);

    const std::int64_t endereco = enderecopixel(linha, coluna);
    const bool dentro = endereco >= 0 && endereco < std::int64_t{sizeof img};
    for (std::size_t i = 0; i < sizeof img; i += CANAIS) {
        if (dentro && static_cast<std::int64_t>(i) == endereco) {
            verificar(std::memcmp(bytesimg() + i, cor, CANAIS) == 0);
        } else {
            verificar(preto(i));
        }
    }
}

// Every pixel the segment changed has its colour and lies between the addresses of
// the corners of the segment's box, the first and the last it can reach.
void desenharsegmento(Leitor& entrada) {
    const auto linhaInicio = entrada.ler<std::int32_t>();
    const auto colunaInicio = entrada.ler<std::int32_t>();
    const auto linhaFim = entrada.ler<std::int32_t>();
    const auto colunaFim = entrada.ler<std::int32_t>();
    // Red is never 0, so a drawn pixel always differs from the black picture.
    const std::uint8_t cor[CANAIS] = {1, entrada.ler<std::uint8_t>(), entrada.ler<std::uint8_t>()};
    casaConstrutor(linhaInicio, colunaInicio, linhaFim, colunaFim, cor[0], cor[1], cor[2]);

    const std::int64_t primeiro =
        enderecopixel(std::min(linhaInicio, linhaFim), std::min(colunaInicio, colunaFim));
    const std::int64_t ultimo =
        enderecopixel(std::max(linhaInicio, linhaFim), std::max(colunaInicio, colunaFim));
    for (std::size_t i = 0; i < sizeof img; i += CANAIS) {
        if (preto(i)) continue;
        verificar(std::memcmp(bytesimg() + i, cor, CANAIS) == 0);
        verificar(static_cast<std::int64_t>(i) >= primeiro &&
                  static_cast<std::int64_t>(i) <= ultimo);
    }
    // A segment whose start lies in the picture draws its start.
    const std::int64_t inicio = enderecopixel(linhaInicio, colunaInicio);
    if (inicio >= 0 && inicio < std::int64_t{sizeof img}) {
        verificar(std::memcmp(bytesimg() + inicio, cor, CANAIS) == 0);
    }
}

// Any point and angle: a point on the pivot stays there, and a finite angle over
// coordinates gives finite coordinates.
void girarponto(Leitor& entrada) {
    const auto linha = entrada.ler<std::int32_t>();
    const auto coluna = entrada.ler<std::int32_t>();
    const auto pivoColuna = entrada.ler<std::int32_t>();
    const auto pivoLinha = entrada.ler<std::int32_t>();
    const auto graus = entrada.ler<float>();
    const Ponto p = rotacionarPonto(linha, coluna, pivoColuna, pivoLinha, graus);
    if (std::isfinite(graus)) {
        verificar(std::isfinite(p.x) && std::isfinite(p.y));
        if (linha == pivoLinha && coluna == pivoColuna) {
            verificar(p.x == static_cast<float>(pivoColuna) &&
                      p.y == static_cast<float>(pivoLinha));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    Leitor entrada(dados, tamanho);
    limparimg();
    switch (entrada.ler<std::uint8_t>() % 3) {
        case 0:
            alterarumpixel(entrada);
            break;
        case 1:
            desenharsegmento(entrada);
            break;
        default:
            girarponto(entrada);
            break;
    }
    return 0;
}
