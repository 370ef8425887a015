// Reading 24-bit BMP images into memory, without GL.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "scene/bmp_escrita.h"
#include "scene/textura.h"

using teste::bmp24;
using teste::Rgb;

namespace {

// A pixel that tells where it came from: red is x, green the file row.
Rgb marca(int x, int r) {
    return {static_cast<unsigned char>(10 + x), static_cast<unsigned char>(100 + r), 0x55};
}

std::vector<unsigned char> esperado(int width, int rows, bool deCimaParaBaixo) {
    std::vector<unsigned char> d;
    for (int row = 0; row < rows; ++row)
        for (int x = 0; x < width; ++x) {
            const Rgb c = marca(x, deCimaParaBaixo ? rows - 1 - row : row);
            d.insert(d.end(), c.begin(), c.end());
        }
    return d;
}

std::string saida(TextureImage& img, const std::vector<unsigned char>& bytes, bool* ok) {
    testing::internal::CaptureStdout();
    *ok = img.decode(bytes.data(), bytes.size());
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(Bmp, RowsLoseTheirPaddingAndTurnFromBgrIntoRgb) {
    TextureImage img;
    const auto dois = bmp24(2, 2, marca);
    ASSERT_EQ(dois.size(), 54u + 2 * 8);
    ASSERT_TRUE(img.decode(dois.data(), dois.size()));
    EXPECT_EQ(img.data, (std::vector<unsigned char>{10, 100, 0x55, 11, 100, 0x55,  //
                                                    10, 101, 0x55, 11, 101, 0x55}));
    // Every padding length; a negative height marks rows stored top first.
    for (int width : {1, 3, 4, 5}) {
        for (int height : {3, -3}) {
            SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
            const auto bytes = bmp24(width, height, marca);
            ASSERT_TRUE(img.decode(bytes.data(), bytes.size()));
            EXPECT_EQ(img.width, width);
            EXPECT_EQ(img.height, 3);
            EXPECT_EQ(img.data, esperado(width, 3, height < 0));
        }
    }
}

TEST(Bmp, MissingBytesReadAsWhiteAndPixelsStartAtByte54) {
    auto bytes = bmp24(2, 2, marca);
    bytes.resize(54 + 8 + 4);  // ends after the second row's first pixel and one more byte
    TextureImage img;
    ASSERT_TRUE(img.decode(bytes.data(), bytes.size()));
    EXPECT_EQ(img.data, (std::vector<unsigned char>{10, 100, 0x55, 11, 100, 0x55,  //
                                                    10, 101, 0x55, 0xFF, 0xFF, 0x55}));
    auto desviado = bmp24(1, 1, marca);
    desviado[10] = 58;  // an offset the reader does not follow
    ASSERT_TRUE(img.decode(desviado.data(), desviado.size()));
    EXPECT_EQ(img.data, esperado(1, 1, false));
}

TEST(Bmp, RefusedImagesLeaveThePreviousOneWhole) {
    struct Caso {
        std::vector<unsigned char> bytes;
        const char* mensagem;
    };
    const char* profundidade = "A image nao e de 24 bits por pixel!\n";
    const char* memoria = "Erro a reservar memoria!";
    std::vector<Caso> casos{{teste::cabecalho(2, 2, 8), profundidade},
                            {teste::cabecalho(2, 2, 32), profundidade},
                            {{'B', 'M', 0, 0}, profundidade}};  // shorter than its header
    const int32_t tamanhos[][2] = {{0, 4},         {4, 0},          {-4, 4},      {70000, 70000},
                                   {16385, 16384}, {INT32_MAX, INT32_MAX}, {1, INT32_MIN}};
    for (const auto& t : tamanhos) casos.push_back({teste::cabecalho(t[0], t[1]), memoria});

    for (const auto& caso : casos) {
        TextureImage img;
        const auto anterior = bmp24(2, 1, marca);
        ASSERT_TRUE(img.decode(anterior.data(), anterior.size()));
        bool ok = true;
        EXPECT_EQ(saida(img, caso.bytes, &ok), caso.mensagem);
        EXPECT_FALSE(ok);
        EXPECT_EQ(img.width, 2);
        EXPECT_EQ(img.height, 1);
        EXPECT_EQ(img.data, esperado(2, 1, false));
    }
}

TEST(Bmp, LoadReadsReadOnlyAndTruncatedFilesAndFailsQuietlyOnMissingOnes) {
    const std::string path = std::string(CANTOS_BINARY_DIR) + "/scene_bmp_test.bmp";
    auto bytes = bmp24(5, 3, marca);
    bytes.resize(bytes.size() - 7);
    std::remove(path.c_str());
    teste::grava(path, bytes);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);

    TextureImage lida, descodificada;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(lida.load(path));
    EXPECT_FALSE(lida.load(path + ".nao-existe"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_TRUE(descodificada.decode(bytes.data(), bytes.size()));
    EXPECT_EQ(lida.width, 5);
    EXPECT_EQ(lida.data, descodificada.data);
    std::remove(path.c_str());
}
