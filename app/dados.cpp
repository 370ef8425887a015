// The data folder lookup: the game's files are opened by bare name, so the game moves
// into the folder that holds them before it opens any. A folder counts when it holds the
// first scenery: the working folder of a player who keeps sceneries of their own is one.
#include "app/dados.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

// The install's share/cantos as seen from its bin folder; set by the build from the
// install directories ("../share/cantos" for the usual layout).
#ifndef CANTOS_DADOS_RELATIVOS
#define CANTOS_DADOS_RELATIVOS "../share/cantos"
#endif

namespace {

bool temDados(const std::string& pasta) {
    std::error_code erro;
    return fs::is_regular_file(fs::path(pasta) / "japan.sgx", erro);
}

std::string pastaInstalada(const std::string& pastaPrograma) {
    if (pastaPrograma.empty()) return {};
    return (fs::path(pastaPrograma) / CANTOS_DADOS_RELATIVOS).lexically_normal().string();
}

}  // namespace

std::string pastaDoPrograma() {
    std::error_code erro;
    const fs::path exe = fs::read_symlink("/proc/self/exe", erro);
    return erro ? std::string() : exe.parent_path().string();
}

std::string procuraPastaDados(const char* cantosData, const std::string& pastaTrabalho,
                              const std::string& pastaPrograma) {
    if (cantosData != nullptr && *cantosData && temDados(cantosData)) return cantosData;
    if (!pastaTrabalho.empty() && temDados(pastaTrabalho)) return pastaTrabalho;
    const std::string instalada = pastaInstalada(pastaPrograma);
    if (!instalada.empty() && temDados(instalada)) return instalada;
    if (!pastaPrograma.empty()) {
        const std::string runtime = (fs::path(pastaPrograma) / "runtime").string();
        if (temDados(runtime)) return runtime;
    }
    return {};
}

bool entraPastaDados() {
    const char* cantosData = std::getenv("CANTOS_DATA");
    if (cantosData != nullptr && *cantosData && !temDados(cantosData))
        std::fprintf(stderr, "Cantos: CANTOS_DATA=%s holds no sceneries (japan.sgx); looking elsewhere.\n",
                     cantosData);
    std::error_code erro;
    const std::string trabalho = fs::current_path(erro).string();
    const std::string pastaPrograma = pastaDoPrograma();
    const std::string pasta = procuraPastaDados(cantosData, trabalho, pastaPrograma);
    if (pasta.empty() || chdir(pasta.c_str()) != 0) {
        std::fprintf(stderr,
                     "Cantos: no game data found in CANTOS_DATA, the current folder, %s or "
                     "%s/runtime; looking in the current folder.\n",
                     pastaInstalada(pastaPrograma).c_str(), pastaPrograma.c_str());
        return false;
    }
    return true;
}

std::string servidorInstalado(const std::string& pastaPrograma) {
    const std::string instalada = pastaInstalada(pastaPrograma);
    if (instalada.empty()) return {};
    const fs::path script = fs::path(instalada) / "server" / "servidor.pl";
    std::error_code erro;
    return fs::is_regular_file(script, erro) ? script.string() : std::string();
}
