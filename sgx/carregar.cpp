// Loading a scenery file as a whole: the document, the failure message and the order
// of the reading steps.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <tinyxml.h>

#include "sgx/leitura.h"
#include "sgx/profundidade.h"
#include "sgx/sgx.h"
#include "game/ids.h"

namespace {

void falhou(const std::string& nome, const char* erro) {
    std::printf("Could not load test file '%s'. Error='%s'. Exiting.\n", nome.c_str(), erro);
}

// TinyXML's own text for a file it cannot open.
std::string erroAoAbrir() {
    TiXmlDocument d;
    d.LoadFile(static_cast<FILE*>(nullptr));
    return d.ErrorDesc();
}

// What TinyXML does to a file's bytes before parsing them: line ends become "\n", and
// the text ends at the first NUL byte.
std::string normaliza(const char* bytes, std::size_t size) {
    std::string texto;
    texto.reserve(size);
    for (std::size_t i = 0; i < size && bytes[i] != '\0'; ++i) {
        if (bytes[i] == '\r') {
            texto += '\n';
            if (i + 1 < size && bytes[i + 1] == '\n') ++i;
        } else {
            texto += bytes[i];
        }
    }
    return texto;
}

void leCena(const TiXmlDocument& doc) {
    const TiXmlElement* sgx = doc.FirstChildElement("sgx");
    if (!sgx) {
        std::printf("Bloco SGX n\xE3o encontrado\n");
        linkObjects();
        return;
    }
    std::printf("Processing SGX\n");
    parseGlobals(sgx);
    parseView(sgx);
    std::printf("View attributes: %f %f %f\n", sceneView.axisscale, sceneView.far, sceneView.near);
    sceneMaterials = parseMaterials(sgx);
    sceneLights = parseLights(sgx);
    sceneTextures = parseTextures(sgx);
    parseObjects(sgx);
    linkObjects();
}

}  // namespace

const char* sceneFileName(int scenery) { return ficheiroDoAmbiente(scenery); }

bool loadSceneText(const char* bytes, std::size_t size, const std::string& name) {
    const std::string texto = normaliza(bytes, size);
    if (profundidadeMaxima(texto.c_str()) > profundidadeLimite) {
        falhou(name, "nested too deeply");
        return false;
    }
    TiXmlDocument doc;
    doc.Parse(texto.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    if (doc.Error()) {
        falhou(name, doc.ErrorDesc());
        return false;
    }
    leCena(doc);
    return true;
}

bool loadSceneFile(const std::string& path) {
    // Read here rather than by TinyXML, so files and bytes in memory take one path, and
    // a directory or an unreadable file is a failure instead of a bogus size.
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::string bytes;
    bool lido = f != nullptr;
    if (f) {
        char bloco[65536];
        std::size_t n;
        while ((n = std::fread(bloco, 1, sizeof bloco, f)) > 0) bytes.append(bloco, n);
        lido = !std::ferror(f);
        std::fclose(f);
    }
    if (!lido) {
        falhou(path, erroAoAbrir().c_str());
        return false;
    }
    return loadSceneText(bytes.data(), bytes.size(), path);
}

void loadScene(int scenery) {
    if (!loadSceneFile(sceneFileName(scenery))) std::exit(1);
}

void clearScene() {
    sceneLights.clear();
    sceneMaterials.clear();
    sceneObjects.clear();
}
