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
from sgx_escrita import (CHAO, DE_PE, MAX, MIN, Cena, R, S, T, caixa, ceu, chao, cilindro, disco, esfera,  # noqa: E402
                         mesa, pedestal_menu, retangulo, triangulo)


def materiais_comuns(c):
    # Painted backdrops light themselves, so the panorama shows its own colours.
    c.material('pintura', (0.15, 0.15, 0.15), emissao=(0.85, 0.85, 0.85), especular=(0, 0, 0), brilho=1)
    c.material('solo', (0.85, 0.85, 0.85), especular=(0.02, 0.02, 0.02), brilho=4)
    c.material('madeira', (0.9, 0.9, 0.9), especular=(0.25, 0.25, 0.25), brilho=30)
    c.material('pedra', (0.85, 0.85, 0.85), especular=(0.08, 0.08, 0.08), brilho=8)


def luzes_comuns(c, sol_dir, sol_cor, ceu_dir=None, ceu_cor=None):
    # Light 0 is placed by the game itself just above the board, whatever is written here.
    c.luz('candeeiro', (3, 1, 2.5, 1), (0.08, 0.08, 0.08), (0.9, 0.85, 0.78), (0.5, 0.5, 0.5),
          'Lamp over the board: the game keeps it just above the board')
    c.luz('sol', sol_dir + (0,), (0.12, 0.12, 0.12), sol_cor, (0.6, 0.6, 0.55), 'Sunlight, from far away')
    # Without it (ceu_dir None) the scenery has a light fewer to pay for at every vertex, or
    # one free for a light of its own within the three that keep the frame quick.
    if ceu_dir is not None:
        c.luz('ceu', ceu_dir + (0,), (0.0, 0.0, 0.0), ceu_cor, (0.0, 0.0, 0.0),
              'Soft light from the side the players sit, on the shaded faces')


# ---------------------------------------------------------------------------- Japao

