// The numbers the game shares between the panel, the drawing, the picking, the settings and
// the saved game: modes, cameras, sceneries, materials and pick names. Each keeps the number
// it always had, so saved files stay readable; every reader and writer of those numbers goes
// through the tables and text pairs here. Header only: the scenery loader uses it too.
#pragma once
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

// Values of `modo`.
enum class Modo : int {
    acabado = -1,  // a game has just ended; only a menu choice starts play
    nenhum = 0,    // no game yet
    doisJogadores = 1,
    contraComputador = 2,  // the player is side 1, the computer side 2
    computadores = 3,
    invalido = INT_MIN,
};

// Values of `camara` and `camaraActual`.
enum class Camara : int {
    jogador2 = 0,  // "Camara Jogador 2"
    jogador1 = 1,  // "Camara Jogador 1"
    // A pick from the free or top camera by side 2 sets the camera to the side's number;
    // the view is then the player eye, where it last stood. Saved games hold it.
    ladoDois = 2,
    deCima = 3,  // "Camara 2"
    menu = 4,    // the menu picture, not offered by the panel's list
    livre = 9,   // "Camara 1", turned by the ball and the zoom areas
    invalido = INT_MIN,
};

// Values of `ambiente`: the scenery around the board.
enum class Ambiente : int {
    inicial = 0,  // before any choice: the same file as "Japao"
    japao = 1,
    castelo = 2,
    praia = 3,
    invalido = INT_MIN,
};

// Values of `materialPecas`: the look of board and pieces.
enum class Material : int {
    normal = 0,
    madeira = 1,
    pele = 2,
    metal = 3,
    invalido = INT_MIN,
};

// Every valid value of each id, in the order the panel lists them where it does.
template <class E>
struct Ids;
template <>
struct Ids<Modo> {
    static constexpr Modo valores[] = {Modo::acabado, Modo::nenhum, Modo::doisJogadores,
                                       Modo::contraComputador, Modo::computadores};
};
template <>
struct Ids<Camara> {
    static constexpr Camara valores[] = {Camara::livre, Camara::deCima, Camara::jogador1,
                                         Camara::jogador2, Camara::ladoDois, Camara::menu};
};
template <>
struct Ids<Ambiente> {
    static constexpr Ambiente valores[] = {Ambiente::japao, Ambiente::castelo, Ambiente::praia,
                                           Ambiente::inicial};
};
template <>
struct Ids<Material> {
    static constexpr Material valores[] = {Material::normal, Material::madeira, Material::pele,
                                           Material::metal};
};

// The number an id is kept as in the program-wide variables and the files.
template <class E>
constexpr int id(E e) {
    return static_cast<int>(e);
}

// The id a number stands for; invalido for a number no id has.
template <class E>
constexpr E idDeNumero(long n) {
    for (E v : Ids<E>::valores)
        if (static_cast<long>(v) == n) return v;
    return E::invalido;
}

// Whether `modo` is a game in progress, rather than the menu before or between games.
constexpr bool modoDeJogo(long modo) {
    const Modo m = idDeNumero<Modo>(modo);
    return m == Modo::doisJogadores || m == Modo::contraComputador || m == Modo::computadores;
}

// A whole decimal integer, sign allowed, nothing else around it, within [de, ate]: a number
// too large for a long, or out of range, is refused rather than wrapped.
inline bool leInteiro(const std::string& texto, long de, long ate, long& valor) {
    if (texto.empty() || texto.size() > 20) return false;
    const char c = texto[0];
    if (!(c == '-' || (c >= '0' && c <= '9'))) return false;
    char* fim = nullptr;
    errno = 0;
    const long n = std::strtol(texto.c_str(), &fim, 10);
    if (errno == ERANGE || fim == texto.c_str() || *fim != '\0' || n < de || n > ate) return false;
    valor = n;
    return true;
}

// The text pair the settings and the saved game write and read ids with.
template <class E>
std::string idParaTexto(E e) {
    return std::to_string(id(e));
}
template <class E>
E idDeTexto(const std::string& texto) {
    long n = 0;
    return leInteiro(texto, INT_MIN + 1L, INT_MAX, n) ? idDeNumero<E>(n) : E::invalido;
}

// The scenery file of each choice, read from the working directory.
inline const char* ficheiroDoAmbiente(int ambiente) {
    switch (idDeNumero<Ambiente>(ambiente)) {
    case Ambiente::inicial:
    case Ambiente::japao:
        return "japan.sgx";
    case Ambiente::castelo:
        return "castle.sgx";
    default:
        return "ambiente.sgx";
    }
}

// The player camera that looks from side `lado`'s end of the board.
constexpr Camara camaraDoLado(int lado) { return lado == 2 ? Camara::jogador2 : Camara::jogador1; }

// Pick names, as the drawing loads them and the picking reads them back:
//   0 the board and the menu picture, 1 to 20 the pieces (piece k of pecas is k + 1),
//   100 + 10 x + y the empty square at column x, row y, 500 the clock button, 501 to 505
//   the menu items.
enum class ItemMenu : int {
    doisJogadores = 501,
    contraComputador = 502,
    computadores = 503,
    nivel1 = 504,
    nivel2 = 505,
};
constexpr int numeroPecas = 20;
constexpr int nomeFundo = 0;
constexpr int nomeRelogio = 500;

enum class Alvo { fundo, peca, casa, relogio, menu, nada };

struct Escolha {
    Alvo alvo = Alvo::nada;
    int peca = -1;         // index into pecas
    int x = -1, y = -1;    // the empty square
    ItemMenu item = ItemMenu::doisJogadores;

    static constexpr Escolha daPeca(int indice) { return {Alvo::peca, indice, -1, -1, ItemMenu::doisJogadores}; }
    static constexpr Escolha daCasa(int coluna, int linha) {
        return {Alvo::casa, -1, coluna, linha, ItemMenu::doisJogadores};
    }
    static constexpr Escolha doMenu(ItemMenu i) { return {Alvo::menu, -1, -1, -1, i}; }
    static constexpr Escolha doRelogio() { return {Alvo::relogio, -1, -1, -1, ItemMenu::doisJogadores}; }
};

// The pick name of a thing; -1 for one that has no name (a square off the board).
constexpr int nomeDe(const Escolha& e) {
    switch (e.alvo) {
    case Alvo::fundo:
        return nomeFundo;
    case Alvo::peca:
        return e.peca >= 0 && e.peca < numeroPecas ? e.peca + 1 : -1;
    case Alvo::casa:
        return e.x >= 0 && e.x < 8 && e.y >= 0 && e.y < 8 ? 100 + 10 * e.x + e.y : -1;
    case Alvo::relogio:
        return nomeRelogio;
    case Alvo::menu:
        return id(e.item);
    default:
        return -1;
    }
}

// What a pick name stands for; Alvo::nada for a number no drawing loads.
constexpr Escolha leNome(long nome) {
    if (nome == nomeFundo) return {Alvo::fundo, -1, -1, -1, ItemMenu::doisJogadores};
    if (nome >= 1 && nome <= numeroPecas) return Escolha::daPeca(static_cast<int>(nome) - 1);
    if (nome >= 100 && nome <= 177 && (nome - 100) % 10 < 8)
        return Escolha::daCasa(static_cast<int>(nome - 100) / 10, static_cast<int>(nome - 100) % 10);
    if (nome == nomeRelogio) return Escolha::doRelogio();
    if (nome >= id(ItemMenu::doisJogadores) && nome <= id(ItemMenu::nivel2))
        return Escolha::doMenu(static_cast<ItemMenu>(nome));
    return {};
}
