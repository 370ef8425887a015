"""Writing SGX scenery files: tables, lights and a tree of objects, as indented XML with
comments naming the parts of the scenery."""

import math

CHAO = -2.2  # ground level: the table under the board stands on it


def num(v):
    """Short, exact enough decimal text: 1.5, -0.25, 3."""
    texto = ('%.4f' % v).rstrip('0').rstrip('.')
    return '0' if texto in ('-0', '') else texto


def attrs(**kv):
    return ' '.join('%s="%s"' % (k, num(v) if isinstance(v, (int, float)) else v) for k, v in kv.items())


def cor(tag, c, indent):
    r, g, b = c[:3]
    a = c[3] if len(c) > 3 else 1.0
    return '%s<%s %s/>' % (indent, tag, attrs(r=r, g=g, b=b, a=a))


# Transformations, applied in the order given: the first one is the outermost.
def T(x, y, z):
    return ('translation', x, y, z)


def R(eixo, angulo):
    return ('rotation', eixo, angulo)


def S(x, y, z):
    return ('scale', x, y, z)


# Shapes.
def retangulo(x1, y1, x2, y2):
    return dict(type='rectangle', x1=x1, y1=y1, x2=x2, y2=y2)


def triangulo(p1, p2, p3):
    return dict(type='triangle', x1=p1[0], y1=p1[1], z1=p1[2], x2=p2[0], y2=p2[1], z2=p2[2],
                x3=p3[0], y3=p3[1], z3=p3[2])


def cilindro(base, topo, altura, fatias=16, camadas=4):
    return dict(type='cylinder', base=base, top=topo, height=altura, slices=fatias, stacks=camadas)


def esfera(raio, fatias=16, camadas=12):
    return dict(type='sphere', radius=raio, slices=fatias, stacks=camadas)


def disco(interior, exterior, fatias=24, aneis=2):
    return dict(type='disk', inner=interior, outer=exterior, slices=fatias, loops=aneis)


def caixa(dx, dy, dz):
    return dict(type='paralelipipedo', dimx=dx, dimy=dy, dimz=dz)


# Shapes stand on the ground this way: quadrics and rectangles are built along +z (facing +z),
# so a quarter turn about x makes them point up (+y).
DE_PE = R('x', -90)


class Cena:
    def __init__(self, titulo, descricao, raiz, fundo, ambiente):
        self.titulo = titulo
        self.descricao = descricao
        self.raiz = raiz
        self.fundo = fundo
        self.ambiente = ambiente
        self.luzes = []
        self.texturas = []
        self.materiais = []
        self.linhas = []
        self.ids = set()

    def luz(self, id, posicao, ambiente, difusa, especular, comentario, ligada=1):
        self.luzes.append((id, posicao, ambiente, difusa, especular, comentario, ligada))

    def textura(self, id, ficheiro, ls, lt):
        self.texturas.append((id, ficheiro, ls, lt))

    def material(self, id, difusa, ambiente=None, especular=(0.1, 0.1, 0.1), brilho=10.0, emissao=(0, 0, 0)):
        ambiente = difusa if ambiente is None else ambiente
        self.materiais.append((id, emissao, ambiente, difusa, especular, brilho))

    def parte(self, texto):
        """A comment heading the objects that follow."""
        self.linhas.append('')
        self.linhas.append('    <!-- %s -->' % texto)

    def _objecto(self, id, tipo, tex, mat, trans, corpo):
        if id in self.ids:
            raise ValueError('id repetido: ' + id)
        self.ids.add(id)
        l = self.linhas
        l.append('    <object %s>' % attrs(id=id, type=tipo))
        l.append('      <texture id="%s"/>' % tex)
        l.append('      <material id="%s"/>' % mat)
        if trans:
            l.append('      <transformations>')
            for t in trans:
                if t[0] == 'rotation':
                    l.append('        <rotation %s/>' % attrs(axis=t[1], angle=t[2]))
                else:
                    l.append('        <%s %s/>' % (t[0], attrs(x=t[1], y=t[2], z=t[3])))
            l.append('      </transformations>')
        l.extend(corpo)
        l.append('    </object>')
        return id

    def simples(self, id, geometria, tex='null', mat='null', trans=()):
        g = dict(geometria)
        tipo = g.pop('type')
        return self._objecto(id, 'simple', tex, mat, trans, ['      <geometry type="%s" %s/>' % (tipo, attrs(**g))])

    def grupo(self, id, filhos, tex='null', mat='null', trans=()):
        corpo = ['      <children>'] + ['        <child id="%s"/>' % f for f in filhos] + ['      </children>']
        return self._objecto(id, 'compound', tex, mat, trans, corpo)

    def texto(self):
        l = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<!-- %s' % self.titulo]
        l += ['     %s' % linha for linha in self.descricao] + ['-->', '<sgx>']
        l.append('  <globals %s/>' % attrs(maxlights=len(self.luzes), maxtextures=len(self.texturas),
                                             maxmaterials=len(self.materiais), maxobjects=len(self.ids) + 10,
                                             root=self.raiz))
        l.append('  <!-- Kept with the scene; the game places its own cameras. -->')
        l.append('  <view near="0.1" far="50" axisscale="1">')
        l.append('    <translation x="0" y="0" z="0"/>')
        l.append('  </view>')
        l.append('  <illumination doublesided="0" local="1">')
        l.append(cor('ambient', self.ambiente, '    '))
        l.append(cor('background', self.fundo, '    '))
        l.append('    <lights>')
        for id, pos, amb, dif, esp, comentario, ligada in self.luzes:
            l.append('      <!-- %s -->' % comentario)
            l.append('      <light id="%s" enabled="%d">' % (id, ligada))
            l.append('        <position %s/>' % attrs(x=pos[0], y=pos[1], z=pos[2], w=pos[3]))
            l.append(cor('ambient', amb, '        '))
            l.append(cor('diffuse', dif, '        '))
            l.append(cor('specular', esp, '        '))
            l.append('      </light>')
        l.append('    </lights>')
        l.append('  </illumination>')
        l.append('  <textures>')
        for id, ficheiro, ls, lt in self.texturas:
            l.append('    <texture %s/>' % attrs(id=id, file=ficheiro, length_s=ls, length_t=lt))
        l.append('  </textures>')
        l.append('  <materials>')
        for id, emi, amb, dif, esp, brilho in self.materiais:
            l.append('    <material id="%s">' % id)
            l.append(cor('emission', emi, '      '))
            l.append(cor('ambient', amb, '      '))
            l.append(cor('diffuse', dif, '      '))
            l.append(cor('specular', esp, '      '))
            l.append('      <shininess value="%s"/>' % num(brilho))
            l.append('    </material>')
        l.append('  </materials>')
        l.append('  <objects>')
        l += self.linhas
        l.append('  </objects>')
        l.append('</sgx>')
        return '\n'.join(l) + '\n'

    def gravar(self, caminho):
        with open(caminho, 'w', encoding='utf-8') as f:
            f.write(self.texto())