def japao():
    c = Cena('Japao: a Japanese garden around the board.',
             ['A torii gate and a pagoda behind the board, cherry trees in blossom, stone lanterns,',
              'a pond with koi and stepping stones, a bamboo grove, under a sky with a snowy peak.'],
             'jardim', fundo=(0.42, 0.60, 0.86), ambiente=(0.4, 0.4, 0.45))
    # Lamp and sun only: every light is paid for at every vertex of the pieces too. The
    # brighter ambient keeps the shaded faces from going dark.
    luzes_comuns(c, (-0.5, 0.8, 0.45), (0.95, 0.88, 0.78))

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
    c.grupo('jardim', ['mesa', 'torii', 'pagoda', 'cerejeiras', 'lanternas', 'lago',
                       'bambual', 'passadeira', 'terreno', 'ceu', 'menu_pedestal'], 'musgo', 'solo')

    ceu(c, 'montanhas', 'colinas', 'pintura')

    c.parte('Ground: moss, and a court of raked gravel around the table')
    chao(c, 'cascalho', 'cascalho', 'solo', -8, -5, 13, 9, CHAO + 0.01)
    # The moss frames the court instead of lying under it, so the court's pixels are filled
    # once. A ground piece's texture starts at its (x0, z1) corner; each piece keeps that
    # corner a whole number of tiles from the full ground's, so the moss runs on across the
    # joins. Where a piece reaches under the gravel, the gravel wins.
    chao(c, 'musgo_norte', 'musgo', 'solo', MIN, MIN, MAX, -3.5)
    chao(c, 'musgo_sul', 'musgo', 'solo', MIN, 8.5, MAX, MAX)
    chao(c, 'musgo_oeste', 'musgo', 'solo', MIN, -3.5, -8, 8.5)
    chao(c, 'musgo_este', 'musgo', 'solo', 12.5, -3.5, MAX, 8.5)
    c.grupo('terreno', ['cascalho', 'musgo_norte', 'musgo_oeste', 'musgo_este', 'musgo_sul'])

    mesa(c, 'mesa', 'madeira')
    pedestal_menu(c, 'mesa', 'madeira')

    # Torii: two pillars, the lower beam (nuki), the strut and the double lintel on top.
    c.parte('Torii gate behind the board')
    altura = 6.4
    c.simples('torii_pilar', cilindro(0.32, 0.28, altura, 12, 1), 'null', 'null', [DE_PE])
    c.simples('torii_pe', cilindro(0.42, 0.42, 0.6, 12, 1), 'laca', 'laca_negra', [DE_PE])
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
    c.simples('pagoda_anel', disco(0, 0.3, 8, 1), 'null', 'null')
    c.grupo('pagoda_aneis', ['pagoda_anel_1', 'pagoda_anel_2', 'pagoda_anel_3'], 'null', 'null',
            [T(0, 6.6, 0), DE_PE])
    for i in range(3):
        c.grupo('pagoda_anel_%d' % (i + 1), ['pagoda_anel'], 'null', 'null', [T(0, 0, 0.3 * i), S(1 - 0.15 * i, 1 - 0.15 * i, 1)])
    c.simples('pagoda_joia', esfera(0.2, 8, 5), 'null', 'null', [T(0, 8.15, 0)])
    c.grupo('pagoda_espigao', ['pagoda_mastro', 'pagoda_aneis', 'pagoda_joia'], 'telha', 'bronze')
    c.grupo('pagoda', ['pagoda_base', 'andar_1', 'andar_2', 'andar_3', 'pagoda_espigao'], 'laca', 'laca',
            [T(-5.5, CHAO, -13), R('y', 20)])

    # Cherry tree: a leaning trunk, two limbs and a crown of blossom clouds.
    c.parte('Cherry trees in blossom')
    c.simples('cerejeira_tronco', cilindro(0.34, 0.2, 3.2, 8, 1), 'null', 'null', [DE_PE])
    c.simples('cerejeira_ramo', cilindro(0.16, 0.06, 2.2, 6, 1), 'null', 'null', [DE_PE])
    c.grupo('cerejeira_ramo_1', ['cerejeira_ramo'], 'null', 'null', [T(0, 2.6, 0), R('z', 40)])
    c.grupo('cerejeira_ramo_2', ['cerejeira_ramo'], 'null', 'null', [T(0, 2.3, 0), R('y', 140), R('z', 45)])
    c.grupo('cerejeira_lenho', ['cerejeira_tronco', 'cerejeira_ramo_1', 'cerejeira_ramo_2'], 'casca', 'madeira',
            [R('x', 6)])
    # Blossom clouds get their size from the radius, not from scaling: scaled spheres would
    # shade wrongly, since the game does not renormalise normals.
    copa = [(0, 4.3, 0, 2.0), (-1.45, 3.6, 0.55, 1.4), (1.45, 3.7, 0.35, 1.45), (0.1, 3.6, -1.4, 1.4)]
    nomes = []
    for i, (x, y, z, r) in enumerate(copa):
        nomes.append(c.simples('cerejeira_copa_%d' % (i + 1), esfera(r, 10, 6), 'sakura', 'folhagem',
                               [T(x, y, z), S(1, 0.8, 1)]))
    c.grupo('cerejeira', ['cerejeira_lenho'] + nomes)
    arvores = []
    for i, (x, z, rot, esc) in enumerate([(-9.5, -5.5, 0, 1.0), (12.5, -6.0, 120, 1.15),
                                          (-7.0, 12.0, 250, 0.95), (15.0, 4.5, 60, 0.9)]):
        arvores.append(c.grupo('cerejeira_%d' % (i + 1), ['cerejeira'], 'null', 'null',
                               [T(x, CHAO, z), R('y', rot), S(esc, esc, esc)]))
    c.grupo('cerejeiras', arvores, 'sakura', 'folhagem')

    # Stone lantern (toro): foot, post, lit fire box, six-sided cap and its jewel.
    c.parte('Stone lanterns, lit')
    c.simples('toro_pe', cilindro(0.42, 0.32, 0.25, 6, 1), 'null', 'null', [DE_PE])
    c.simples('toro_poste', cilindro(0.16, 0.16, 0.9, 6, 1), 'null', 'null', [T(0, 0.25, 0), DE_PE])
    c.simples('toro_prato', caixa(0.7, 0.12, 0.7), 'null', 'null', [T(0, 1.2, 0)])
    c.simples('toro_luz', caixa(0.46, 0.4, 0.46), 'granito', 'luz_lanterna', [T(0, 1.46, 0)])
    c.simples('toro_chapeu', cilindro(0.62, 0.05, 0.42, 6, 1), 'null', 'null', [T(0, 1.66, 0), DE_PE])
    c.simples('toro_joia', esfera(0.11, 6, 3), 'null', 'null', [T(0, 2.1, 0)])
    c.grupo('toro', ['toro_pe', 'toro_poste', 'toro_prato', 'toro_luz', 'toro_chapeu', 'toro_joia'])
    lanternas = []
    for i, (x, z) in enumerate([(-2.2, -7.2), (7.2, -7.2), (13.8, 9.5), (-5.0, 6.5)]):
        lanternas.append(c.grupo('toro_%d' % (i + 1), ['toro'], 'null', 'null', [T(x, CHAO, z)]))
    c.grupo('lanternas', lanternas, 'granito', 'pedra')

    # Pond: water, a ring of rocks, three koi.
    c.parte('Pond with koi, ringed with stones')
    c.simples('lago_agua', disco(0, 3.0, 20, 1), 'agua', 'agua', [T(0, 0.03, 0), DE_PE])
    c.simples('lago_pedra', esfera(0.5, 7, 4), 'granito', 'pedra')
    pedras = []
    for i in range(10):
        a = 2 * math.pi * i / 10
        pedras.append(c.grupo('lago_pedra_%d' % (i + 1), ['lago_pedra'], 'null', 'null',
                              [T(3.05 * math.cos(a), 0.02, 3.05 * math.sin(a)), R('y', 37 * i),
                               S(1.15 + 0.3 * (i % 3), 0.45 + 0.1 * (i % 2), 0.95)]))
    c.simples('koi_corpo', esfera(0.25, 8, 4), 'laca', 'koi', [S(1.0, 0.32, 0.4)])
    c.simples('koi_cauda', triangulo((-0.2, 0, 0), (-0.45, 0, -0.14), (-0.45, 0, 0.14)), 'laca', 'koi')
    c.grupo('koi', ['koi_corpo', 'koi_cauda'])
    peixes = []
    for i, (x, z, rot) in enumerate([(-0.8, 0.5, 30), (1.0, -0.6, 200), (0.2, 1.4, 110)]):
        peixes.append(c.grupo('koi_%d' % (i + 1), ['koi'], 'null', 'null', [T(x, 0.06, z), R('y', rot)]))
    c.grupo('lago', ['lago_agua'] + pedras + peixes, 'agua', 'pedra',
            [T(9.0, CHAO, 12.5), S(1.35, 1, 1)])

    # Bamboo: stalks of several heights, a few leaning, with leaf tufts on top.
    c.parte('Bamboo grove')
    c.simples('bambu_cana', cilindro(0.11, 0.09, 1.0, 6, 1), 'null', 'null', [DE_PE])
    # Leaves: a few sprays down the top of the stalk, smaller towards the tip.
    c.simples('bambu_folhas', esfera(1.0, 7, 4), 'musgo', 'folhagem')
    tufos = []
    for i, (x, y, z, r) in enumerate([(0.25, -0.9, 0.1, 0.8), (-0.1, 0.05, -0.05, 0.5)]):
        tufos.append(c.grupo('bambu_tufo_%d' % (i + 1), ['bambu_folhas'], 'null', 'null', [T(x, y, z), S(r, 0.45 * r, r)]))
    canas = []
    posicoes = [(-5.5, -5.0, 7.0), (-4.8, -4.2, 8.2), (-6.2, -3.5, 6.4), (-5.1, -2.8, 7.6), (-6.8, -2.2, 8.4),
                (-4.5, -0.7, 7.9), (-6.5, -0.1, 7.2), (-5.8, 1.0, 8.6), (-4.9, 1.9, 6.6)]
    for i, (x, z, h) in enumerate(posicoes):
        inclina = (i % 5 - 2) * 2.5
        canas.append(c.grupo('bambu_%d' % (i + 1), ['bambu_haste', 'bambu_topo'], 'null', 'null',
                             [T(x, CHAO, z), R('z', inclina), S(1, h, 1)]))
    c.grupo('bambu_haste', ['bambu_cana'])
    c.grupo('bambu_topo', tufos, 'null', 'null', [T(0, 1.0, 0), S(1, 1.0 / 7.0, 1)])
    c.grupo('bambual', canas, 'bambu', 'folhagem')

    # Stepping stones from the gravel court to the pond.
    c.parte('Stepping stones')
    c.simples('passo', cilindro(0.45, 0.42, 0.12, 8, 1), 'granito', 'pedra', [DE_PE])
    c.simples('passo_tampa', disco(0, 0.42, 8, 1), 'granito', 'pedra', [T(0, 0.12, 0), DE_PE])
    c.grupo('passo_pedra', ['passo', 'passo_tampa'])
    passos = []
    for i, (x, z) in enumerate([(6.8, 9.4), (7.9, 8.6), (8.6, 9.0), (10.4, 9.0), (11.8, 8.9), (12.9, 9.5)]):
        if i == 2:
            continue
        passos.append(c.grupo('passo_%d' % (i + 1), ['passo_pedra'], 'null', 'null',
                              [T(x, CHAO, z), S(1 + 0.1 * (i % 2), 1, 0.85)]))
    c.grupo('passadeira', passos, 'granito', 'pedra')
    return c


