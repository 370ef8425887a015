// The language of the window's texts. gettext chooses it once the messages' locale is set,
// but it ignores LANGUAGE in the "C" locale, and a desktop's locale (en_GB.UTF-8, say) that
// was never generated on this machine leaves the program in "C" too. Then messages take
// C.UTF-8 and the language gettext would have chosen is handed to it through LANGUAGE.
#include "app/idioma.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "game/traducao.h"

// The install's share/locale as seen from the program's folder; set by the build.
#ifndef CANTOS_LOCALE_RELATIVO
#define CANTOS_LOCALE_RELATIVO "../share/locale"
#endif

namespace fs = std::filesystem;

namespace {

bool localeC(const char* nome) { return std::strcmp(nome, "C") == 0 || std::strcmp(nome, "POSIX") == 0; }

const char* variavel(const char* nome) {
    const char* valor = std::getenv(nome);
    return valor != nullptr && *valor != '\0' ? valor : nullptr;
}

// The locale the environment names for messages, as setlocale reads it; null when none.
const char* localePedido() {
    for (const char* nome : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* valor = variavel(nome)) return valor;
    return nullptr;
}

// "en_GB.UTF-8@euro" as a LANGUAGE entry: "en_GB@euro". The catalogue is UTF-8 anyway.
std::string semCodificacao(const std::string& locale) {
    const std::size_t ponto = locale.find('.');
    if (ponto == std::string::npos) return locale;
    const std::size_t arroba = locale.find('@', ponto);
    return locale.substr(0, ponto) + (arroba == std::string::npos ? "" : locale.substr(arroba));
}

}  // namespace

std::string pastaTraducoes(const std::string& pastaPrograma) {
    std::error_code erro;
    const fs::path runtime = fs::path(pastaPrograma) / "runtime" / "locale";
    if (fs::is_directory(runtime, erro)) return runtime.string();
    return (fs::path(pastaPrograma) / CANTOS_LOCALE_RELATIVO).lexically_normal().string();
}

void iniciaIdioma(const std::string& pasta) {
    // Only the messages: LC_NUMERIC would make the scenery reader and the saved games read
    // "0,5" for "0.5" in a Portuguese desktop.
    const char* obtido = std::setlocale(LC_MESSAGES, "");
    const char* pedido = localePedido();
    const bool semLocale = obtido == nullptr || localeC(obtido);
    // A "C" or "POSIX" asked for by name keeps the source texts, LANGUAGE or not, as gettext does.
    if (semLocale && !(pedido != nullptr && localeC(pedido))) {
        const char* lingua = variavel("LANGUAGE");
        const std::string escolha = lingua != nullptr ? lingua : pedido != nullptr ? semCodificacao(pedido) : "";
        if (!escolha.empty() &&
            (std::setlocale(LC_MESSAGES, "C.UTF-8") != nullptr || std::setlocale(LC_MESSAGES, "C.utf8") != nullptr))
            setenv("LANGUAGE", escolha.c_str(), 1);
    }
    bindtextdomain(CANTOS_DOMINIO, pasta.c_str());
    bind_textdomain_codeset(CANTOS_DOMINIO, "UTF-8");
    textdomain(CANTOS_DOMINIO);
}
