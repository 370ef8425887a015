// Uncompressed 24-bit BMP images turned into OpenGL textures under names the caller picks.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TextureImage {
public:
    // Reads the file; false (with the messages of the image reader) on failure,
    // leaving the previous image whole.
    bool load(const std::string& path);
    // The same from bytes already in memory; no GL needed.
    bool decode(const unsigned char* bytes, std::size_t size);
    // Defines texture object `name` from the image held (needs a GL context).
    void makeTexture(unsigned int name) const;

    int32_t height = 0;
    int32_t width = 0;
    std::vector<unsigned char> data;  // rows bottom first, RGB, no padding
};
