// Items of the panel's lists and the drag-area arithmetic.
#include "app/controlos.h"

const ItemLista itensCamara[4] = {
    {9, "Camara 1"}, {3, "Camara 2"}, {1, "Camara Jogador 1"}, {0, "Camara Jogador 2"}};
const ItemLista itensAmbiente[3] = {{1, "Japao"}, {2, "Castelo Medieval"}, {3, "Praia"}};
const ItemLista itensMateriais[4] = {{0, "Normal"}, {1, "Madeira"}, {2, "Pele"}, {3, "Metal"}};

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
    if (camaraEmVista == 4) return "Menu";
    return itensCamara[itemMostrado(itensCamara, 4, camaraEmVista, mostradoAntes)].texto;
}
