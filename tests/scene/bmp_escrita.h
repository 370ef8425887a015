// BMP files made by the tests themselves, so every case states exactly the bytes it reads.
#pragma once
#include <array>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace teste {

using Rgb = std::array<unsigned char, 3>;

inline void poe16(std::vector<unsigned char>& b, uint16_t v) {
    b.push_back(v & 0xFF);
    b.push_back(v >> 8);
}

inline void poe32(std::vector<unsigned char>& b, uint32_t v) {
    poe16(b, v & 0xFFFF);
    poe16(b, v >> 16);
}

// The 54 header bytes with the given size fields; the offset says 54.
inline std::vector<unsigned char> cabecalho(int32_t width, int32_t height, uint16_t bits = 24) {
    std::vector<unsigned char> b{'B', 'M'};
    poe32(b, 0);  // file size, unused
    poe16(b, 0);
    poe16(b, 0);
    poe32(b, 54);
    poe32(b, 40);
    poe32(b, static_cast<uint32_t>(width));
    poe32(b, static_cast<uint32_t>(height));
    poe16(b, 1);
    poe16(b, bits);
    for (int i = 0; i < 6; ++i) poe32(b, 0);
    return b;
}

// A 24-bit file whose file row r (0 = first in the file) holds pixel(x, r), written as
// blue, green, red with each row padded to 4 bytes.
inline std::vector<unsigned char> bmp24(int32_t width, int32_t height,
                                        const std::function<Rgb(int, int)>& pixel) {
    std::vector<unsigned char> b = cabecalho(width, height);
    const int rows = height < 0 ? -height : height;
    const int padding = (4 - (3 * width) % 4) % 4;
    for (int r = 0; r < rows; ++r) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixel(x, r);
            b.insert(b.end(), {c[2], c[1], c[0]});
        }
        for (int i = 0; i < padding; ++i) b.push_back(0xEE);  // never a pixel value
    }
    return b;
}

inline void grava(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace teste