# Parts every scenery shares -------------------------------------------------------------

# Board centre and the square the sky walls close around it.
CENTRO = 2.5
MIN, MAX = -19.5, 24.5
LADO_CEU = MAX - MIN
BAIXO_CEU, ALTO_CEU = CHAO - 0.8, 13.0


def ceu(c, tex_norte, tex_resto, mat):
    """Four painted walls facing inwards, so culling keeps their front towards every camera;
    the panorama tiles, so the walls meet without a seam."""
    c.parte('Sky walls: painted panoramas facing the board')
    meio = LADO_CEU / 2
    ret = retangulo(-meio, BAIXO_CEU, meio, ALTO_CEU)
    c.simples('ceu_norte', ret, tex_norte, mat, [T(CENTRO, 0, MIN)])
    c.simples('ceu_este', ret, tex_resto, mat, [T(MAX, 0, CENTRO), R('y', -90)])
    c.simples('ceu_sul', ret, tex_resto, mat, [T(CENTRO, 0, MAX), R('y', 180)])
    c.simples('ceu_oeste', ret, tex_resto, mat, [T(MIN, 0, CENTRO), R('y', 90)])
    return c.grupo('ceu', ['ceu_norte', 'ceu_este', 'ceu_sul', 'ceu_oeste'], tex_resto, mat)


def chao(c, id, tex, mat, x0=MIN, z0=MIN, x1=MAX, z1=MAX, y=CHAO):
    """A ground rectangle from (x0, z0) to (x1, z1), facing up."""
    return c.simples(id, retangulo(x0, -z1, x1, -z0), tex, mat, [T(0, y, 0), DE_PE])


def mesa(c, tex, mat, tex_pes=None, mat_pes=None):
    """The table under the board (x 0..5, z 0..5, y -1..0), wide enough for the top camera,
    with a riser under the scoreboard (x -1.5..-1, z 1..4, standing on y = 0)."""
    c.parte('Table under the board, and the riser the scoreboard stands on')
    tampo_y0, tampo_y1 = -1.16, -1.0
    c.simples('mesa_tampo', caixa(10.5, tampo_y1 - tampo_y0, 8.5), 'null', 'null',
              [T(2.25, (tampo_y0 + tampo_y1) / 2, 2.5)])
    altura_pe = tampo_y0 - CHAO
    c.simples('mesa_pe', caixa(0.5, altura_pe, 0.5), tex_pes or 'null', mat_pes or 'null')
    pes = []
    for i, (x, z) in enumerate([(-2.45, -1.2), (6.95, -1.2), (-2.45, 6.2), (6.95, 6.2)]):
        pes.append(c.grupo('mesa_pe_%d' % (i + 1), ['mesa_pe'], 'null', 'null',
                           [T(x, CHAO + altura_pe / 2, z)]))
    c.simples('mesa_estrado', caixa(0.7, 1.0, 3.4), 'null', 'null', [T(-1.25, -0.5, 2.5)])
    return c.grupo('mesa', ['mesa_tampo', 'mesa_estrado'] + pes, tex, mat)


def pedestal_menu(c, tex, mat):
    """A slab under the menu plane (x -105..-95, z -5..5, y 0), so a window wider than high
    shows the scenery's material beside the menu instead of the bare background. It stays
    below the plane: nothing stands between the menu and its camera, 12 units above."""
    c.parte('Slab under the start menu, far from the board')
    c.simples('menu_laje', caixa(16.0, 0.4, 13.0), tex, mat, [T(-100.0, -0.23, 0.0)])
    return c.grupo('menu_pedestal', ['menu_laje'], tex, mat)
