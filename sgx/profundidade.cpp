#include "sgx/profundidade.h"

#include <cctype>
#include <cstring>

namespace {

bool comeca(const char* p, const char* prefixo) {
    return std::strncmp(p, prefixo, std::strlen(prefixo)) == 0;
}

// Past the first occurrence of `fim`, or at the terminating NUL.
const char* depoisDe(const char* p, const char* fim) {
    const char* q = std::strstr(p, fim);
    return q ? q + std::strlen(fim) : p + std::strlen(p);
}

// The parser takes a tag for an element when a letter, '_' or any byte from 127 up
// follows the '<'.
bool comecaElemento(unsigned char c) {
    return c >= 127 || std::isalpha(c) || c == '_';
}

// Walks a start tag from just after its '<' to just after its '>', skipping quoted
// values, which may hold '>' and '/'. Tells whether the tag closed itself with "/>".
const char* fimDaEtiqueta(const char* p, bool& vazia) {
    vazia = false;
    while (*p) {
        if (*p == '"' || *p == '\'') {
            const char* fecho = std::strchr(p + 1, *p);
            if (!fecho) return p + std::strlen(p);
            p = fecho + 1;
        } else if (*p == '/' && p[1] == '>') {
            vazia = true;
            return p + 2;
        } else if (*p == '>') {
            return p + 1;
        } else {
            ++p;
        }
    }
    return p;
}

}  // namespace

std::size_t profundidadeMaxima(const char* text) {
    std::size_t abertos = 0, maximo = 0;
    const char* p = text;
    while ((p = std::strchr(p, '<')) != nullptr) {
        if (comeca(p, "<!--")) {
            p = depoisDe(p + 4, "-->");
        } else if (comeca(p, "<![CDATA[")) {
            p = depoisDe(p + 9, "]]>");
        } else if (comeca(p, "</")) {
            if (abertos > 0) --abertos;
            p = depoisDe(p + 2, ">");
        } else if (comecaElemento(static_cast<unsigned char>(p[1]))) {
            bool vazia;
            p = fimDaEtiqueta(p + 1, vazia);
            // An empty element is one level deeper too, though nothing opens under it.
            if (abertos + 1 > maximo) maximo = abertos + 1;
            if (!vazia) ++abertos;
        } else {
            // Declarations, processing instructions, DOCTYPE and stray '<': the parser
            // reads them up to the next '>' without descending.
            p = depoisDe(p + 1, ">");
        }
    }
    return maximo;
}
