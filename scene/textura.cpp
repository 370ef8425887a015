#include "scene/textura.h"

#include <GL/gl.h>

#include <cstdio>
#include <memory>
#include <new>
#include <utility>

namespace {

// Largest image accepted, in bytes of pixel data: well past any texture size OpenGL
// implementations offer, and small enough that the byte count cannot overflow.
constexpr int64_t kMaxBytes = int64_t{16384} * 16384 * 3;

// Bytes of a BMP one at a time. Past the end every byte reads as 0xFF, so a truncated
// file shows white where its pixels are missing.
class BytesMemoria {
public:
    BytesMemoria(const unsigned char* bytes, std::size_t size) : bytes(bytes), size(size) {}
    int next() { return pos < size ? bytes[pos++] : 0xFF; }

private:
    const unsigned char* bytes;
    std::size_t size;
    std::size_t pos = 0;
};

class BytesFicheiro {
public:
    explicit BytesFicheiro(std::FILE* file) : file(file) {}
    int next() {
        if (pos == filled) {
            if (ended) return 0xFF;
            filled = std::fread(buffer, 1, sizeof buffer, file);
            pos = 0;
            if (filled == 0) {
                ended = true;
                return 0xFF;
            }
        }
        return buffer[pos++];
    }

private:
    std::FILE* file;
    unsigned char buffer[1 << 16];
    std::size_t filled = 0;
    std::size_t pos = 0;
    bool ended = false;
};

template <class Bytes>
uint16_t readWord(Bytes& in) {
    const unsigned lo = static_cast<unsigned>(in.next());
    const unsigned hi = static_cast<unsigned>(in.next());
    return static_cast<uint16_t>(lo | (hi << 8));
}

template <class Bytes>
uint32_t readDword(Bytes& in) {
    const uint32_t lo = readWord(in);
    const uint32_t hi = readWord(in);
    return lo | (hi << 16);
}

struct Imagem {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<unsigned char> data;
};

// Reads header and pixels into `out`; on failure `out` is left as it was.
template <class Bytes>
bool lerBmp(Bytes& in, Imagem& out) {
    readWord(in);   // signature
    readDword(in);  // file size
    readWord(in);   // reserved
    readWord(in);
    readDword(in);  // pixel offset: the pixels are read from byte 54 whatever it says
    readDword(in);  // information header size
    const int32_t width = static_cast<int32_t>(readDword(in));
    const int32_t height = static_cast<int32_t>(readDword(in));
    readWord(in);  // planes
    const uint16_t bits = readWord(in);
    for (int i = 0; i < 6; ++i) readDword(in);  // compression .. important colours

    if (bits != 24) {
        std::printf("A image nao e de 24 bits por pixel!\n");
        return false;
    }

    // A negative height marks rows stored top row first.
    const bool topDown = height < 0;
    const int64_t rows = topDown ? -int64_t{height} : int64_t{height};
    const int64_t rowBytes = int64_t{width} * 3;
    // Each factor is bounded first, so the product cannot overflow.
    if (width <= 0 || rows <= 0 || rowBytes > kMaxBytes || rows > kMaxBytes ||
        rowBytes * rows > kMaxBytes) {
        std::printf("Erro a reservar memoria!");
        return false;
    }
    std::vector<unsigned char> pixels;
    try {
        pixels.resize(static_cast<std::size_t>(rowBytes * rows));
    } catch (const std::bad_alloc&) {
        std::printf("Erro a reservar memoria!");
        return false;
    }

    const int64_t padding = (rowBytes + 3) / 4 * 4 - rowBytes;
    for (int64_t r = 0; r < rows; ++r) {
        const int64_t destino = topDown ? rows - 1 - r : r;
        unsigned char* row = pixels.data() + destino * rowBytes;
        for (int64_t x = 0; x < width; ++x) {
            const int b = in.next();
            const int g = in.next();
            row[3 * x + 2] = static_cast<unsigned char>(b);
            row[3 * x + 1] = static_cast<unsigned char>(g);
            row[3 * x] = static_cast<unsigned char>(in.next());
        }
        for (int64_t i = 0; i < padding; ++i) in.next();
    }

    out.width = width;
    out.height = static_cast<int32_t>(rows);
    out.data = std::move(pixels);
    return true;
}

}  // namespace

bool TextureImage::decode(const unsigned char* bytes, std::size_t size) {
    BytesMemoria in(bytes, size);
    Imagem lida;
    if (!lerBmp(in, lida)) return false;
    width = lida.width;
    height = lida.height;
    data = std::move(lida.data);
    return true;
}

bool TextureImage::load(const std::string& path) {
    // Read-only: a texture file the user may not write to must still load.
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    auto in = std::make_unique<BytesFicheiro>(file);
    Imagem lida;
    const bool ok = lerBmp(*in, lida);
    std::fclose(file);
    if (!ok) return false;
    width = lida.width;
    height = lida.height;
    data = std::move(lida.data);
    return true;
}

void TextureImage::makeTexture(unsigned int name) const {
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // Rows in `data` are packed tightly, whatever their width.
    GLint alinhamento = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alinhamento);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 data.empty() ? nullptr : data.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alinhamento);
}
