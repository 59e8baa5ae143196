// Benchmarks of the program's parts, in process. What they write to standard output
// goes to /dev/null; the report goes to standard output between benchmarks.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "casa.hpp"
#include "imagem.hpp"
#include "saida.hpp"
#include "segmento.hpp"

namespace {

constexpr long BYTES_DA_IMAGEM = 396119;  // the picture's text, with LF line ends

// Standard output goes to /dev/null while this lives.
class SaidaDescartada {
public:
    SaidaDescartada() : original_(dup(STDOUT_FILENO)) {
        std::fflush(stdout);
        const int nulo = open("/dev/null", O_WRONLY);
        dup2(nulo, STDOUT_FILENO);
        close(nulo);
    }
    ~SaidaDescartada() {
        std::fflush(stdout);
        dup2(original_, STDOUT_FILENO);
        close(original_);
    }
    SaidaDescartada(const SaidaDescartada&) = delete;
    SaidaDescartada& operator=(const SaidaDescartada&) = delete;

private:
    int original_;
};

void BM_casaConstrutor(benchmark::State& estado) {
    limparimg();
    for (auto _ : estado) {
        // The left side of the turned roof: both axes change.
        casaConstrutor(127, 447, 191, 384, 200, 200, 0);
        benchmark::ClobberMemory();
    }
    estado.SetItemsProcessed(estado.iterations() * 10000);
}
BENCHMARK(BM_casaConstrutor);

void BM_imprimirimg(benchmark::State& estado) {
    const SaidaDescartada descartada;
    desenharcasa();
    concluirsaida();
    for (auto _ : estado) {
        imprimirimg();
        concluirsaida();
    }
    estado.SetBytesProcessed(estado.iterations() * BYTES_DA_IMAGEM);
}
BENCHMARK(BM_imprimirimg);

void BM_cena(benchmark::State& estado) {
    const SaidaDescartada descartada;
    for (auto _ : estado) {
        desenharcasa();
        concluirsaida();
    }
    estado.SetBytesProcessed(estado.iterations() * BYTES_DA_IMAGEM);
}
BENCHMARK(BM_cena);

}  // namespace

BENCHMARK_MAIN();
