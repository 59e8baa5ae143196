#include "saida.hpp"

#include <cerrno>
#include <cstdio>

namespace {

int primeiroerro = 0;

void lembrarerro() {
    if (primeiroerro == 0) {
        primeiroerro = errno != 0 ? errno : EIO;
    }
}

}  // namespace

void escreversaida(const char* texto, std::size_t tamanho) {
    errno = 0;
    if (std::fwrite(texto, 1, tamanho, stdout) != tamanho) {
        lembrarerro();
    }
}

int concluirsaida() {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        lembrarerro();
    }
    return primeiroerro;
}
