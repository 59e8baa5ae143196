// Runs the built program as a user does, through the shell, and checks everything it
// writes against the picture of the upside-down house.
#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

#ifdef _WIN32
constexpr const char* FIM_DE_LINHA = "\r\n";  // standard output is in text mode
#else
constexpr const char* FIM_DE_LINHA = "\n";
#endif

struct Execucao {
    int estado;  // the exit status, or -1 if the program did not exit normally
    std::string saida;
    std::string erro;
};

std::string lerarquivo(const std::string& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
}

// Runs `casa <argumentos> <redirecao> 2>erro`; without a redirection, standard output
// goes to a file that is read back.
Execucao executar(const std::string& argumentos, const std::string& redirecao = "") {
    // One pair of files per test, named after it, so that tests may run side by side.
    std::string nome = testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char& letra : nome) {
        letra = std::isalnum(static_cast<unsigned char>(letra)) != 0 ? letra : '_';
    }
    const std::string arquivoSaida = "programa_teste_" + nome + ".saida";
    const std::string arquivoErro = "programa_teste_" + nome + ".erro";
    const std::string comando = std::string("\"") + CASA_EXECUTAVEL + "\" " + argumentos + " " +
                                (redirecao.empty() ? "> " + arquivoSaida : redirecao) + " 2> " +
                                arquivoErro;
    const int bruto = std::system(comando.c_str());
#ifdef _WIN32
    const int estado = bruto;
#else
    const int estado = WIFEXITED(bruto) ? WEXITSTATUS(bruto) : -1;
#endif
    Execucao execucao{estado, lerarquivo(arquivoSaida), lerarquivo(arquivoErro)};
    std::remove(arquivoSaida.c_str());
    std::remove(arquivoErro.c_str());
    return execucao;
}

// The picture as a user sees it: the house upside down, its floor near the top.
bool nacasa(int linha, int coluna) {
    if (linha == 1) return coluna >= 83 && coluna <= 171;                  // floor
    if (linha >= 2 && linha <= 127) return coluna == 83 || coluna == 171;  // walls
    if (linha == 128) return coluna >= 63 && coluna <= 191;                // roof's base
    if (linha >= 129 && linha <= 190) {                                    // roof, two sides
        const int k = linha - 129;
        return coluna == 64 + k || coluna == 65 + k || coluna == 189 - k || coluna == 190 - k;
    }
    if (linha == 191) return coluna >= 126 && coluna <= 128;
    if (linha == 192) return coluna == 128;  // ridge
    return false;
}

// Splits at the platform's line end; a line that ends otherwise is kept with what ends it.
std::vector<std::string> linhas(const std::string& texto) {
    std::vector<std::string> resultado;
    const std::size_t tamanhoFim = std::strlen(FIM_DE_LINHA);
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        const std::size_t fim = texto.find(FIM_DE_LINHA, inicio);
        if (fim == std::string::npos) {
            resultado.push_back(texto.substr(inicio));
            break;
        }
        resultado.push_back(texto.substr(inicio, fim - inicio));
        inicio = fim + tamanhoFim;
    }
    return resultado;
}

TEST(Programa, DrawsTheUpsideDownHouse) {
    const Execucao execucao = executar("");
    EXPECT_EQ(execucao.estado, 0);
    EXPECT_EQ(execucao.erro, "");

    const std::vector<std::string> texto = linhas(execucao.saida);
    ASSERT_EQ(texto.size(), 65539U);
    EXPECT_EQ(texto[0], "P3");
    EXPECT_EQ(texto[1], "256\t256");
    EXPECT_EQ(texto[2], "255");

    int coloridos = 0;
    int erradas = 0;
    for (int linha = 0; linha < 256; ++linha) {
        for (int coluna = 0; coluna < 256; ++coluna) {
            const bool casa = nacasa(linha, coluna);
            coloridos += casa ? 1 : 0;
            const std::string& obtida = texto[3 + static_cast<std::size_t>(linha) * 256 + coluna];
            if (obtida != (casa ? "200\t200\t0" : "0\t0\t0") && ++erradas <= 10) {
                ADD_FAILURE() << "pixel (" << linha << ", " << coluna << ") reads \"" << obtida
                              << "\"";
            }
        }
    }
    EXPECT_EQ(erradas, 0);
    EXPECT_EQ(coloridos, 722);
    // Every line, the last included, ends with the platform's line end.
    EXPECT_EQ(execucao.saida.size(), 2 + 7 + 3 + 722 * std::strlen("200\t200\t0") +
                                         (65536 - 722) * std::strlen("0\t0\t0") +
                                         65539 * std::strlen(FIM_DE_LINHA));
}

TEST(Programa, IgnoresItsArguments) {
    const Execucao semArgumentos = executar("");
    const Execucao comArgumentos = executar("--help -o imagem.ppm 256 \"\"");
    EXPECT_EQ(comArgumentos.estado, 0);
    EXPECT_EQ(comArgumentos.erro, "");
    EXPECT_TRUE(comArgumentos.saida == semArgumentos.saida) << "the output changed with arguments";
}

#ifndef _WIN32
// A write that fails is reported on standard error, naming the program and the
// system's reason, with exit status 1.
struct FalhaDeEscrita {
    const char* nome;
    const char* redirecao;
    int erro;
};

void PrintTo(const FalhaDeEscrita& falha, std::ostream* saida) {
    *saida << falha.redirecao;
}

class EscritaQueFalha : public testing::TestWithParam<FalhaDeEscrita> {};

TEST_P(EscritaQueFalha, IsReportedWithStatus1) {
    const FalhaDeEscrita falha = GetParam();
    const Execucao execucao = executar("", falha.redirecao);
    EXPECT_EQ(execucao.estado, 1);
    EXPECT_EQ(execucao.erro,
              std::string("casa: cannot write the picture: ") + std::strerror(falha.erro) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Programa, EscritaQueFalha,
                         testing::Values(FalhaDeEscrita{"full_disk", "> /dev/full", ENOSPC},
                                         FalhaDeEscrita{"closed_output", ">&-", EBADF}),
                         [](const testing::TestParamInfo<FalhaDeEscrita>& info) {
                             return std::string(info.param.nome);
                         });
#endif

}  // namespace
