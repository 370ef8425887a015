// A folder holding three small sceneries under the game's file names, each with its own root,
// so a test can tell which file was loaded.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

namespace teste {

inline std::string cenarioSgx(const std::string& raiz) {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
           "<sgx>\n"
           "  <globals maxlights=\"8\" maxtextures=\"10\" maxmaterials=\"10\" maxobjects=\"10\""
           " root=\"" + raiz + "\"/>\n"
           "  <view near=\"1\" far=\"50\" axisscale=\"1\"/>\n"
           "  <illumination doublesided=\"0\" local=\"0\">\n"
           "    <ambient r=\"0.4\" g=\"0.4\" b=\"0.4\" a=\"1\"/>\n"
           "    <background r=\"0.5\" g=\"0.6\" b=\"0.7\" a=\"1\"/>\n"
           "    <lights>\n"
           "      <light id=\"sol\" enabled=\"1\">\n"
           "        <position x=\"0\" y=\"10\" z=\"0\" w=\"0\"/>\n"
           "        <ambient r=\"0\" g=\"0\" b=\"0\" a=\"1\"/>\n"
           "        <diffuse r=\"1\" g=\"1\" b=\"1\" a=\"1\"/>\n"
           "        <specular r=\"1\" g=\"1\" b=\"1\" a=\"1\"/>\n"
           "      </light>\n"
           "    </lights>\n"
           "  </illumination>\n"
           "  <textures></textures>\n"
           "  <materials>\n"
           "    <material id=\"m\">\n"
           "      <emission r=\"0\" g=\"0\" b=\"0\" a=\"1\"/>\n"
           "      <ambient r=\"0.3\" g=\"0.3\" b=\"0.3\" a=\"1\"/>\n"
           "      <diffuse r=\"0.6\" g=\"0.6\" b=\"0.6\" a=\"1\"/>\n"
           "      <specular r=\"0\" g=\"0\" b=\"0\" a=\"1\"/>\n"
           "      <shininess value=\"10\"/>\n"
           "    </material>\n"
           "  </materials>\n"
           "  <objects>\n"
           "    <o id=\"" + raiz + "\" type=\"compound\">\n"
           "      <material id=\"m\"/>\n"
           "      <texture id=\"clear\"/>\n"
           "      <children><c id=\"chao\"/></children>\n"
           "    </o>\n"
           "    <o id=\"chao\" type=\"simple\">\n"
           "      <material id=\"null\"/>\n"
           "      <texture id=\"null\"/>\n"
           "      <geometry type=\"rectangle\" x1=\"-20\" y1=\"-20\" x2=\"20\" y2=\"-19\"/>\n"
           "    </o>\n"
           "  </objects>\n"
           "</sgx>\n";
}

// Makes a fresh folder with "japan.sgx", "castle.sgx" and "ambiente.sgx" (roots "japao",
// "castelo" and "praia") and returns its path.
inline std::string pastaCenarios() {
    char modelo[] = "/tmp/cantos-cenarios-XXXXXX";
    const char* pasta = mkdtemp(modelo);
    if (pasta == nullptr) return {};
    const char* ficheiros[3][2] = {
        {"japan.sgx", "japao"}, {"castle.sgx", "castelo"}, {"ambiente.sgx", "praia"}};
    for (const auto& f : ficheiros) {
        const std::string caminho = std::string(pasta) + "/" + f[0];
        std::FILE* out = std::fopen(caminho.c_str(), "w");
        if (out == nullptr) return {};
        const std::string texto = cenarioSgx(f[1]);
        std::fwrite(texto.data(), 1, texto.size(), out);
        std::fclose(out);
    }
    return pasta;
}

inline void apagaPastaCenarios(const std::string& pasta) {
    if (pasta.empty()) return;
    for (const char* f : {"japan.sgx", "castle.sgx", "ambiente.sgx", "saida.txt"})
        std::remove((pasta + "/" + f).c_str());
    std::remove(pasta.c_str());
}

}  // namespace teste