# ---------------------------------------------------------------------------- Castelo Medieval

def castelo():
    c = Cena('Castelo Medieval: the courtyard of a castle around the board.',
             ['Crenellated curtain walls with round corner towers and conical slate roofs, a',
              'gatehouse with its gate and portcullis behind the board, heraldic banners, torches',
              'and braziers burning, a well, barrels and crates; hills and sky beyond the walls.'],
             'patio', fundo=(0.26, 0.42, 0.72), ambiente=(0.36, 0.36, 0.4))
    # The torches take the place of the soft fill light; a brighter ambient stands in for it.
    luzes_comuns(c, (-0.6, 0.75, 0.35), (0.98, 0.86, 0.7))
    c.luz('tochas', (2.5, 1.8, -11.0, 1), (0.0, 0.0, 0.0), (2.6, 1.4, 0.5), (0.4, 0.2, 0.1),
          'Glow of the torches by the gate')

    c.textura('ceu', 'cs_ceu.bmp', 44, 16)
    c.textura('lajes', 'cs_lajes.bmp', 3.5, 3.5)
    c.textura('relva', 'cs_relva.bmp', 3, 3)
    c.textura('muralha', 'cs_muralha.bmp', 12, 12)
    c.textura('ardosia', 'cs_ardosia.bmp', 2, 2)
    c.textura('estandarte', 'cs_estandarte.bmp', 1.6, 3.2)
    c.textura('estandarte_azul', 'cs_estandarte_azul.bmp', 1.6, 3.2)
    c.textura('chama', 'cs_chama.bmp', 1, 1)
    c.textura('carvalho', 'cs_carvalho.bmp', 4, 4)
    c.textura('portao', 'cs_portao.bmp', 4, 5)
    c.textura('ferro', 'cs_ferro.bmp', 1, 1)

    materiais_comuns(c)
    c.material('ardosia', (0.8, 0.8, 0.85), especular=(0.35, 0.35, 0.4), brilho=40)
    c.material('ferro', (0.7, 0.7, 0.72), especular=(0.6, 0.6, 0.6), brilho=60)
    c.material('tecido', (0.95, 0.95, 0.95), emissao=(0.08, 0.08, 0.08), especular=(0.05, 0.05, 0.05), brilho=4)
    c.material('chama', (0.3, 0.2, 0.1), emissao=(1.0, 0.78, 0.45), especular=(0, 0, 0), brilho=1)

    c.parte('Courtyard: the root')
    c.grupo('patio', ['mesa', 'muralhas', 'torres', 'portaria', 'estandartes', 'tochas',
                      'braseiros', 'poco', 'armazem', 'chao_patio', 'ceu', 'menu_pedestal'], 'lajes', 'pedra')

    ceu(c, 'ceu', 'ceu', 'pintura')

    c.parte('Ground: flagstones, and two beds of grass')
    chao(c, 'lajes', 'lajes', 'solo')
    chao(c, 'relva_1', 'relva', 'solo', -12.5, 13, -4.5, 24, CHAO + 0.01)
    chao(c, 'relva_2', 'relva', 'solo', 11.5, 15, 17.5, 24, CHAO + 0.01)
    c.grupo('chao_patio', ['relva_1', 'relva_2', 'lajes'])

    mesa(c, 'carvalho', 'madeira')
    pedestal_menu(c, 'carvalho', 'madeira')

    # Curtain walls: the north one behind the board, the south one behind the free camera.
    c.parte('Curtain walls with their crenellations')
    alto, grosso = 6.0, 1.6
    norte, sul, oeste, este = -13.5, 26.0, -13.5, 18.5
    comprido = sul - norte
    c.simples('muro_norte', caixa(este - oeste, alto, grosso), 'null', 'null', [T(2.5, CHAO + alto / 2, norte)])
    c.simples('muro_sul', caixa(este - oeste, alto, grosso), 'null', 'null', [T(2.5, CHAO + alto / 2, sul)])
    c.simples('muro_oeste', caixa(grosso, alto, comprido), 'null', 'null', [T(oeste, CHAO + alto / 2, (norte + sul) / 2)])
    c.simples('muro_este', caixa(grosso, alto, comprido), 'null', 'null', [T(este, CHAO + alto / 2, (norte + sul) / 2)])
    c.simples('ameia', caixa(1.3, 0.9, grosso), 'null', 'null')
    fila = []
    for i in range(5):
        fila.append(c.grupo('ameia_%d' % (i + 1), ['ameia'], 'null', 'null', [T(3.0 * i, 0, 0)]))
    c.grupo('ameias', fila)
    topo = CHAO + alto + 0.45
    filas = []
    for i, (x, z, rot) in enumerate([(-10.5, norte, 0), (7.5, norte, 0), (-10.5, sul, 0), (3.5, sul, 0),
                                     (oeste, -10.5, -90), (oeste, 9.0, -90), (este, -10.5, -90), (este, 9.0, -90)]):
        filas.append(c.grupo('ameias_%d' % (i + 1), ['ameias'], 'null', 'null', [T(x, topo, z), R('y', rot)]))
    c.grupo('muralhas', ['muro_norte', 'muro_sul', 'muro_oeste', 'muro_este'] + filas, 'muralha', 'pedra')

    # Round towers at the corners: conical slate roofs (cylinders closing to a point),
    # closed underneath, with a pennant on top.
    c.parte('Corner towers with conical roofs and pennants')
    c.simples('torre_corpo', cilindro(2.3, 2.3, 8.0, 20, 1), 'muralha', 'pedra', [DE_PE])
    c.simples('torre_telhado', cilindro(2.9, 0.0, 3.6, 20, 1), 'ardosia', 'ardosia', [T(0, 8.0, 0), DE_PE])
    c.simples('torre_mastro', cilindro(0.05, 0.05, 1.5, 6, 1), 'ferro', 'ferro', [T(0, 11.4, 0), DE_PE])
    # Two faces, so the pennant shows from both sides.
    c.simples('flamula_frente', triangulo((0, 0, 0), (1.4, 0.25, 0), (0, 0.5, 0)), 'estandarte', 'tecido')
    c.simples('flamula_verso', triangulo((0, 0, 0), (0, 0.5, 0), (1.4, 0.25, 0)), 'estandarte', 'tecido')
    c.grupo('flamula', ['flamula_frente', 'flamula_verso'], 'null', 'null', [T(0.05, 12.4, 0)])
    c.grupo('torre', ['torre_corpo', 'torre_telhado', 'torre_mastro', 'flamula'])
    torres = []
    for i, (x, z) in enumerate([(oeste, norte), (este, norte), (oeste, sul), (este, sul)]):
        torres.append(c.grupo('torre_%d' % (i + 1), ['torre'], 'null', 'null', [T(x, CHAO, z), R('y', 30 * i)]))
    c.grupo('torres', torres, 'muralha', 'pedra')

    # Gatehouse: two square towers with pyramid roofs, the gate between them, a lintel and the
    # portcullis hanging half raised.
    c.parte('Gatehouse: towers, gate and portcullis')
    frente = norte + grosso / 2
    c.simples('guarita_corpo', caixa(3.0, 9.0, 3.0), 'muralha', 'pedra', [T(0, 4.5, 0)])
    c.simples('guarita_telhado', cilindro(2.4, 0.0, 2.6, 4, 1), 'ardosia', 'ardosia', [T(0, 9.0, 0), DE_PE, R('z', 45)])
    c.grupo('guarita', ['guarita_corpo', 'guarita_telhado'])
    c.grupo('guarita_oeste', ['guarita'], 'null', 'null', [T(-1.0, CHAO, norte)])
    c.grupo('guarita_este', ['guarita'], 'null', 'null', [T(6.0, CHAO, norte)])
    c.simples('portao', retangulo(-2.0, 0.0, 2.0, 5.0), 'portao', 'madeira', [T(2.5, CHAO, frente + 0.02)])
    c.simples('portao_verga', caixa(5.0, 0.8, 0.5), 'muralha', 'pedra', [T(2.5, CHAO + 5.4, frente + 0.25)])
    c.simples('grade_barra', caixa(0.12, 2.2, 0.12), 'null', 'null')
    barras = []
    for i in range(7):
        barras.append(c.grupo('grade_barra_%d' % (i + 1), ['grade_barra'], 'null', 'null', [T(-1.5 + 0.5 * i, 0, 0)]))
    c.simples('grade_travessa', caixa(3.8, 0.12, 0.12), 'null', 'null', [T(0, -0.6, 0.08)])
    c.grupo('grade', barras + ['grade_travessa'], 'ferro', 'ferro', [T(2.5, CHAO + 3.9, frente + 0.3)])
    c.grupo('portaria', ['guarita_oeste', 'guarita_este', 'portao', 'portao_verga', 'grade'], 'muralha', 'pedra')

    # Banners hang from iron rods on the walls' inner faces, red and blue in turn.
    c.parte('Heraldic banners')
    c.simples('estandarte_pano', retangulo(-0.8, -3.2, 0.8, 0.0), 'null', 'tecido')
    c.simples('estandarte_vara', cilindro(0.04, 0.04, 2.0, 6, 1), 'ferro', 'ferro', [T(-1.0, 0, 0.05), R('y', 90)])
    c.grupo('estandarte_vermelho', ['estandarte_pano', 'estandarte_vara'], 'estandarte', 'tecido')
    c.grupo('estandarte_azul', ['estandarte_pano', 'estandarte_vara'], 'estandarte_azul', 'tecido')
    bandeiras = []
    for i, (modelo, x, y, z) in enumerate([('estandarte_vermelho', -9.0, 3.4, frente),
                                           ('estandarte_azul', -5.0, 3.4, frente),
                                           ('estandarte_azul', 10.0, 3.4, frente),
                                           ('estandarte_vermelho', 14.0, 3.4, frente),
                                           ('estandarte_vermelho', -1.0, 6.6, norte + 1.5),
                                           ('estandarte_azul', 6.0, 6.6, norte + 1.5)]):
        bandeiras.append(c.grupo('estandarte_%d' % (i + 1), [modelo], 'null', 'null', [T(x, CHAO + y, z + 0.03)]))
    c.grupo('estandartes', bandeiras, 'estandarte', 'tecido')

    # Torch: an iron bracket leaning out of the wall, a cup, and a flame that glows.
    c.parte('Torches on the walls, burning')
    c.simples('tocha_suporte', cilindro(0.05, 0.05, 0.8, 6, 1), 'ferro', 'ferro', [R('x', -60)])
    c.simples('tocha_copo', cilindro(0.07, 0.17, 0.22, 8, 1), 'ferro', 'ferro', [T(0, 0.69, 0.4), DE_PE])
    c.simples('tocha_brasa', esfera(0.17, 8, 5), 'chama', 'chama', [T(0, 0.95, 0.4), S(1, 1.3, 1)])
    c.simples('tocha_lingua', cilindro(0.14, 0.0, 0.5, 8, 1), 'chama', 'chama', [T(0, 1.0, 0.4), DE_PE])
    c.grupo('tocha', ['tocha_suporte', 'tocha_copo', 'tocha_brasa', 'tocha_lingua'])
    fogos = []
    for i, (x, z, rot) in enumerate([(0.2, norte + 1.5, 0), (4.8, norte + 1.5, 0),
                                     (oeste + grosso / 2, 0.0, 90), (oeste + grosso / 2, 12.0, 90),
                                     (este - grosso / 2, 0.0, -90), (este - grosso / 2, 12.0, -90)]):
        fogos.append(c.grupo('tocha_%d' % (i + 1), ['tocha'], 'null', 'null', [T(x, CHAO + 3.0, z), R('y', rot)]))
    c.grupo('tochas', fogos, 'ferro', 'ferro')

    # Braziers on tripods, flanking the table.
    c.parte('Braziers')
    c.simples('braseiro_perna', cilindro(0.05, 0.05, 1.3, 6, 1), 'null', 'null', [R('z', 14), DE_PE])
    pernas = []
    for i in range(3):
        pernas.append(c.grupo('braseiro_perna_%d' % (i + 1), ['braseiro_perna'], 'null', 'null', [R('y', 120 * i), T(0.35, 0, 0)]))
    c.simples('braseiro_taca', cilindro(0.25, 0.6, 0.45, 12, 1), 'null', 'null', [T(0, 1.15, 0), DE_PE])
    c.simples('braseiro_fundo', disco(0, 0.25, 12, 1), 'null', 'null', [T(0, 1.15, 0), R('x', 90)])
    c.simples('braseiro_fogo', esfera(0.45, 10, 6), 'chama', 'chama', [T(0, 1.55, 0), S(1, 0.8, 1)])
    c.simples('braseiro_labareda', cilindro(0.35, 0.0, 0.7, 10, 1), 'chama', 'chama', [T(0, 1.6, 0), DE_PE])
    c.grupo('braseiro', pernas + ['braseiro_taca', 'braseiro_fundo', 'braseiro_fogo', 'braseiro_labareda'],
            'ferro', 'ferro')
    c.grupo('braseiro_1', ['braseiro'], 'null', 'null', [T(-6.5, CHAO, 8.5)])
    c.grupo('braseiro_2', ['braseiro'], 'null', 'null', [T(11.5, CHAO, 8.5)])
    c.grupo('braseiros', ['braseiro_1', 'braseiro_2'])

    # Well: a stone ring brimming with water, two posts, a small roof and the winch.
    c.parte('Well')
    c.simples('poco_parede', cilindro(1.2, 1.2, 1.0, 16, 1), 'muralha', 'pedra', [DE_PE])
    c.simples('poco_bordo', disco(0.95, 1.25, 16, 1), 'muralha', 'pedra', [T(0, 1.0, 0), DE_PE])
    c.simples('poco_agua', disco(0, 0.95, 16, 1), 'ferro', 'ferro', [T(0, 0.95, 0), DE_PE])
    c.simples('poco_poste', caixa(0.18, 2.4, 0.18), 'carvalho', 'madeira')
    c.grupo('poco_poste_1', ['poco_poste'], 'null', 'null', [T(-1.05, 1.2, 0)])
    c.grupo('poco_poste_2', ['poco_poste'], 'null', 'null', [T(1.05, 1.2, 0)])
    c.simples('poco_eixo', cilindro(0.08, 0.08, 2.1, 8, 1), 'carvalho', 'madeira', [T(-1.05, 1.9, 0), R('y', 90)])
    c.simples('poco_aba', caixa(2.8, 0.08, 1.1), 'ardosia', 'ardosia')
    c.grupo('poco_aba_1', ['poco_aba'], 'null', 'null', [T(0, 2.65, 0.42), R('x', 35)])
    c.grupo('poco_aba_2', ['poco_aba'], 'null', 'null', [T(0, 2.65, -0.42), R('x', -35)])
    c.grupo('poco', ['poco_parede', 'poco_bordo', 'poco_agua', 'poco_poste_1', 'poco_poste_2', 'poco_eixo',
                     'poco_aba_1', 'poco_aba_2'], 'muralha', 'pedra', [T(-7.5, CHAO, 17.5), R('y', 20)])

    # Stores by the east wall: barrels with iron hoops and stacked crates.
    c.parte('Barrels and crates')
    c.simples('barril_aduelas', cilindro(0.5, 0.5, 1.1, 12, 1), 'carvalho', 'madeira', [DE_PE])
    c.simples('barril_tampo', disco(0, 0.5, 12, 1), 'carvalho', 'madeira', [T(0, 1.1, 0), DE_PE])
    c.simples('barril_arco', cilindro(0.515, 0.515, 0.08, 12, 1), 'ferro', 'ferro', [DE_PE])
    c.grupo('barril_arco_1', ['barril_arco'], 'null', 'null', [T(0, 0.15, 0)])
    c.grupo('barril_arco_2', ['barril_arco'], 'null', 'null', [T(0, 0.87, 0)])
    c.grupo('barril', ['barril_aduelas', 'barril_tampo', 'barril_arco_1', 'barril_arco_2'])
    c.simples('caixote', caixa(1.0, 1.0, 1.0), 'carvalho', 'madeira', [T(0, 0.5, 0)])
    arrumos = []
    for i, (modelo, x, y, z, rot) in enumerate([('barril', 15.6, 0, 2.8, 0), ('barril', 16.6, 0, 3.9, 40),
                                                ('barril', 15.4, 0, 4.3, 80), ('caixote', 16.0, 0, 6.2, 10),
                                                ('caixote', 15.9, 0, 7.3, -8), ('caixote', 16.0, 1.0, 6.7, 30)]):
        arrumos.append(c.grupo('arrumo_%d' % (i + 1), [modelo], 'null', 'null', [T(x, CHAO + y, z), R('y', rot)]))
    c.grupo('armazem', arrumos)
    return c


