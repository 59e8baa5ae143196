// casa: draws the outline of a house and writes it to standard output as a plain PPM.

#include <cstdio>
#include <cstring>

#include "casa.hpp"
#include "saida.hpp"

int main() {
    desenharcasa();

    // A picture cut short must not pass for a whole one.
    if (const int erro = concluirsaida(); erro != 0) {
        std::fprintf(stderr, "casa: cannot write the picture: %s\n", std::strerror(erro));
        return 1;
    }
    return 0;
}
