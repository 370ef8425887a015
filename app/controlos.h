// Pure rules of the panel's drag areas and lists.
#pragma once

struct ItemLista {
    int id;
    const char* texto;
};

extern const ItemLista itensCamara[4];
extern const ItemLista itensAmbiente[3];
extern const ItemLista itensMateriais[4];

// A drag area's bound value after a mouse movement of (dx, dy) pixels, screen y downwards:
// dragging up or right increases it by `velocidade` per pixel.
float arrastaValor(float valor, float dx, float dy, bool horizontal, float velocidade);

// The item a list shows: the one whose id the bound variable holds, otherwise the one it
// showed before (the first at creation), since the program may set values no item carries.
int itemMostrado(const ItemLista* itens, int n, int valor, int mostradoAntes);

// The camera list's text for the camera in view: "Menu" for the menu's own camera, which
// the list does not offer, otherwise the item of that camera (or the one shown before).
const char* textoCamara(int camaraEmVista, int mostradoAntes);