# ---------------------------------------------------------------------------- Praia

def praia():
    c = Cena('Praia: a beach around the board.',
             ['Sand and the sea to the north, with the sun low over the water and a sailing boat;',
              'palm trees, a parasol over two deck chairs, rocks, a towel and a beach ball.'],
             'praia', fundo=(0.22, 0.48, 0.86), ambiente=(0.44, 0.44, 0.44))
    # Lamp and sun only, as in the garden.
    luzes_comuns(c, (-0.3, 0.85, -0.4), (1.0, 0.92, 0.8))

    c.textura('horizonte', 'pr_horizonte.bmp', 44, 16)
    c.textura('areia', 'pr_areia.bmp', 4, 4)
    c.textura('mar', 'pr_mar.bmp', 8, 8)
    c.textura('tronco', 'pr_tronco.bmp', 1, 1)
    c.textura('folha', 'pr_folha.bmp', 1.2, 6.0)
    c.textura('guardasol', 'pr_guardasol.bmp', 1, 1)
    c.textura('lona', 'pr_lona.bmp', 1.2, 2.4)
    c.textura('rocha', 'pr_rocha.bmp', 2, 2)
    c.textura('sol', 'pr_sol.bmp', 1, 1)
    c.textura('teca', 'pr_teca.bmp', 4, 4)
    c.textura('bola', 'pr_bola.bmp', 1, 1)

    materiais_comuns(c)
    c.material('areia_molhada', (0.62, 0.56, 0.5), especular=(0.3, 0.3, 0.3), brilho=30)
    c.material('agua', (0.7, 0.8, 0.85), emissao=(0.1, 0.12, 0.14), especular=(0.9, 0.9, 0.9), brilho=100)
    c.material('folhagem', (0.85, 0.85, 0.85), emissao=(0.1, 0.1, 0.08), especular=(0.05, 0.05, 0.05), brilho=4)
    c.material('tecido', (0.95, 0.95, 0.95), emissao=(0.06, 0.06, 0.06), especular=(0.05, 0.05, 0.05), brilho=4)
    c.material('plastico', (0.95, 0.95, 0.95), especular=(0.8, 0.8, 0.8), brilho=90)
    c.material('sol', (0.2, 0.2, 0.2), emissao=(1.0, 0.92, 0.72), especular=(0, 0, 0), brilho=1)

    c.parte('Beach: the root')
    c.grupo('praia', ['mesa', 'palmeiras', 'guarda_sol', 'espreguicadeiras', 'rochas',
                      'brinquedos', 'barco', 'costa', 'sol', 'ceu', 'menu_pedestal'], 'areia', 'solo')

    ceu(c, 'horizonte', 'horizonte', 'pintura')

    c.parte('Shore: dry sand, a band of wet sand, and the sea')
    chao(c, 'areia', 'areia', 'solo', z0=-7.0)
    chao(c, 'areia_molhada', 'areia', 'areia_molhada', z0=-8.6, z1=-6.9, y=CHAO - 0.04)
    chao(c, 'mar', 'mar', 'agua', z1=-8.4, y=CHAO - 0.1)
    c.grupo('costa', ['areia', 'areia_molhada', 'mar'])

    c.parte('The sun, low over the sea')
    c.simples('sol_disco', esfera(1.6, 16, 10), 'sol', 'sol', [T(-5.0, 5.4, -17.0)])
    c.grupo('sol', ['sol_disco'], 'sol', 'sol')

    mesa(c, 'teca', 'madeira')
    pedestal_menu(c, 'teca', 'madeira')

    # Palm: a trunk of four segments, each leaning a little more (every segment is the
    # child of the one below), crowned with drooping fronds and coconuts.
    c.parte('Palm trees')
    c.simples('palmeira_gomo', cilindro(0.26, 0.22, 1.55, 8, 1), 'null', 'null', [DE_PE])
    c.grupo('palmeira_tronco_4', ['palmeira_gomo', 'palmeira_copa'], 'null', 'null', [T(0, 1.5, 0), R('z', 7)])
    c.grupo('palmeira_tronco_3', ['palmeira_gomo', 'palmeira_tronco_4'], 'null', 'null', [T(0, 1.5, 0), R('z', 6)])
    c.grupo('palmeira_tronco_2', ['palmeira_gomo', 'palmeira_tronco_3'], 'null', 'null', [T(0, 1.5, 0), R('z', 5)])
    c.grupo('palmeira_tronco', ['palmeira_gomo', 'palmeira_tronco_2'], 'tronco', 'madeira', [R('z', 4)])
    c.simples('palmeira_folha', caixa(0.7, 0.04, 3.0), 'folha', 'folhagem', [T(0, 0, 1.5)])
    folhas = []
    for i in range(7):
        folhas.append(c.grupo('palmeira_folha_%d' % (i + 1), ['palmeira_folha'], 'null', 'null',
                              [R('y', 51 * i + 7 * (i % 2)), R('x', 22 + 8 * (i % 3))]))
    c.simples('coco', esfera(0.17, 6, 4), 'tronco', 'madeira')
    cocos = []
    for i in range(3):
        cocos.append(c.grupo('coco_%d' % (i + 1), ['coco'], 'null', 'null', [R('y', 120 * i + 30), T(0.22, -0.2, 0)]))
    c.grupo('palmeira_copa', folhas + cocos, 'folha', 'folhagem', [T(0, 1.55, 0)])
    palmeiras = []
    for i, (x, z, rot, esc) in enumerate([(-8.5, -1.5, 10, 1.0), (-11.0, 8.0, 30, 1.1),
                                          (13.5, -3.5, 170, 1.05), (14.5, 12.0, 200, 0.95)]):
        palmeiras.append(c.grupo('palmeira_%d' % (i + 1), ['palmeira_tronco'], 'null', 'null',
                                 [T(x, CHAO, z), R('y', rot), S(esc, esc, esc)]))
    c.grupo('palmeiras', palmeiras, 'tronco', 'madeira')

    # Parasol: pole, striped canopy (a cone closing to the tip) and its lining.
    c.parte('Parasol')
    c.simples('guarda_sol_pau', cilindro(0.05, 0.05, 3.0, 8, 1), 'teca', 'madeira', [DE_PE])
    c.simples('guarda_sol_lona', cilindro(2.2, 0.0, 0.8, 16, 1), 'null', 'null', [T(0, 2.55, 0), DE_PE])
    c.simples('guarda_sol_forro', disco(0.05, 2.2, 16, 1), 'null', 'null', [T(0, 2.55, 0), R('x', 90)])
    c.grupo('guarda_sol', ['guarda_sol_pau', 'guarda_sol_lona', 'guarda_sol_forro'], 'guardasol', 'tecido',
            [T(9.2, CHAO, 10.4), R('z', -8), R('x', -6)])

    # Deck chair: two side rails, legs, the canvas seat and the tilted back.
    c.parte('Deck chairs')
    c.simples('cadeira_barra', caixa(0.06, 0.06, 1.9), 'teca', 'madeira')
    c.grupo('cadeira_barra_esq', ['cadeira_barra'], 'null', 'null', [T(-0.33, 0.35, 0), R('x', -8)])
    c.grupo('cadeira_barra_dir', ['cadeira_barra'], 'null', 'null', [T(0.33, 0.35, 0), R('x', -8)])
    c.simples('cadeira_perna', caixa(0.7, 0.06, 0.06), 'teca', 'madeira')
    c.grupo('cadeira_perna_1', ['cadeira_perna'], 'null', 'null', [T(0, 0.2, 0.8), R('z', 0), S(1, 6, 1)])
    c.grupo('cadeira_perna_2', ['cadeira_perna'], 'null', 'null', [T(0, 0.3, -0.8), S(1, 9, 1)])
    c.simples('cadeira_assento', caixa(0.62, 0.03, 1.2), 'lona', 'tecido', [T(0, 0.32, 0.25), R('x', -8)])
    c.simples('cadeira_encosto', caixa(0.62, 0.03, 0.95), 'lona', 'tecido', [T(0, 0.62, -0.62), R('x', 52)])
    c.grupo('cadeira', ['cadeira_barra_esq', 'cadeira_barra_dir', 'cadeira_perna_1', 'cadeira_perna_2',
                        'cadeira_assento', 'cadeira_encosto'])
    c.grupo('cadeira_1', ['cadeira'], 'null', 'null', [T(8.1, CHAO, 11.3), R('y', 170)])
    c.grupo('cadeira_2', ['cadeira'], 'null', 'null', [T(10.4, CHAO, 11.6), R('y', 195)])
    c.grupo('espreguicadeiras', ['cadeira_1', 'cadeira_2'], 'lona', 'tecido')

    # Rocks: squashed spheres in two heaps, one by the water.
    c.parte('Rocks')
    c.simples('rocha', esfera(1.0, 9, 6), 'rocha', 'pedra')
    pedras = []
    for i, (x, z, sx, sy, sz, rot) in enumerate([(10.8, -8.6, 1.5, 0.8, 1.1, 10), (12.3, -9.3, 1.0, 0.6, 0.9, 70),
                                                 (10.0, -9.8, 0.7, 0.45, 0.6, 30), (-13.0, 13.5, 1.6, 1.0, 1.3, 50),
                                                 (-11.8, 15.0, 0.9, 0.6, 0.8, 0), (16.5, 5.5, 1.2, 0.7, 1.0, 20)]):
        pedras.append(c.grupo('rocha_%d' % (i + 1), ['rocha'], 'null', 'null',
                              [T(x, CHAO, z), R('y', rot), S(sx, sy, sz)]))
    c.grupo('rochas', pedras, 'rocha', 'pedra')

    c.parte('Towel and beach ball')
    c.simples('toalha', retangulo(-0.6, -1.0, 0.6, 1.0), 'guardasol', 'tecido', [T(-3.0, CHAO + 0.02, 10.0), R('y', -25), DE_PE])
    c.simples('bola', esfera(0.4, 14, 8), 'bola', 'plastico', [T(-1.2, CHAO + 0.4, 11.8), R('z', 20)])
    c.grupo('brinquedos', ['toalha', 'bola'])

    # Sailing boat out at sea: hull, mast and a sail with a face on each side.
    c.parte('Sailing boat')
    c.simples('barco_casco', caixa(3.0, 0.5, 1.0), 'teca', 'madeira', [T(0, 0.15, 0)])
    c.simples('barco_proa', triangulo((1.5, 0.4, 0.5), (1.5, 0.4, -0.5), (2.3, 0.4, 0)), 'teca', 'madeira')
    c.simples('barco_mastro', cilindro(0.05, 0.04, 3.4, 8, 1), 'teca', 'madeira', [T(-0.2, 0.4, 0), DE_PE])
    c.simples('vela_frente', triangulo((-0.15, 0.6, 0.02), (1.4, 0.6, 0.02), (-0.15, 3.6, 0.02)), 'lona', 'tecido')
    c.simples('vela_verso', triangulo((-0.15, 0.6, -0.02), (-0.15, 3.6, -0.02), (1.4, 0.6, -0.02)), 'lona', 'tecido')
    c.grupo('barco', ['barco_casco', 'barco_proa', 'barco_mastro', 'vela_frente', 'vela_verso'], 'teca', 'madeira',
            [T(12.0, CHAO - 0.1, -14.5), R('y', 10)])
    return c


if __name__ == '__main__':
    destino = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'assets')
    japao().gravar(os.path.join(destino, 'japan.sgx'))
    castelo().gravar(os.path.join(destino, 'castle.sgx'))
    praia().gravar(os.path.join(destino, 'ambiente.sgx'))
