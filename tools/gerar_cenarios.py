#!/usr/bin/env python3
"""Writes the three sceneries into assets/: japan.sgx (Japanese garden), castle.sgx (castle
courtyard) and ambiente.sgx (beach). Run it after changing a scenery; its output is committed.

Around the board the sceneries keep clear of: the board (x 0..5, z 0..5, y -1..0) and the
pieces above it, the scoreboard (x -1.5..-1, z 1..4, y 0..1.5) with its button, the column
above the menu plane (x -105..-95, z -5..5, y 0..12), and the lines of sight from the player
cameras (eyes at (2.5, 7, 10) and (2.5, 7, -2.5)), the top camera and the free camera (about
(5, 8.6, 23.5)). Tall things stand north of the board or well to its sides; the ground south
of it, which the free camera looks across, holds only low things."""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from sgx_escrita import (CHAO, DE_PE, Cena, R, S, T, caixa, ceu, chao, cilindro, disco, esfera,  # noqa: E402
                         mesa, retangulo, triangulo)


def materiais_comuns(c):
    # Painted backdrops light themselves, so the panorama shows its own colours.
    c.material('pintura', (0.15, 0.15, 0.15), emissao=(0.85, 0.85, 0.85), especular=(0, 0, 0), brilho=1)
    c.material('solo', (0.85, 0.85, 0.85), especular=(0.02, 0.02, 0.02), brilho=4)
    c.material('madeira', (0.9, 0.9, 0.9), especular=(0.25, 0.25, 0.25), brilho=30)
    c.material('pedra', (0.85, 0.85, 0.85), especular=(0.08, 0.08, 0.08), brilho=8)


def luzes_comuns(c, sol_dir, sol_cor, ceu_dir, ceu_cor):
    # Light 0 is placed by the game itself just above the board, whatever is written here.
    c.luz('candeeiro', (3, 1, 2.5, 1), (0.08, 0.08, 0.08), (0.9, 0.85, 0.78), (0.5, 0.5, 0.5),
          'Lamp over the board: the game keeps it just above the board')
    c.luz('sol', sol_dir + (0,), (0.12, 0.12, 0.12), sol_cor, (0.6, 0.6, 0.55), 'Sunlight, from far away')
    c.luz('ceu', ceu_dir + (0,), (0.0, 0.0, 0.0), ceu_cor, (0.0, 0.0, 0.0), 'Light of the sky, on the shaded sides')


# ---------------------------------------------------------------------------- Japao

