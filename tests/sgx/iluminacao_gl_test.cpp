// What reaches OpenGL: lights, scene textures, and matrices that agree with the GL
// matrix stack while loading leaves that stack alone.
#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "apoio.h"
#include "scene/bmp_escrita.h"
#include "scene/contexto_gl.h"
#include "scene/globais.h"
#include "scene/matriz.h"

namespace {

class Gl : public Cena {
protected:
    void SetUp() override {
        teste::garanteContextoGl();
        Cena::SetUp();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
};

lightElements luz(const std::string& id, int enabled, float r) {
    lightElements l;
    l.id = id;
    l.enabled = enabled;
    const float posicao[4] = {1, 2, 3, 1}, difusa[4] = {r, 0.5f, 0.25f, 1};
    for (int i = 0; i < 4; ++i) {
        l.position[i] = posicao[i];
        l.diffuse[i] = difusa[i];
        l.globalAmbient[i] = 0.3f;
        l.background[i] = 0.1f * float(i);
    }
    return l;
}

std::vector<float> parametro(GLenum luzGl, GLenum nome, int n) {
    std::vector<float> v(static_cast<std::size_t>(n));
    glGetLightfv(luzGl, nome, v.data());
    return v;
}

Matriz daPilhaGl() {
    Matriz m;
    glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

void esperaIgual(const Matriz& a, const Matriz& b) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(a[i], b[i], 1e-5) << "index " << i;
}

}  // namespace

TEST_F(Gl, ComposedMatricesMatchTheGlMatrixStack) {
    Matriz m = identidade();
    m = translada(m, 1, 0, 0);
    m = roda(m, 90, 0, 0, 1);
    glTranslatef(1, 0, 0);
    glRotatef(90, 0, 0, 1);
    esperaIgual(m, daPilhaGl());

    glLoadIdentity();
    m = identidade();
    const float angulos[] = {30, -75, 200, 0, 13.5f};
    for (float a : angulos) {
        m = roda(m, a, 1, 2, -3);  // an axis that is not of unit length
        m = escala(m, 2, 0.5f, -1);
        m = translada(m, -3, 4, 0.25f);
        m = roda(m, a, 0, 1, 0);
        glRotatef(a, 1, 2, -3);
        glScalef(2, 0.5f, -1);
        glTranslatef(-3, 4, 0.25f);
        glRotatef(a, 0, 1, 0);
    }
    esperaIgual(m, daPilhaGl());
}

TEST_F(Gl, LoadingLeavesTheModelViewMatrixAndStackAlone) {
    glTranslatef(5, 6, 7);
    const Matriz antes = daPilhaGl();
    GLint profundidade = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &profundidade);
    carrega("completo.sgx");
    carrega("transformacoes.sgx");
    esperaIgual(daPilhaGl(), antes);
    GLint depois = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depois);
    EXPECT_EQ(depois, profundidade);
}

TEST_F(Gl, LightsAreSentInFullAndOnlyEnabledOneSwitchesOn) {
    doublesided = 3;
    local = 0;
    sceneLights = {luz("a", 1, 0.9f), luz("b", 2, 0.7f)};
    applyLight(0);
    applyLight(1);

    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));  // "enabled" 2 is sent in full, then off
    EXPECT_EQ(parametro(GL_LIGHT1, GL_DIFFUSE, 4), (std::vector<float>{0.7f, 0.5f, 0.25f, 1}));
    EXPECT_EQ(parametro(GL_LIGHT1, GL_POSITION, 4), (std::vector<float>{1, 2, 3, 1}));
    EXPECT_EQ(parametro(GL_LIGHT1, GL_CONSTANT_ATTENUATION, 1)[0], 0.0f);
    EXPECT_EQ(parametro(GL_LIGHT1, GL_LINEAR_ATTENUATION, 1)[0], 1.0f);
    EXPECT_EQ(parametro(GL_LIGHT1, GL_QUADRATIC_ATTENUATION, 1)[0], 0.0f);

    GLint doisLados = 0, localGl = 1;
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &doisLados);
    glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &localGl);
    EXPECT_EQ(doisLados, 1);
    EXPECT_EQ(localGl, 0);
    float ambiente[4], fundo[4];
    glGetFloatv(GL_LIGHT_MODEL_AMBIENT, ambiente);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, fundo);
    EXPECT_COR(ambiente, 0.3f, 0.3f, 0.3f, 0.3f);
    EXPECT_COR(fundo, 0.0f, 0.1f, 0.2f, 0.3f);

    // A scene with fewer lights leaves the extra GL light as the last scene set it.
    sceneLights = {luz("c", 0, 0.2f)};
    applyLight(0);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
    EXPECT_EQ(parametro(GL_LIGHT1, GL_DIFFUSE, 4), (std::vector<float>{0.7f, 0.5f, 0.25f, 1}));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Gl, LightsPastTheEighthStayInTheTableButAreNeverSent) {
    for (int i = 0; i < 9; ++i) sceneLights.push_back(luz("l" + std::to_string(i), 1, 0.1f * float(i)));
    for (int i = 0; i < 9; ++i) applyLight(i);
    applyLight(-1);
    applyLight(42);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT7));
    EXPECT_EQ(sceneLights.size(), 9u);
}

TEST_F(Gl, AMissingTextureFileTakesTheImageReadLast) {
    char modelo[] = "/tmp/cantos-sgx-bmp-XXXXXX";
    ASSERT_NE(mkdtemp(modelo), nullptr);
    const std::string vermelho = std::string(modelo) + "/vermelho.bmp";
    teste::grava(vermelho, teste::bmp24(4, 2, [](int, int) { return teste::Rgb{200, 10, 20}; }));

    textureElement lida;
    lida.file = vermelho;
    lida.textureName = 1;
    textureElement perdida;
    perdida.file = std::string(modelo) + "/nao_existe.bmp";
    perdida.textureName = 2;
    loadSceneTexture(lida);
    loadSceneTexture(perdida);

    std::vector<unsigned char> pixeis(4 * 2 * 3);
    glBindTexture(GL_TEXTURE_2D, 2);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixeis.data());
    for (std::size_t i = 0; i < pixeis.size(); i += 3) {
        EXPECT_EQ(pixeis[i], 200);
        EXPECT_EQ(pixeis[i + 1], 10);
        EXPECT_EQ(pixeis[i + 2], 20);
    }
    GLint filtro = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filtro);
    EXPECT_EQ(filtro, GL_LINEAR);
    std::remove(vermelho.c_str());
    rmdir(modelo);
}
