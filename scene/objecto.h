// Scene objects: the abstract base, groups, and the draw-state entries carried down the tree.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "scene/elementos.h"
#include "scene/recorte.h"

struct GLUquadric;

class Objecto;
using ListaObjectos = std::vector<std::unique_ptr<Objecto>>;
// Each id to the last object that carries it, the one a child id links to.
using IndiceObjectos = std::unordered_map<std::string, Objecto*>;

// Material and texture in force while one object draws.
struct stackobject {
    materialElement* material = nullptr;
    textureElement* texture = nullptr;  // none after a "clear" object
    bool clear = false;
};

class Objecto {
public:
    // material and texture refer to table entries or to records made for this object alone.
    Objecto(std::string id, materialElement& material, textureElement& texture, bool clear);
    virtual ~Objecto();
    Objecto(const Objecto&) = delete;
    Objecto& operator=(const Objecto&) = delete;

    virtual void linkChildren(const ListaObjectos& objects) = 0;
    virtual void draw() = 0;

    std::string getId() const { return id; }
    textureElement& getTexture() { return *texture; }
    materialElement& getMaterial() { return *material; }
    bool isClear() const { return clear; }
    void applyMaterial();

    // The records made for this object alone become its own; the references may keep
    // pointing at them (or at table entries, which are never owned).
    void keepRecords(std::unique_ptr<materialElement> ownMaterial,
                     std::unique_ptr<textureElement> ownTexture);

    float matrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};  // column-major

    // The entry this object would push now, given the entry on top of drawStack.
    stackobject computeEntry() const;
    // False when the entry names no OpenGL texture; texture 0 is bound then.
    static bool hasUsableTexture(const stackobject& entry);

protected:
    // Steps of the drawing sequence every object follows.
    void adoptParentMaterial();  // shapes only: a "null" material takes the parent's for good
    void pushEntry();
    void bindEntryTexture() const;
    void beginTexture() const;  // texturing on and the entry's texture bound, unless "clear"
    // Pushes the matrix and sends the material; the rectangle and the box turn texturing on
    // in between, whatever their texture.
    void placeAndApplyMaterial(bool forceTexturing = false);
    void finishDraw();
    // The drawing sequence of the GLU shapes around their one geometry call, which is left
    // out when the shape's box lies outside the view; `desenhaAlgo` when GLU draws anything
    // for the shape's numbers.
    void drawQuadric(const std::function<void(GLUquadric*)>& geometria, const Caixa& caixa,
                     bool desenhaAlgo);

    textureElement* texture;
    materialElement* material;
    std::string id;
    bool clear;
    std::unique_ptr<materialElement> ownMaterial;
    std::unique_ptr<textureElement> ownTexture;
    // What a GLU shape's geometry leaves as OpenGL's current normal and texture coordinate.
    struct Deixados {
        bool conhecidos = false;
        float normal[3] = {0.0f, 0.0f, 1.0f};
        float textura[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    } deixados;
};

class Composto : public Objecto {
public:
    Composto(std::string id, materialElement& material, textureElement& texture, bool clear,
             std::vector<std::string> childIds);
    void linkChildren(const ListaObjectos& objects) override;
    // The same from an index built once, so linking a whole scene stays linear.
    void linkChildren(const IndiceObjectos& porId);
    void draw() override;

    const std::vector<Objecto*>& getChildren() const { return children; }
    const std::vector<std::string>& getChildIds() const { return childIds; }
    void clearChild(size_t slot) { children.at(slot) = nullptr; }

private:
    std::vector<Objecto*> children;  // one slot per child id; empty until linked
    std::vector<std::string> childIds;
};

IndiceObjectos indexObjects(const ListaObjectos& objects);

// After linking: empties every child slot that closes a cycle, printing
// "Cycle in scene graph at '<id>'\n" for the group that holds it, so drawing always ends.
// The walk starts from the objects whose id is rootId, the ones the frame draws.
void breakCycles(const ListaObjectos& objects, const std::string& rootId = "");
