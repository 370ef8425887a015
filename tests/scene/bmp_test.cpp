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

// A pixel value that tells where it came from: x, file row, and a fixed tag.
Rgb marca(int x, int r) {
    return {static_cast<unsigned char>(10 + x), static_cast<unsigned char>(100 + r), 0x55};
}

std::vector<unsigned char> esperado(int width, int rows, bool inverte) {
    std::vector<unsigned char> d;
    for (int row = 0; row < rows; ++row) {
        const int r = inverte ? rows - 1 - row : row;
        for (int x = 0; x < width; ++x) {
            const Rgb c = marca(x, r);
            d.insert(d.end(), c.begin(), c.end());
        }
    }
    return d;
}

bool descodifica(TextureImage& img, const std::vector<unsigned char>& bytes, std::string* saida) {
    testing::internal::CaptureStdout();
    const bool ok = img.decode(bytes.data(), bytes.size());
    *saida = testing::internal::GetCapturedStdout();
    return ok;
}

// An image held before a refused one, to check it survives whole.
TextureImage imagemAnterior() {
    TextureImage img;
    const auto bytes = bmp24(2, 1, marca);
    EXPECT_TRUE(img.decode(bytes.data(), bytes.size()));
    return img;
}

void esperaIntacta(const TextureImage& img) {
    EXPECT_EQ(img.width, 2);
    EXPECT_EQ(img.height, 1);
    EXPECT_EQ(img.data, esperado(2, 1, false));
}

}  // namespace

TEST(Bmp, TwoByTwoDropsPaddingAndTurnsBgrIntoRgb) {
    TextureImage img;
    const auto bytes = bmp24(2, 2, marca);
    ASSERT_EQ(bytes.size(), 54u + 2 * 8);
    std::string saida;
    ASSERT_TRUE(descodifica(img, bytes, &saida));
    EXPECT_EQ(saida, "");
    EXPECT_EQ(img.width, 2);
    EXPECT_EQ(img.height, 2);
    const std::vector<unsigned char> dados{10, 100, 0x55, 11, 100, 0x55,
                                           10, 101, 0x55, 11, 101, 0x55};
    EXPECT_EQ(img.data, dados);
}

TEST(Bmp, EveryPaddingWidthKeepsRowsInFileOrder) {
    for (int width : {1, 3, 4, 5, 7}) {
        SCOPED_TRACE(width);
        TextureImage img;
        const auto bytes = bmp24(width, 3, marca);
        ASSERT_TRUE(img.decode(bytes.data(), bytes.size()));
        EXPECT_EQ(img.width, width);
        EXPECT_EQ(img.height, 3);
        EXPECT_EQ(img.data, esperado(width, 3, false));
    }
}

TEST(Bmp, TopDownRowsAreStoredBottomFirst) {
    TextureImage img;
    const auto bytes = bmp24(3, -4, marca);
    ASSERT_TRUE(img.decode(bytes.data(), bytes.size()));
    EXPECT_EQ(img.width, 3);
    EXPECT_EQ(img.height, 4);
    EXPECT_EQ(img.data, esperado(3, 4, true));
}

TEST(Bmp, TruncatedFileReadsMissingBytesAsWhite) {
    auto bytes = bmp24(2, 2, marca);
    // The file stops in the second row, after its first pixel and the blue of the next.
    bytes.resize(54 + 8 + 4);
    TextureImage img;
    ASSERT_TRUE(img.decode(bytes.data(), bytes.size()));
    const std::vector<unsigned char> dados{10, 100, 0x55, 11,   100,  0x55,
                                           10, 101, 0x55, 0xFF, 0xFF, 0x55};
    EXPECT_EQ(img.data, dados);
}

TEST(Bmp, PixelsAreTakenFromByte54WhateverTheOffsetSays) {
    auto bytes = bmp24(1, 1, marca);
    bytes[10] = 58;  // claims a 4-byte gap that the reader does not skip
    TextureImage img;
    ASSERT_TRUE(img.decode(bytes.data(), bytes.size()));
    const std::vector<unsigned char> dados{10, 100, 0x55};
    EXPECT_EQ(img.data, dados);
}

TEST(Bmp, OtherDepthsAreRefusedAndThePreviousImageKept) {
    for (uint16_t bits : {8, 32}) {
        SCOPED_TRACE(bits);
        TextureImage img = imagemAnterior();
        auto bytes = teste::cabecalho(2, 2, bits);
        bytes.resize(bytes.size() + 64, 0);
        std::string saida;
        EXPECT_FALSE(descodifica(img, bytes, &saida));
        EXPECT_EQ(saida, "A image nao e de 24 bits por pixel!\n");
        esperaIntacta(img);
    }
    // Shorter than its header: the depth reads as 0xFFFF.
    TextureImage img = imagemAnterior();
    const std::vector<unsigned char> curto{'B', 'M', 0, 0};
    std::string saida;
    EXPECT_FALSE(descodifica(img, curto, &saida));
    EXPECT_EQ(saida, "A image nao e de 24 bits por pixel!\n");
    esperaIntacta(img);
}

TEST(Bmp, SizesThatCannotBeAllocatedAreRefusedBeforeReading) {
    const int32_t casos[][2] = {{0, 4},          {4, 0},         {-4, 4},
                                {70000, 70000},  {16385, 16384}, {INT32_MAX, INT32_MAX},
                                {1, INT32_MIN},  {INT32_MIN, 1}};
    for (const auto& c : casos) {
        SCOPED_TRACE(std::to_string(c[0]) + " x " + std::to_string(c[1]));
        TextureImage img = imagemAnterior();
        const auto bytes = teste::cabecalho(c[0], c[1]);
        std::string saida;
        EXPECT_FALSE(descodifica(img, bytes, &saida));
        EXPECT_EQ(saida, "Erro a reservar memoria!");
        esperaIntacta(img);
    }
}

TEST(Bmp, LoadReadsAReadOnlyFileAndFailsQuietlyOnAMissingOne) {
    const std::string path = std::string(CANTOS_BINARY_DIR) + "/bmp_so_leitura.bmp";
    std::remove(path.c_str());
    teste::grava(path, bmp24(3, 2, marca));
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);

    TextureImage img;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(img.load(path));
    EXPECT_FALSE(img.load(path + ".nao-existe"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(img.width, 3);
    EXPECT_EQ(img.height, 2);
    EXPECT_EQ(img.data, esperado(3, 2, false));
    chmod(path.c_str(), 0644);
    std::remove(path.c_str());
}

TEST(Bmp, LoadOfATruncatedFileMatchesDecode) {
    auto bytes = bmp24(5, 3, marca);
    bytes.resize(bytes.size() - 7);
    const std::string path = std::string(CANTOS_BINARY_DIR) + "/bmp_truncado.bmp";
    teste::grava(path, bytes);
    TextureImage lida, descodificada;
    ASSERT_TRUE(lida.load(path));
    ASSERT_TRUE(descodificada.decode(bytes.data(), bytes.size()));
    EXPECT_EQ(lida.data, descodificada.data);
    EXPECT_EQ(lida.data.back(), 0xFF);
    std::remove(path.c_str());
}
