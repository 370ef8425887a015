// Files for the user: the XDG folders and writes that never leave half a file behind.
#include "game/ficheiros.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

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

constexpr const char* sufixoTemporario = ".tmp";

// The process that wrote "<name>.tmp<pid>", or 0 when the name is not one of those.
long pidDoTemporario(const std::string& nome) {
    const std::size_t marca = nome.rfind(sufixoTemporario);
    if (marca == std::string::npos || marca == 0) return 0;
    const std::string digitos = nome.substr(marca + std::strlen(sufixoTemporario));
    if (digitos.empty() || digitos.size() > 9 || digitos[0] == '0' ||
        digitos.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stol(digitos);
}

bool processoVivo(long pid) { return kill(pid_t(pid), 0) == 0 || errno == EPERM; }

// Renames without replacing: false with EEXIST when `novo` exists.
bool renomeiaSemSubstituir(const std::string& velho, const std::string& novo) {
    if (renameat2(AT_FDCWD, velho.c_str(), AT_FDCWD, novo.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the flag: a hard link fails on an existing name just the same.
    if (link(velho.c_str(), novo.c_str()) != 0) return false;
    unlink(velho.c_str());
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
    // The XDG folders are the user's alone; mkdir leaves existing folders as they are.
    for (std::size_t i = 1; i <= pasta.size(); ++i)
        if (i == pasta.size() || pasta[i] == '/') mkdir(pasta.substr(0, i).c_str(), 0700);
    return ehPasta(pasta);
}

bool escreveAtomico(const std::string& caminho, const std::string& texto) {
    const std::string temporario = caminho + sufixoTemporario + std::to_string(getpid());
    // Never through a link another user planted, and never into a file already there: one
    // with this name is a leftover of an earlier process that had this pid.
    const int bandeiras = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = open(temporario.c_str(), bandeiras, 0600);
    if (fd < 0 && errno == EEXIST && unlink(temporario.c_str()) == 0)
        fd = open(temporario.c_str(), bandeiras, 0600);
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

std::string poeDeParte(const std::string& caminho) {
    for (int n = 0; n < 1000; ++n) {
        const std::string nome = caminho + ".bad" + (n ? "." + std::to_string(n) : "");
        if (renomeiaSemSubstituir(caminho, nome)) return nome;
        if (errno != EEXIST) return "";
    }
    return "";
}

int limpaTemporarios(const std::string& pasta, int idadeMaxima) {
    DIR* d = opendir(pasta.c_str());
    if (!d) return 0;
    int removidos = 0;
    const std::time_t agora = std::time(nullptr);
    while (const dirent* e = readdir(d)) {
        const long pid = pidDoTemporario(e->d_name);
        if (pid == 0 || pid == long(getpid())) continue;
        const std::string caminho = pasta + "/" + e->d_name;
        struct stat s;
        if (lstat(caminho.c_str(), &s) != 0 || S_ISDIR(s.st_mode)) continue;
        // A live pid may be another process's now: a write takes moments, so an old file
        // is a leftover all the same.
        if (processoVivo(pid) && agora - s.st_mtime < idadeMaxima) continue;
        removidos += unlink(caminho.c_str()) == 0;
    }
    closedir(d);
    return removidos;
}

