// Building blocks of the texture generator: the BMP layout, seamless noise, text decoding.
#include <gtest/gtest.h>

#include "tools/imagem.h"
#include "tools/ruido.h"
#include "tools/texto.h"

namespace {

TEST(Bmp, RowsAreStoredBottomUpInBlueGreenRedAndPaddedToFourBytes) {
    Imagem img(2, 2);
    img.em(0, 0) = rgb255(255, 0, 0);  // top-left of the picture: red
    img.em(1, 0) = rgb255(0, 255, 0);
    img.em(0, 1) = rgb255(0, 0, 255);  // bottom-left: blue
    img.em(1, 1) = rgb255(10, 20, 30);
    const std::vector<std::uint8_t> b = img.bytesBmp();
    ASSERT_EQ(b.size(), 54u + 2 * 8);  // 6 bytes of pixels and 2 of padding per row
    // First stored row is the bottom of the picture.
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 54, b.begin() + 62),
              (std::vector<std::uint8_t>{255, 0, 0, 30, 20, 10, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 62, b.begin() + 70),
              (std::vector<std::uint8_t>{0, 0, 255, 0, 255, 0, 0, 0}));
    EXPECT_EQ(b[28], 24);
    EXPECT_EQ(b[10], 54);
}

TEST(Bmp, ReadingBackGivesTheFileOrderTheGameUses) {
    Imagem img(4, 2, rgb255(1, 2, 3));
    img.em(3, 0) = rgb255(200, 100, 50);  // top-right
    const std::string caminho = testing::TempDir() + "/leitura.bmp";
    ASSERT_TRUE(img.gravarBmp(caminho));
    Bmp b;
    ASSERT_TRUE(lerBmp(caminho, b));
    EXPECT_EQ(b.largura, 4);
    EXPECT_EQ(b.altura, 2);
    // t near 1 is the top row of the picture.
    const Cor c = b.amostra(0.9, 0.9);
    EXPECT_NEAR(c.r, 200 / 255.0f, 1e-6);
    EXPECT_NEAR(c.b, 50 / 255.0f, 1e-6);
    EXPECT_NEAR(b.amostra(0.9, 0.1).r, 1 / 255.0f, 1e-6);
}

TEST(Bmp, OutOfRangeColoursAreClampedNotWrapped) {
    Imagem img(4, 1, Cor{1.7f, -0.4f, 0.5f});
    const std::vector<std::uint8_t> b = img.bytesBmp();
    EXPECT_EQ(b[54 + 2], 255);  // red
    EXPECT_EQ(b[54 + 1], 0);    // green
    EXPECT_EQ(b[54], 128);      // blue
}

TEST(Ruido, RepeatsOverItsPeriodSoTexturesTileWithoutSeams) {
    const Ruido r(7);
    for (float x = 0.1f; x < 4.0f; x += 0.37f)
        for (float y = 0.2f; y < 3.0f; y += 0.41f) {
            EXPECT_NEAR(r.gradiente(x, y, 4, 3), r.gradiente(x + 4, y - 3, 4, 3), 1e-4);
            EXPECT_NEAR(r.fbm(x, y, 4, 3, 5), r.fbm(x - 4, y + 3, 4, 3, 5), 1e-4);
            EXPECT_NEAR(r.celular(x, y, 4, 3).f1, r.celular(x + 4, y + 3, 4, 3).f1, 1e-4);
        }
}

TEST(Ruido, SameSeedSameValuesOtherSeedOtherValues) {
    Aleatorio a(42), b(42), c(43);
    for (int i = 0; i < 10; ++i) {
        const std::uint64_t va = a.proximo();
        EXPECT_EQ(va, b.proximo());
        EXPECT_NE(va, c.proximo());
    }
    EXPECT_NE(Ruido(1).gradiente(0.3f, 0.6f, 8, 8), Ruido(2).gradiente(0.3f, 0.6f, 8, 8));
}

TEST(Texto, DecodesUtf8AndKeepsStrayBytes) {
    EXPECT_EQ(pontosCodigo("Nível"), (std::vector<int>{'N', 0xED, 'v', 'e', 'l'}));
    EXPECT_EQ(pontosCodigo("\xE9!"), (std::vector<int>{0xE9, '!'}));  // Latin-1 byte, not UTF-8
    EXPECT_EQ(pontosCodigo("a\xC3"), (std::vector<int>{'a', 0xC3}));  // cut short at the end
}

TEST(Texto, DrawsInkWhereTheTextIsCentred) {
    const Fonte f(caminhoFonte("DejaVuSans.ttf"));
    ASSERT_TRUE(f.valida());
    Imagem img(64, 32);
    f.desenharCentrado(img, "Ni", 32, 16, 20, Cor{1, 1, 1});
    float esquerda = 0, centro = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 8; ++x) esquerda += img.em(x, y).r;
        for (int x = 24; x < 40; ++x) centro += img.em(x, y).r;
    }
    EXPECT_EQ(esquerda, 0.0f);
    EXPECT_GT(centro, 20.0f);
}

}  // namespace
