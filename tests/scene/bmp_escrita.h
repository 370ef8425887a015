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

inline void poe(std::vector<unsigned char>& b, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back((v >> (8 * i)) & 0xFF);
}

// The 54 header bytes; the pixel offset says 54.
inline std::vector<unsigned char> cabecalho(int32_t width, int32_t height, uint16_t bits = 24) {
    std::vector<unsigned char> b{'B', 'M'};
    poe(b, 0, 4);  // file size, unused
    poe(b, 0, 2);
    poe(b, 0, 2);
    poe(b, 54, 4);
    poe(b, 40, 4);
    poe(b, static_cast<uint32_t>(width), 4);
    poe(b, static_cast<uint32_t>(height), 4);
    poe(b, 1, 2);
    poe(b, bits, 2);
    for (int i = 0; i < 6; ++i) poe(b, 0, 4);
    return b;
}

// A 24-bit file whose file row r holds pixel(x, r), as blue, green, red, each row padded
// to 4 bytes with a value no pixel uses.
inline std::vector<unsigned char> bmp24(int32_t width, int32_t height,
                                        const std::function<Rgb(int, int)>& pixel) {
    std::vector<unsigned char> b = cabecalho(width, height);
    for (int r = 0; r < (height < 0 ? -height : height); ++r) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = pixel(x, r);
            b.insert(b.end(), {c[2], c[1], c[0]});
        }
        b.insert(b.end(), (4 - (3 * width) % 4) % 4, 0xEE);
    }
    return b;
}

inline void grava(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace teste
