// Items of the panel's lists and the drag-area arithmetic.
#include "app/controlos.h"
#include "game/ids.h"

const ItemLista itensCamara[4] = {{id(Camara::livre), "Camara 1"},
                                  {id(Camara::deCima), "Camara 2"},
                                  {id(Camara::jogador1), "Camara Jogador 1"},
                                  {id(Camara::jogador2), "Camara Jogador 2"}};
const ItemLista itensAmbiente[3] = {{id(Ambiente::japao), "Japao"},
                                    {id(Ambiente::castelo), "Castelo Medieval"},
                                    {id(Ambiente::praia), "Praia"}};
const ItemLista itensMateriais[4] = {{id(Material::normal), "Normal"},
                                     {id(Material::madeira), "Madeira"},
                                     {id(Material::pele), "Pele"},
                                     {id(Material::metal), "Metal"}};

float arrastaValor(float valor, float dx, float dy, bool horizontal, float velocidade) {
    return valor + (horizontal ? dx : -dy) * velocidade;
}

int itemMostrado(const ItemLista* itens, int n, int valor, int mostradoAntes) {
    for (int i = 0; i < n; ++i) {
        if (itens[i].id == valor) return i;
    }
    return mostradoAntes;
}

const char* textoCamara(int camaraEmVista, int mostradoAntes) {
    if (camaraEmVista == id(Camara::menu)) return "Menu";
    return itensCamara[itemMostrado(itensCamara, 4, camaraEmVista, mostradoAntes)].texto;
}
