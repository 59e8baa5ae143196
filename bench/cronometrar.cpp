// Times two commands as whole processes, taking turns, each with its standard output
// on /dev/null, and prints the median wall time of each and their ratio.
//
//   cronometrar VEZES COMANDO_A [ARG...] -- COMANDO_B [ARG...]

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern char** environ;

namespace {

using Relogio = std::chrono::steady_clock;

double executar(char* const* argumentos, const posix_spawn_file_actions_t* acoes) {
    const auto inicio = Relogio::now();
    pid_t filho = 0;
    if (posix_spawnp(&filho, argumentos[0], acoes, nullptr, argumentos, environ) != 0) {
        std::fprintf(stderr, "cronometrar: cannot run %s\n", argumentos[0]);
        std::exit(2);
    }
    int estado = 0;
    waitpid(filho, &estado, 0);
    const auto fim = Relogio::now();
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
        std::fprintf(stderr, "cronometrar: %s failed\n", argumentos[0]);
        std::exit(2);
    }
    return std::chrono::duration<double, std::micro>(fim - inicio).count();
}

double mediana(std::vector<double> tempos) {
    std::sort(tempos.begin(), tempos.end());
    const std::size_t meio = tempos.size() / 2;
    return tempos.size() % 2 != 0 ? tempos[meio] : (tempos[meio - 1] + tempos[meio]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    char** separador =
        std::find_if(argv, argv + argc, [](const char* a) { return std::strcmp(a, "--") == 0; });
    const int vezes = argc > 1 ? std::atoi(argv[1]) : 0;
    if (vezes <= 0 || argc < 5 || separador == argv + argc || separador == argv + 2 ||
        separador + 1 == argv + argc) {
        std::fprintf(stderr, "usage: cronometrar VEZES COMANDO_A [ARG...] -- COMANDO_B [ARG...]\n");
        return 2;
    }
    *separador = nullptr;  // ends A's arguments; B's already end with argv's null
    char* const* comandoA = argv + 2;
    char* const* comandoB = separador + 1;

    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    posix_spawn_file_actions_addopen(&acoes, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);

    std::vector<double> temposA, temposB;
    temposA.reserve(static_cast<std::size_t>(vezes));
    temposB.reserve(static_cast<std::size_t>(vezes));
    for (int i = 0; i < vezes; ++i) {
        // Alternating the order as well keeps a drift of the machine off either side.
        if (i % 2 == 0) {
            temposA.push_back(executar(comandoA, &acoes));
            temposB.push_back(executar(comandoB, &acoes));
        } else {
            temposB.push_back(executar(comandoB, &acoes));
            temposA.push_back(executar(comandoA, &acoes));
        }
    }
    posix_spawn_file_actions_destroy(&acoes);

    const double a = mediana(temposA);
    const double b = mediana(temposB);
    std::printf("median wall time over %d runs each: %s %.1f us, %s %.1f us, ratio %.3f\n", vezes,
                comandoA[0], a, comandoB[0], b, a / b);
    return 0;
}
