// Standard output, in text mode (so a line feed becomes CR LF on Windows), with the
// first failure remembered: writing goes on after one, and the end of the run reports it.
#pragma once

#include <cstddef>

// Hands `tamanho` bytes of text to standard output.
void escreversaida(const char* texto, std::size_t tamanho);

// Flushes standard output. Returns 0 when every byte got out, or else the errno value
// of the first failure (EIO where the system gave none).
int concluirsaida();
