// BMP decoding from arbitrary bytes. Beyond not crashing, a decoded image must hold
// exactly the pixels the file gives (0xFF past its end), and a refused one must leave the
// image held before untouched, since the next texture is then made from that image.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/comum.h"
#include "scene/textura.h"

namespace {

uint32_t le(const uint8_t* d, std::size_t size, std::size_t pos, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= uint32_t{pos + i < size ? d[pos + i] : uint8_t{0xFF}} << (8 * i);
    return v;
}

// Images larger than this but still accepted by the reader are passed over: their pixels
// would almost all come from past the end of the input, and filling hundreds of
// megabytes of 0xFF finds nothing but time-outs.
constexpr int64_t bytesGrandes = 256 << 10;
// The reader's own ceiling (16384 x 16384 pixels of 3 bytes); above it the header is
// refused before anything is allocated, which stays cheap and is kept.
constexpr int64_t limiteLeitor = int64_t{16384} * 16384 * 3;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    silenciaConsola();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t size) {
    const int32_t width = static_cast<int32_t>(le(d, size, 18, 4));
    const int32_t height = static_cast<int32_t>(le(d, size, 22, 4));
    const uint16_t bits = static_cast<uint16_t>(le(d, size, 28, 2));
    const int64_t rows = height < 0 ? -int64_t{height} : height;
    const int64_t rowBytes = int64_t{width} * 3;
    // Each factor bounded before the product, which could overflow otherwise.
    const bool cabe = width > 0 && rows > 0 && rows <= limiteLeitor &&
                      rowBytes <= limiteLeitor && rowBytes * rows <= limiteLeitor;
    if (bits == 24 && cabe && rowBytes * rows > bytesGrandes) return -1;

    // An image already held, as the process-wide reader has after the first texture.
    TextureImage imagem;
    const unsigned char anterior[] = {1, 2, 3, 4, 5, 6};
    imagem.width = 2;
    imagem.height = 1;
    imagem.data.assign(anterior, anterior + sizeof anterior);

    if (!imagem.decode(d, size)) {
        exige(imagem.width == 2 && imagem.height == 1 &&
                  imagem.data == std::vector<unsigned char>(anterior, anterior + sizeof anterior),
              "a refused file changed the image held");
        exige(bits != 24 || !cabe, "refused a %d x %d image", width, height);
        return 0;
    }

    exige(bits == 24, "accepted %u bits per pixel", bits);
    exige(imagem.width == width && imagem.height == rows, "size %d x %d read as %d x %d", width,
          height, imagem.width, imagem.height);
    exige(static_cast<int64_t>(imagem.data.size()) == rowBytes * rows, "%zu pixel bytes",
          imagem.data.size());

    // Rows of 3 bytes a pixel padded to 4 from byte 54 on, blue first; a top-down file
    // (negative height) is turned bottom row first like every other.
    const int64_t passo = (rowBytes + 3) / 4 * 4;
    for (int64_t r = 0; r < rows; ++r) {
        const int64_t destino = height < 0 ? rows - 1 - r : r;
        const int64_t origem = 54 + r * passo;
        // Past the end every byte is 0xFF; checking the whole missing tail adds nothing.
        if (origem > static_cast<int64_t>(size) + passo) break;
        for (int64_t x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) {
                const uint32_t esperado = le(d, size, static_cast<std::size_t>(origem + 3 * x + 2 - c), 1);
                const unsigned char lido = imagem.data[static_cast<std::size_t>(destino * rowBytes + 3 * x + c)];
                exige(lido == esperado, "row %lld pixel %lld channel %d: %u, file says %u",
                      static_cast<long long>(r), static_cast<long long>(x), c, lido, esperado);
            }
    }
    return 0;
}
