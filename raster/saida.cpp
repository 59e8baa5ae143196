#include "saida.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// The program's text gathers here and goes out in few large writes. Standard output
// itself is left unbuffered, so the text is not copied twice and the C library
// allocates no buffer of its own.
char memoria[64 * 1024];
std::size_t usado = 0;
bool preparada = false;
int primeiroerro = 0;

void lembrarerro() {
    if (primeiroerro == 0) primeiroerro = errno != 0 ? errno : EIO;
}

void enviar(const char* texto, std::size_t tamanho) {
    if (!preparada) {
        std::setvbuf(stdout, nullptr, _IONBF, 0);
        preparada = true;
    }
    errno = 0;
    if (std::fwrite(texto, 1, tamanho, stdout) != tamanho) lembrarerro();
}

void despejar() {
    enviar(memoria, usado);
    usado = 0;
}

}  // namespace

void escreversaida(const char* texto, std::size_t tamanho) {
    if (tamanho > sizeof memoria - usado) {
        despejar();
        if (tamanho > sizeof memoria) {
            enviar(texto, tamanho);
            return;
        }
    }
    std::memcpy(memoria + usado, texto, tamanho);
    usado += tamanho;
}

int concluirsaida() {
    despejar();
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) lembrarerro();
    return primeiroerro;
}
