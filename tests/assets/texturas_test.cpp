// The texture generator: deterministic, valid BMP files, and board tops and menu that line
// up with the geometry the game maps them onto.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "tools/catalogo.h"
#include "tools/imagem.h"
#include "tools/padroes.h"

namespace fs = std::filesystem;

namespace {

std::vector<char> bytes(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// One painting for the whole file; it takes a few seconds.
class Texturas : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pasta_ = fs::temp_directory_path() / ("cantos_texturas_" + std::to_string(::getpid()));
        fs::create_directories(pasta_);
        testing::internal::CaptureStdout();
        falhas_ = gravarTodas(pasta_.string());
        testing::internal::GetCapturedStdout();
    }
    static void TearDownTestSuite() { fs::remove_all(pasta_); }

    static Bmp ler(const std::string& nome) {
        Bmp b;
        EXPECT_TRUE(lerBmp((pasta_ / nome).string(), b)) << nome;
        return b;
    }

    static fs::path pasta_;
    static int falhas_;
};

fs::path Texturas::pasta_;
int Texturas::falhas_ = 0;

TEST_F(Texturas, EveryFileIsAnUncompressed24BitBmpOfUsableSize) {
    ASSERT_EQ(falhas_, 0);
    for (const Textura& t : catalogo()) {
        const std::vector<char> b = bytes(pasta_ / t.ficheiro);
        Bmp bmp;
        ASSERT_TRUE(lerBmp((pasta_ / t.ficheiro).string(), bmp)) << t.ficheiro;
        EXPECT_EQ(bmp.bitsPorPixel, 24) << t.ficheiro;
        EXPECT_EQ(bmp.compressao, 0u) << t.ficheiro;
        EXPECT_EQ(bmp.deslocamentoPixels, 54u) << t.ficheiro;
        EXPECT_EQ(bmp.tamanhoFicheiro, b.size()) << t.ficheiro;
        // Rows of a multiple of 4 bytes load right whatever the GL unpack alignment.
        EXPECT_EQ(bmp.largura % 4, 0) << t.ficheiro;
        EXPECT_GE(std::min(bmp.largura, bmp.altura), 256) << t.ficheiro;
        EXPECT_LE(std::max(bmp.largura, bmp.altura), 512) << t.ficheiro;
    }
}

TEST_F(Texturas, TheGameTexturesAreAllThereAndNoNameRepeats) {
    std::set<std::string> nomes;
    for (const Textura& t : catalogo()) EXPECT_TRUE(nomes.insert(t.ficheiro).second) << t.ficheiro;
    for (const char* n : {"casa.bmp", "placar.bmp", "wood.bmp", "metal.bmp", "tab.bmp", "furtab.bmp",
                          "steeltab.bmp", "menu.bmp", "menu-en.bmp", "madeirabranca.bmp", "madeirapreta.bmp", "pelebranca.bmp",
                          "pelepreta.bmp", "whitesteel.bmp", "blacksteel.bmp", "pelolado.bmp", "steelside.bmp"})
        EXPECT_EQ(nomes.count(n), 1u) << n;
}

TEST_F(Texturas, PaintingAgainGivesTheSameBytes) {
    // The build painted the runtime folder in another process; paint once more here when
    // it has not.
    fs::path outra = CANTOS_RUNTIME_DIR;
    fs::path propria;
    if (!fs::exists(outra / "menu.bmp")) {
        propria = pasta_.string() + "_2";
        fs::create_directories(propria);
        testing::internal::CaptureStdout();
        gravarTodas(propria.string());
        testing::internal::GetCapturedStdout();
        outra = propria;
    }
    for (const Textura& t : catalogo()) EXPECT_EQ(bytes(pasta_ / t.ficheiro), bytes(outra / t.ficheiro)) << t.ficheiro;
    if (!propria.empty()) fs::remove_all(propria);
}

// The board top maps s = x / 5 and t = 1 - z / 5; a BMP's first stored row is t = 0.
Cor casa(const Bmp& b, int coluna, int fila, double dx = 0.5, double dz = 0.5) {
    const double x = (coluna + dx) * 0.625, z = (fila + dz) * 0.625;
    return b.amostra(x / 5.0, 1.0 - z / 5.0);
}

// Mean colour over the middle of a square, so grain and fur do not decide a sample.
Cor mediaCasa(const Bmp& b, int coluna, int fila) {
    Cor soma;
    int n = 0;
    for (double dx = 0.25; dx <= 0.75; dx += 0.05)
        for (double dz = 0.25; dz <= 0.75; dz += 0.05, ++n) soma = soma + casa(b, coluna, fila, dx, dz);
    return soma * (1.0f / n);
}

// Mean difference between neighbouring pixels stepping along world x and along world z,
// over the middle of a square.
void granulado(const Bmp& b, int coluna, int fila, double& longoX, double& longoZ) {
    const double passo = 5.0 / b.largura;
    longoX = longoZ = 0.0;
    int n = 0;
    for (double dx = 0.2; dx <= 0.8; dx += 0.02)
        for (double dz = 0.2; dz <= 0.8; dz += 0.02, ++n) {
            const double x = (coluna + dx) * 0.625, z = (fila + dz) * 0.625;
            const float aqui = luminancia(b.amostra(x / 5, 1 - z / 5));
            longoX += std::fabs(luminancia(b.amostra((x + passo) / 5, 1 - z / 5)) - aqui);
            longoZ += std::fabs(luminancia(b.amostra(x / 5, 1 - (z + passo) / 5)) - aqui);
        }
    longoX /= n;
    longoZ /= n;
}

