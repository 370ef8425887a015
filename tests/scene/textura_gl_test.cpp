// Defining OpenGL textures from the image held.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <vector>

#include "scene/bmp_escrita.h"
#include "scene/contexto_gl.h"
#include "scene/textura.h"

TEST(MakeTexture, OddRowLengthsUploadIntactAndAlignmentIsRestored) {
    teste::garanteContextoGl();
    for (int width : {1, 3, 4, 5}) {
        SCOPED_TRACE(width);
        TextureImage img;
        const auto bytes = teste::bmp24(width, 3, [](int x, int r) {
            return teste::Rgb{static_cast<unsigned char>(40 * x), static_cast<unsigned char>(60 * r), 7};
        });
        ASSERT_TRUE(img.decode(bytes.data(), bytes.size()));

        glPixelStorei(GL_UNPACK_ALIGNMENT, 2);
        img.makeTexture(31);
        GLint alinhamento = 0, ligada = 0;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alinhamento);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &ligada);
        EXPECT_EQ(alinhamento, 2);
        EXPECT_EQ(ligada, 31);

        GLint w = 0, h = 0, mag = 0, min = 0, wrap = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &w);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &h);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
        EXPECT_EQ(w, width);
        EXPECT_EQ(h, 3);
        EXPECT_EQ(mag, GL_LINEAR);
        EXPECT_EQ(min, GL_LINEAR);
        EXPECT_EQ(wrap, GL_REPEAT);  // coordinates past 1 repeat the image

        std::vector<unsigned char> lido(img.data.size());
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, lido.data());
        EXPECT_EQ(lido, img.data);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}
