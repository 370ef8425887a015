// Files for the user: the XDG folders and writes that never leave half a file behind.
#include "game/ficheiros.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

std::string pastaXdg(const char* variavel, const char* omissao) {
    const char* valor = std::getenv(variavel);
    // The XDG rules ignore a relative path: it would depend on the folder the game started in.
    if (valor && valor[0] == '/') return std::string(valor) + "/cantos";
    const char* casa = std::getenv("HOME");
    if (!casa || !*casa) return "";
    return std::string(casa) + "/" + omissao + "/cantos";
}

bool ehPasta(const std::string& caminho) {
    struct stat s;
    return stat(caminho.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

bool escreveTudo(int fd, const std::string& texto) {
    std::size_t feito = 0;
    while (feito < texto.size()) {
        ssize_t n = write(fd, texto.data() + feito, texto.size() - feito);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        feito += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string pastaEstado() { return pastaXdg("XDG_STATE_HOME", ".local/state"); }
std::string pastaDefinicoes() { return pastaXdg("XDG_CONFIG_HOME", ".config"); }

std::string pastaDocumentos() {
    const char* casa = std::getenv("HOME");
    if (!casa || !*casa) return "";
    std::string documentos = std::string(casa) + "/Documents";
    return ehPasta(documentos) ? documentos : casa;
}

bool criaPasta(const std::string& pasta) {
    if (pasta.empty()) return false;
    for (std::size_t i = 1; i <= pasta.size(); ++i)
        if (i == pasta.size() || pasta[i] == '/') mkdir(pasta.substr(0, i).c_str(), 0755);
    return ehPasta(pasta);
}

bool escreveAtomico(const std::string& caminho, const std::string& texto) {
    std::string temporario = caminho + ".tmp" + std::to_string(getpid());
    int fd = open(temporario.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = escreveTudo(fd, texto) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && std::rename(temporario.c_str(), caminho.c_str()) == 0) return true;
    unlink(temporario.c_str());
    return false;
}

bool leFicheiro(const std::string& caminho, std::string& texto) {
    std::FILE* f = std::fopen(caminho.c_str(), "rb");
    if (!f) return false;
    texto.clear();
    char bloco[4096];
    std::size_t n;
    while ((n = std::fread(bloco, 1, sizeof bloco, f)) > 0) texto.append(bloco, n);
    bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

bool existeFicheiro(const std::string& caminho) { return access(caminho.c_str(), F_OK) == 0; }

void poeDeParte(const std::string& caminho) { std::rename(caminho.c_str(), (caminho + ".bad").c_str()); }

