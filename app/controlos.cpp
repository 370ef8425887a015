// Items of the panel's lists and the drag-area arithmetic.
#include "app/controlos.h"
#include "game/ids.h"
#include "game/traducao.h"

const ItemLista itensCamara[4] = {{id(Camara::livre), N_("Camara 1")},
                                  {id(Camara::deCima), N_("Camara 2")},
                                  {id(Camara::jogador1), N_("Camara Jogador 1")},
                                  {id(Camara::jogador2), N_("Camara Jogador 2")}};
const ItemLista itensAmbiente[3] = {{id(Ambiente::japao), N_("Japao")},
                                    {id(Ambiente::castelo), N_("Castelo Medieval")},
                                    {id(Ambiente::praia), N_("Praia")}};
const ItemLista itensMateriais[4] = {{id(Material::normal), N_("Normal")},
                                     {id(Material::madeira), N_("Madeira")},
                                     {id(Material::pele), N_("Pele")},
                                     {id(Material::metal), N_("Metal")}};

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
    if (camaraEmVista == id(Camara::menu)) return _("Menu");
    return _(itensCamara[itemMostrado(itensCamara, 4, camaraEmVista, mostradoAntes)].texto);
}