def japao():
    c = Cena('Japao: a Japanese garden around the board.',
             ['A torii gate and a pagoda behind the board, cherry trees in blossom, stone lanterns,',
              'a pond with koi and stepping stones, a bamboo grove, under a sky with a snowy peak.'],
             'jardim', fundo=(0.42, 0.60, 0.86), ambiente=(0.32, 0.32, 0.36))
    luzes_comuns(c, (-0.5, 0.8, 0.45), (0.95, 0.88, 0.78), (0.6, 0.5, -0.6), (0.22, 0.26, 0.36))

    c.textura('montanhas', 'jp_montanhas.bmp', 44, 16)
    c.textura('colinas', 'jp_colinas.bmp', 44, 16)
    c.textura('musgo', 'jp_musgo.bmp', 4, 4)
    c.textura('cascalho', 'jp_cascalho.bmp', 3, 3)
    c.textura('agua', 'jp_agua.bmp', 6, 6)
    c.textura('laca', 'jp_laca.bmp', 2, 2)
    c.textura('telha', 'jp_telha.bmp', 2, 2)
    c.textura('granito', 'jp_granito.bmp', 1.5, 1.5)
    c.textura('sakura', 'jp_sakura.bmp', 2, 2)
    c.textura('casca', 'jp_casca.bmp', 1, 1)
    c.textura('bambu', 'jp_bambu.bmp', 1, 1)
    c.textura('mesa', 'jp_mesa.bmp', 4, 4)

    materiais_comuns(c)
    c.material('laca', (0.95, 0.95, 0.95), especular=(0.5, 0.5, 0.5), brilho=60)
    c.material('laca_negra', (0.13, 0.12, 0.12), especular=(0.4, 0.4, 0.4), brilho=60)
    c.material('folhagem', (0.85, 0.85, 0.85), emissao=(0.12, 0.1, 0.1), especular=(0.05, 0.05, 0.05), brilho=4)
    c.material('agua', (0.6, 0.7, 0.75), emissao=(0.08, 0.1, 0.12), especular=(0.9, 0.9, 0.9), brilho=100)
    c.material('luz_lanterna', (0.5, 0.45, 0.3), emissao=(0.95, 0.72, 0.38), especular=(0, 0, 0), brilho=1)
    c.material('bronze', (0.55, 0.42, 0.25), especular=(0.7, 0.6, 0.4), brilho=50)
    c.material('koi', (1.0, 0.75, 0.55), especular=(0.6, 0.6, 0.6), brilho=80)

    c.parte('Garden: the root')
    c.grupo('jardim', ['ceu', 'terreno', 'mesa', 'torii', 'pagoda', 'cerejeiras', 'lanternas', 'lago',
                       'bambual', 'passadeira'], 'musgo', 'solo')

    ceu(c, 'montanhas', 'colinas', 'pintura')

    c.parte('Ground: moss, and a court of raked gravel around the table')
    chao(c, 'musgo', 'musgo', 'solo')
    chao(c, 'cascalho', 'cascalho', 'solo', -8, -5, 13, 9, CHAO + 0.01)
    c.grupo('terreno', ['musgo', 'cascalho'])

    mesa(c, 'mesa', 'madeira')

    # Torii: two pillars, the lower beam (nuki), the strut and the double lintel on top.
    c.parte('Torii gate behind the board')
    altura = 6.4
    c.simples('torii_pilar', cilindro(0.32, 0.28, altura, 16, 3), 'null', 'null', [DE_PE])
    c.simples('torii_pe', cilindro(0.42, 0.42, 0.6, 16, 1), 'laca', 'laca_negra', [DE_PE])
    c.grupo('torii_coluna', ['torii_pilar', 'torii_pe'])
    c.grupo('torii_coluna_esq', ['torii_coluna'], 'null', 'null', [T(-3, 0, 0)])
    c.grupo('torii_coluna_dir', ['torii_coluna'], 'null', 'null', [T(3, 0, 0)])
    c.simples('torii_nuki', caixa(8.0, 0.38, 0.36), 'null', 'null', [T(0, altura - 1.4, 0)])
    c.simples('torii_gakuzuka', caixa(0.4, 1.0, 0.3), 'null', 'null', [T(0, altura - 0.75, 0)])
    c.simples('torii_shimaki', caixa(9.0, 0.4, 0.6), 'null', 'null', [T(0, altura + 0.2, 0)])
    c.simples('torii_kasagi', caixa(10.0, 0.42, 0.8), 'laca', 'laca_negra', [T(0, altura + 0.6, 0)])
    # The lintel's tips sweep upwards.
    c.simples('torii_ponta', caixa(1.2, 0.42, 0.8), 'laca', 'laca_negra')
    c.grupo('torii_ponta_esq', ['torii_ponta'], 'null', 'null', [T(-5.4, altura + 0.72, 0), R('z', -12)])
    c.grupo('torii_ponta_dir', ['torii_ponta'], 'null', 'null', [T(5.4, altura + 0.72, 0), R('z', 12)])
    c.grupo('torii', ['torii_coluna_esq', 'torii_coluna_dir', 'torii_nuki', 'torii_gakuzuka', 'torii_shimaki',
                      'torii_kasagi', 'torii_ponta_esq', 'torii_ponta_dir'], 'laca', 'laca',
            [T(2.5, CHAO, -8)])

    # Pagoda: a stone plinth and three storeys, each smaller, with square roofs (cones of
    # four slices turned to line up with the walls) and a bronze spire.
    c.parte('Pagoda: plinth, three storeys and the spire')
    c.simples('pagoda_base', caixa(4.4, 0.5, 4.4), 'granito', 'pedra', [T(0, 0.25, 0)])
    c.simples('andar_corpo', caixa(3.0, 1.5, 3.0), 'laca', 'laca', [T(0, 0.75, 0)])
    c.simples('andar_varanda', caixa(3.5, 0.18, 3.5), 'mesa', 'madeira', [T(0, 0.09, 0)])
    c.simples('andar_telhado', cilindro(2.9, 0.45, 1.0, 4, 1), 'telha', 'pedra',
              [T(0, 1.5, 0), DE_PE, R('z', 45)])
    c.simples('andar_beiral', disco(0, 2.9, 4, 1), 'laca', 'laca_negra', [T(0, 1.5, 0), R('x', 90), R('z', 45)])
    c.grupo('andar', ['andar_varanda', 'andar_corpo', 'andar_telhado', 'andar_beiral'])
    c.grupo('andar_1', ['andar'], 'null', 'null', [T(0, 0.5, 0)])
    c.grupo('andar_2', ['andar'], 'null', 'null', [T(0, 3.0, 0), S(0.82, 0.85, 0.82)])
    c.grupo('andar_3', ['andar'], 'null', 'null', [T(0, 5.12, 0), S(0.66, 0.72, 0.66)])
    c.simples('pagoda_mastro', cilindro(0.08, 0.05, 1.8, 8, 1), 'null', 'null', [T(0, 6.3, 0), DE_PE])
    c.simples('pagoda_anel', disco(0, 0.3, 12, 1), 'null', 'null')
    c.grupo('pagoda_aneis', ['pagoda_anel_1', 'pagoda_anel_2', 'pagoda_anel_3'], 'null', 'null',
            [T(0, 6.6, 0), DE_PE])
    for i in range(3):
        c.grupo('pagoda_anel_%d' % (i + 1), ['pagoda_anel'], 'null', 'null', [T(0, 0, 0.3 * i), S(1 - 0.15 * i, 1 - 0.15 * i, 1)])
    c.simples('pagoda_joia', esfera(0.2, 12, 8), 'null', 'null', [T(0, 8.15, 0)])
    c.grupo('pagoda_espigao', ['pagoda_mastro', 'pagoda_aneis', 'pagoda_joia'], 'telha', 'bronze')
    c.grupo('pagoda', ['pagoda_base', 'andar_1', 'andar_2', 'andar_3', 'pagoda_espigao'], 'laca', 'laca',
            [T(-8.5, CHAO, -12), R('y', 20)])

    # Cherry tree: a leaning trunk, two limbs and a crown of blossom clouds.
    c.parte('Cherry trees in blossom')
    c.simples('cerejeira_tronco', cilindro(0.34, 0.2, 3.2, 12, 3), 'null', 'null', [DE_PE])
    c.simples('cerejeira_ramo', cilindro(0.16, 0.06, 2.2, 8, 2), 'null', 'null', [DE_PE])
    c.grupo('cerejeira_ramo_1', ['cerejeira_ramo'], 'null', 'null', [T(0, 2.6, 0), R('z', 40)])
    c.grupo('cerejeira_ramo_2', ['cerejeira_ramo'], 'null', 'null', [T(0, 2.3, 0), R('y', 140), R('z', 45)])
    c.grupo('cerejeira_lenho', ['cerejeira_tronco', 'cerejeira_ramo_1', 'cerejeira_ramo_2'], 'casca', 'madeira',
            [R('x', 6)])
    # Blossom clouds get their size from the radius, not from scaling: scaled spheres would
    # shade wrongly, since the game does not renormalise normals.
    copa = [(0, 4.0, 0, 1.9), (-1.5, 3.6, 0.3, 1.3), (1.4, 3.7, -0.2, 1.4),
            (0.3, 3.5, 1.3, 1.2), (-0.2, 3.7, -1.3, 1.3), (0.4, 4.8, 0.1, 1.1)]
    nomes = []
    for i, (x, y, z, r) in enumerate(copa):
        nomes.append(c.simples('cerejeira_copa_%d' % (i + 1), esfera(r, 16, 10), 'sakura', 'folhagem',
                               [T(x, y, z), S(1, 0.8, 1)]))
    c.grupo('cerejeira', ['cerejeira_lenho'] + nomes)
    arvores = []
    for i, (x, z, rot, esc) in enumerate([(-6.5, -4.5, 0, 1.0), (12.5, -6.0, 120, 1.15),
                                          (-7.0, 12.0, 250, 0.95), (15.0, 4.5, 60, 0.9)]):
        arvores.append(c.grupo('cerejeira_%d' % (i + 1), ['cerejeira'], 'null', 'null',
                               [T(x, CHAO, z), R('y', rot), S(esc, esc, esc)]))
    c.grupo('cerejeiras', arvores, 'sakura', 'folhagem')

    # Stone lantern (toro): foot, post, lit fire box, six-sided cap and its jewel.
    c.parte('Stone lanterns, lit')
    c.simples('toro_pe', cilindro(0.42, 0.32, 0.25, 6, 1), 'null', 'null', [DE_PE])
    c.simples('toro_poste', cilindro(0.16, 0.16, 0.9, 10, 1), 'null', 'null', [T(0, 0.25, 0), DE_PE])
    c.simples('toro_prato', caixa(0.7, 0.12, 0.7), 'null', 'null', [T(0, 1.2, 0)])
    c.simples('toro_luz', caixa(0.46, 0.4, 0.46), 'granito', 'luz_lanterna', [T(0, 1.46, 0)])
    c.simples('toro_chapeu', cilindro(0.62, 0.05, 0.42, 6, 1), 'null', 'null', [T(0, 1.66, 0), DE_PE])
    c.simples('toro_joia', esfera(0.11, 8, 6), 'null', 'null', [T(0, 2.1, 0)])
    c.grupo('toro', ['toro_pe', 'toro_poste', 'toro_prato', 'toro_luz', 'toro_chapeu', 'toro_joia'])
    lanternas = []
    for i, (x, z) in enumerate([(-2.2, -7.2), (7.2, -7.2), (13.8, 9.5), (3.6, 15.8), (-5.0, 6.5)]):
        lanternas.append(c.grupo('toro_%d' % (i + 1), ['toro'], 'null', 'null', [T(x, CHAO, z)]))
    c.grupo('lanternas', lanternas, 'granito', 'pedra')

    # Pond: water, a ring of rocks, three koi.
    c.parte('Pond with koi, ringed with stones')
    c.simples('lago_agua', disco(0, 3.0, 32, 4), 'agua', 'agua', [T(0, 0.03, 0), DE_PE])
    c.simples('lago_pedra', esfera(0.5, 10, 6), 'granito', 'pedra')
    pedras = []
    for i in range(14):
        a = 2 * math.pi * i / 14
        pedras.append(c.grupo('lago_pedra_%d' % (i + 1), ['lago_pedra'], 'null', 'null',
                              [T(3.05 * math.cos(a), 0.02, 3.05 * math.sin(a)), R('y', 37 * i),
                               S(0.9 + 0.25 * (i % 3), 0.45 + 0.1 * (i % 2), 0.75)]))
    c.simples('koi_corpo', esfera(0.25, 12, 8), 'laca', 'koi', [S(1.0, 0.32, 0.4)])
    c.simples('koi_cauda', triangulo((-0.2, 0, 0), (-0.45, 0, -0.14), (-0.45, 0, 0.14)), 'laca', 'koi')
    c.grupo('koi', ['koi_corpo', 'koi_cauda'])
    peixes = []
    for i, (x, z, rot) in enumerate([(-0.8, 0.5, 30), (1.0, -0.6, 200), (0.2, 1.4, 110)]):
        peixes.append(c.grupo('koi_%d' % (i + 1), ['koi'], 'null', 'null', [T(x, 0.06, z), R('y', rot)]))
    c.grupo('lago', ['lago_agua'] + pedras + peixes, 'agua', 'pedra',
            [T(9.0, CHAO, 12.5), S(1.35, 1, 1)])

    # Bamboo: stalks of several heights, a few leaning, with leaf tufts on top.
    c.parte('Bamboo grove')
    c.simples('bambu_cana', cilindro(0.11, 0.09, 1.0, 10, 1), 'null', 'null', [DE_PE])
    c.simples('bambu_folhas', esfera(1.0, 10, 6), 'musgo', 'folhagem', [S(0.9, 0.45, 0.9)])
    canas = []
    posicoes = [(-8.0, 1.0, 7.0), (-7.3, 1.8, 8.2), (-8.7, 2.5, 6.4), (-7.6, 3.2, 7.6), (-9.3, 3.8, 8.4),
                (-8.1, 4.6, 6.8), (-7.0, 5.3, 7.9), (-9.0, 5.9, 7.2), (-8.3, 7.0, 8.6), (-7.4, 7.9, 6.6),
                (-9.6, 1.6, 5.8), (-9.8, 6.8, 6.1)]
    for i, (x, z, h) in enumerate(posicoes):
        inclina = (i % 5 - 2) * 2.5
        canas.append(c.grupo('bambu_%d' % (i + 1), ['bambu_haste', 'bambu_topo'], 'null', 'null',
                             [T(x, CHAO, z), R('z', inclina), S(1, h, 1)]))
    c.grupo('bambu_haste', ['bambu_cana'])
    c.grupo('bambu_topo', ['bambu_folhas'], 'null', 'null', [T(0, 1.0, 0), S(1, 1.0 / 7.0, 1)])
    c.grupo('bambual', canas, 'bambu', 'folhagem')

    # Stepping stones from the gravel court to the pond.
    c.parte('Stepping stones')
    c.simples('passo', cilindro(0.45, 0.42, 0.12, 10, 1), 'granito', 'pedra', [DE_PE])
    c.simples('passo_tampa', disco(0, 0.42, 10, 1), 'granito', 'pedra', [T(0, 0.12, 0), DE_PE])
    c.grupo('passo_pedra', ['passo', 'passo_tampa'])
    passos = []
    for i, (x, z) in enumerate([(6.8, 9.4), (7.9, 8.6), (8.6, 9.0), (10.4, 9.0), (11.8, 8.9), (12.9, 9.5)]):
        if i == 2:
            continue
        passos.append(c.grupo('passo_%d' % (i + 1), ['passo_pedra'], 'null', 'null',
                              [T(x, CHAO, z), S(1 + 0.1 * (i % 2), 1, 0.85)]))
    c.grupo('passadeira', passos, 'granito', 'pedra')
    return c


if __name__ == '__main__':
    destino = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'assets')
    japao().gravar(os.path.join(destino, 'japan.sgx'))
