// The panel in a real GL context: its font texture's name, and a frame of it leaving the
// GL state as the game's drawing left it.
#include <cstdint>

#include <GL/freeglut.h>
#include <gtest/gtest.h>
#include <imgui.h>

#include "app/globais.h"
#include "app/janela.h"
#include "app/painel.h"

namespace {

class PainelGl : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        int argc = 1;
        char nome[] = "painel";
        char* argv[] = {nome, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DEPTH | GLUT_DOUBLE);
        glutInitWindowSize(550, 550);
        glutCreateWindow(nome);
        iniciaPainel();
        ImGui::GetIO().DisplaySize = ImVec2(550, 550);
        reshapeCallback(550, 550);
    }
};

// Created before any texture of the program exists, when the driver hands out the lowest
// names: exactly the names scenery and themes define later.
TEST_F(PainelGl, FontTextureNeverTakesANameTheProgramDefines) {
    ASSERT_TRUE(criaTexturaFonte());
    const auto nome = GLuint(reinterpret_cast<std::intptr_t>(ImGui::GetIO().Fonts->TexID));
    EXPECT_GT(nome, 135u);
    EXPECT_TRUE(glIsTexture(nome));
    for (GLuint n = 1; n <= 135; ++n) EXPECT_FALSE(glIsTexture(n)) << "name " << n << " kept";
}

TEST_F(PainelGl, AFrameOfThePanelRestoresTheStateItChanges) {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 105);
    glColor4f(0.25f, 0.5f, 0.75f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    GLint vistaAntes[4];
    glGetIntegerv(GL_VIEWPORT, vistaAntes);

    desenhaPainel();
    desenhaPainel();

    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    GLint textura = 0, modo = 0, vista[4];
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &textura);
    glGetIntegerv(GL_MATRIX_MODE, &modo);
    glGetIntegerv(GL_VIEWPORT, vista);
    EXPECT_EQ(textura, 105);
    EXPECT_EQ(modo, GL_MODELVIEW);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(vista[i], vistaAntes[i]);
    EXPECT_EQ(vista[1], alturaPainel) << "the 3D view stands above the panel";
    GLfloat cor[4], mv[16];
    glGetFloatv(GL_CURRENT_COLOR, cor);
    glGetFloatv(GL_MODELVIEW_MATRIX, mv);
    EXPECT_FLOAT_EQ(cor[1], 0.5f);
    EXPECT_FLOAT_EQ(mv[13], 2.0f);
}

}  // namespace