class Tabuleiros : public Texturas, public ::testing::WithParamInterface<const char*> {};

TEST_P(Tabuleiros, SquaresAlternateAndStartingCornersAreTinted) {
    const Bmp b = ler(GetParam());
    for (int x = 0; x < 8; ++x)
        for (int y = 0; y < 8; ++y) {
            const float l = luminancia(mediaCasa(b, x, y));
            // Dark where column + row is even.
            if ((x + y) % 2 == 0)
                EXPECT_LT(l, 0.42f) << GetParam() << " square " << x << "," << y;
            else
                EXPECT_GT(l, 0.5f) << GetParam() << " square " << x << "," << y;
        }
    // Same parity, same distance from the diagonal: only the tint differs.
    auto calor = [&](int x, int y) {
        const Cor c = mediaCasa(b, x, y);
        return c.r - c.b;
    };
    const std::pair<int, int> pares[][3] = {
        // side 1 home, neutral, side 2 home (each column + row of the same parity)
        {{0, 0}, {4, 2}, {7, 7}}, {{1, 2}, {2, 5}, {6, 5}}, {{0, 3}, {4, 3}, {4, 7}}, {{2, 1}, {3, 6}, {5, 6}}};
    for (const auto& p : pares) {
        const float casa1 = calor(p[0].first, p[0].second);
        const float neutra = calor(p[1].first, p[1].second);
        const float casa2 = calor(p[2].first, p[2].second);
        EXPECT_GT(casa1, neutra + 0.03f) << GetParam() << " side 1 corner at " << p[0].first << "," << p[0].second;
        EXPECT_LT(casa2, neutra - 0.03f) << GetParam() << " side 2 corner at " << p[2].first << "," << p[2].second;
    }
}

TEST_P(Tabuleiros, GrainRunsAlongXOnDarkSquaresAndAlongZOnLightOnes) {
    // Tells a transposed board from the right one: parity and corners alone would not.
    const Bmp b = ler(GetParam());
    for (const auto& [x, y] : {std::pair{0, 0}, {3, 5}, {6, 2}, {1, 0}, {4, 5}, {7, 4}}) {
        double longoX, longoZ;
        granulado(b, x, y, longoX, longoZ);
        if ((x + y) % 2 == 0)
            EXPECT_LT(longoX * 1.5, longoZ) << GetParam() << " square " << x << "," << y;
        else
            EXPECT_LT(longoZ * 1.5, longoX) << GetParam() << " square " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Materiais, Tabuleiros, ::testing::Values("tab.bmp", "furtab.bmp", "steeltab.bmp"));

// The menu plane maps s = x / 10 and t = 1 - z / 10 in its own coordinates.
float luzMenu(const Bmp& b, double x0, double z0, double x1, double z1) {
    double soma = 0.0;
    int n = 0;
    for (double x = x0; x <= x1; x += (x1 - x0) / 20)
        for (double z = z0; z <= z1; z += (z1 - z0) / 10, ++n) soma += luminancia(b.amostra(x / 10, 1 - z / 10));
    return static_cast<float>(soma / n);
}

TEST_F(Texturas, MenuButtonsAreLightWhereTheirPickAreasAreAndTheGapsDarkInEveryLanguage) {
    for (const char* menu : {"menu.bmp", "menu-en.bmp"}) {
        SCOPED_TRACE(menu);
        const Bmp b = ler(menu);
        struct Area {
            double x0, z0, x1, z1;
        };
        // Inner part of each pick area, so the rounded corners do not count.
        for (const Area& a : {Area{1.0, 1.7, 8.6, 2.8}, Area{1.0, 3.5, 8.6, 4.6}, Area{1.0, 5.6, 8.6, 6.7},
                              Area{1.65, 8.55, 2.95, 9.35}, Area{5.65, 8.55, 8.35, 9.35}})
            EXPECT_GT(luzMenu(b, a.x0, a.z0, a.x1, a.z1), 0.6f) << "button at x " << a.x0 << ", z " << a.z0;
        // Between the buttons, around the small ones, and beside the wide ones.
        for (const Area& a : {Area{1.0, 3.08, 8.6, 3.22}, Area{1.0, 4.95, 8.6, 5.25}, Area{3.5, 8.5, 5.1, 9.4},
                              Area{8.95, 2.0, 9.4, 6.5}, Area{0.45, 8.6, 1.3, 9.3}})
            EXPECT_LT(luzMenu(b, a.x0, a.z0, a.x1, a.z1), 0.2f) << "gap at x " << a.x0 << ", z " << a.z0;
        // The title's band holds light lettering on the dark ground.
        EXPECT_GT(luzMenu(b, 2.5, 0.4, 7.5, 1.2), 0.12f);
    }
}

TEST_F(Texturas, ScoreboardFaceIsDarkWhereTheTextIsWritten) {
    // The white stroke text covers the middle of the face.
    const Bmp b = ler("placar.bmp");
    float soma = 0.0f;
    int n = 0;
    for (double s = 0.05; s < 1.0; s += 0.1)
        for (double t = 0.15; t < 0.85; t += 0.05, ++n) soma += luminancia(b.amostra(s, t));
    EXPECT_LT(soma / n, 0.12f);
}

}  // namespace
