// Standard output's failures, each seen in a child process whose standard output is
// replaced: the exit status is what concluirsaida returned.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "saida.hpp"

namespace {

#ifndef _WIN32

[[noreturn]] void escreverem(const char* destino, const char* texto, std::size_t tamanho) {
    if (std::freopen(destino, "w", stdout) == nullptr) std::_Exit(100);
    escreversaida(texto, tamanho);
    std::_Exit(concluirsaida());
}

TEST(Saida, ReportsNothingWhenEveryByteGetsOut) {
    EXPECT_EXIT(escreverem("/dev/null", "P3\n", 3), testing::ExitedWithCode(0), "");
}

TEST(Saida, ReportsAFailureThatOnlyTheFinalFlushMeets) {
    // Three bytes stay in the stream's buffer until concluirsaida flushes them.
    EXPECT_EXIT(escreverem("/dev/full", "P3\n", 3), testing::ExitedWithCode(ENOSPC), "");
}

#endif

}  // namespace
