#include "scene/objecto.h"

#include <GL/gl.h>

#include <utility>

#include "scene/globais.h"
#include "scene/recorte.h"

namespace {

bool isNull(const std::string& id) { return id == "null"; }

}  // namespace

Objecto::Objecto(std::string id, materialElement& material, textureElement& texture, bool clear)
    : texture(&texture), material(&material), id(std::move(id)), clear(clear) {}

Objecto::~Objecto() = default;

void Objecto::keepRecords(std::unique_ptr<materialElement> ownMaterial,
                          std::unique_ptr<textureElement> ownTexture) {
    if (ownMaterial) this->ownMaterial = std::move(ownMaterial);
    if (ownTexture) this->ownTexture = std::move(ownTexture);
}

void Objecto::applyMaterial() {
    // A "null" material inherits whatever the parent already sent.
    if (isNull(material->id)) return;
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material->shininess);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, material->emission);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, material->specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material->diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material->ambient);
}

stackobject Objecto::computeEntry() const {
    if (drawStack.empty()) return stackobject{material, texture, clear};
    const stackobject& top = drawStack.back();
    stackobject entry;
    entry.material = isNull(material->id) ? top.material : material;
    entry.clear = clear;
    if (!clear) entry.texture = isNull(texture->id) ? top.texture : texture;
    return entry;
}

bool Objecto::hasUsableTexture(const stackobject& entry) {
    // A "null" texture under a "clear" group finds nothing. Under a "clear" root, or at the
    // root itself, it finds a record made for one object, which names no OpenGL texture.
    return entry.texture != nullptr && !isNull(entry.texture->id) && entry.texture->id != "clear";
}

void Objecto::adoptParentMaterial() {
    if (!drawStack.empty() && isNull(material->id)) material = drawStack.back().material;
}

void Objecto::pushEntry() {
    // A drawing starts at a root: from there on texturing is held back until geometry.
    if (drawStack.empty()) {
        comecaTexturizacao();
        comecaRecorte();
    }
    drawStack.push_back(computeEntry());
}

void Objecto::bindEntryTexture() const {
    const stackobject& entry = drawStack.back();
    pedeTextura(hasUsableTexture(entry) ? static_cast<unsigned>(entry.texture->textureName) : 0);
}

void Objecto::beginTexture() const {
    if (clear) return;
    pedeTexturizacao(true);
    bindEntryTexture();
}

void Objecto::placeAndApplyMaterial(bool forceTexturing) {
    glPushMatrix();
    if (forceTexturing) pedeTexturizacao(true);
    glMultMatrixf(matrix);
    applyMaterial();
}

void Objecto::finishDraw() {
    if (!drawStack.back().clear) pedeTexturizacao(false);
    drawStack.pop_back();
    glPopMatrix();
    if (drawStack.empty()) aplicaTexturizacao();
}
