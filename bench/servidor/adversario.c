/* The sparring opponent: a plain alpha-beta search, written apart from the rules server's
 * own search so that the two share no code and no ideas beyond the rules.
 *
 *   adversario          reads requests on standard input, one a line:
 *                           PROFUNDIDADE LADO CASAS
 *                       CASAS being the 64 digits of the board, row y = 0 first, columns
 *                       x = 0 to 7 (0 empty, 1 and 2 the pieces of the two sides); answers
 *                       each with one line "XI YI XF YF", or "-" when the side has no move.
 *   adversario MS       the same, but searching by iterative deepening, one ply deeper at a
 *                       time up to PROFUNDIDADE, for MS milliseconds of processor time a
 *                       move: it plays the best move of the deepest search that finished.
 *
 * The search is negamax with alpha-beta over every legal move, moves tried in the order of
 * the progress they make (in the timed mode, the best move of the search before first). Its
 * evaluation is the distance to go of each side (x + y for side 1, 14 - x - y for side 2,
 * summed over the pieces), a penalty for stragglers (every step a piece lags more than three
 * behind its side's average) and a bonus for every piece inside the goal camp, which
 * fills it. A filled goal camp is a win; a side left without a move has lost. It knows
 * nothing of the move count.
 */
#define _POSIX_C_SOURCE 200809L
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

enum { VAZIO = 0, N = 64, MAXJ = 512, VITORIA = 1000000, DENTRO_DA_META = 5 };

static int tab[N];

/* The timed mode's clock: processor time, so that other load on the machine does not make
 * the opponent weaker; checked every 1024 positions. */
static double limite_ms;
static long nos;
static int esgotado;

static double agora_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int zona(int q)
{
    int s = q % 8 + q / 8;
    return s >= 11 ? 1 : s <= 3 ? 2 : 0;
}

static int distancia(int lado, int q)
{
    int s = q % 8 + q / 8;
    return lado == 1 ? s : 14 - s;
}

typedef struct {
    unsigned char de, para;
    int chave;
} Jogada;

/* Jump landings from q, depth first; o is the origin, which counts as empty. */
static void saltos(int o, int q, int meta, int *visto, Jogada *js, int *n)
{
    int x = q % 8, y = q / 8;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (!dx && !dy) continue;
            int x1 = x + dx, y1 = y + dy, x2 = x + 2 * dx, y2 = y + 2 * dy;
            if (x2 < 0 || x2 > 7 || y2 < 0 || y2 > 7) continue;
            int s = y1 * 8 + x1, d = y2 * 8 + x2;
            if (s == o || tab[s] == VAZIO || tab[d] != VAZIO || visto[d]) continue;
            if (meta && zona(d) != meta) continue;
            visto[d] = 1;
            js[*n].de = (unsigned char)o;
            js[*n].para = (unsigned char)d;
            ++*n;
            saltos(o, d, meta, visto, js, n);
        }
}

static int gerar(int lado, Jogada *js)
{
    int n = 0, meta = 3 - lado;
    for (int q = 0; q < N; ++q) {
        if (tab[q] != lado) continue;
        int preso = zona(q) == meta ? meta : 0;
        int visto[N] = {0};
        visto[q] = 1;
        int x = q % 8, y = q / 8;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                int x1 = x + dx, y1 = y + dy;
                if ((!dx && !dy) || x1 < 0 || x1 > 7 || y1 < 0 || y1 > 7) continue;
                int d = y1 * 8 + x1;
                if (tab[d] != VAZIO || (preso && zona(d) != meta)) continue;
                visto[d] = 1;
                js[n].de = (unsigned char)q;
                js[n].para = (unsigned char)d;
                ++n;
            }
        /* A landing a step already reaches is the same move: skip it, but still jump on
         * from it, so the chain search starts from a fresh visited set of its own. */
        int visto_salto[N] = {0};
        visto_salto[q] = 1;
        int antes = n;
        saltos(q, q, preso, visto_salto, js, &n);
        int k = antes;
        for (int i = antes; i < n; ++i)
            if (!visto[js[i].para]) js[k++] = js[i];
        n = k;
    }
    for (int i = 0; i < n; ++i)
        js[i].chave = distancia(lado, js[i].de) - distancia(lado, js[i].para);
    return n;
}

static int meta_cheia(int lado)
{
    int meta = 3 - lado;
    for (int q = 0; q < N; ++q)
        if (zona(q) == meta && tab[q] != lado) return 0;
    return 1;
}

/* Distance to go, the stragglers' penalty and the goal camp still to fill, in tenths of a
 * step. */
static int custo(int lado)
{
    int d[10], k = 0, soma = 0, fora = 0;
    for (int q = 0; q < N && k < 10; ++q)
        if (tab[q] == lado) {
            soma += d[k++] = distancia(lado, q);
            fora += zona(q) != 3 - lado;
        }
    int c = 10 * soma + DENTRO_DA_META * fora;
    for (int i = 0; i < k; ++i) {
        int atraso = 10 * d[i] - soma - 30;
        if (atraso > 0) c += atraso;
    }
    return c;
}

static int avaliar(int lado) { return custo(3 - lado) - custo(lado); }

static int por_chave(const void *a, const void *b)
{
    const Jogada *x = a, *y = b;
    if (x->chave != y->chave) return y->chave - x->chave;
    return (x->de * N + x->para) - (y->de * N + y->para);
}

static int negamax(int lado, int prof, int ply, int alfa, int beta, Jogada *melhor)
{
    Jogada js[MAXJ];
    if (limite_ms > 0 && (++nos & 1023) == 0 && agora_ms() > limite_ms) esgotado = 1;
    if (esgotado) return 0;
    int n = gerar(lado, js);
    if (n == 0) return -(VITORIA - ply);
    qsort(js, (size_t)n, sizeof js[0], por_chave);
    /* The best move of the search one ply shallower comes first. */
    if (melhor && melhor->de != melhor->para)
        for (int i = 1; i < n; ++i)
            if (js[i].de == melhor->de && js[i].para == melhor->para) {
                Jogada j = js[i];
                memmove(js + 1, js, (size_t)i * sizeof js[0]);
                js[0] = j;
                break;
            }
    int melhor_v = -VITORIA - 1;
    for (int i = 0; i < n; ++i) {
        tab[js[i].de] = VAZIO;
        tab[js[i].para] = lado;
        int v;
        if (meta_cheia(lado))
            v = VITORIA - ply - 1;
        else if (prof == 1)
            v = avaliar(lado);
        else
            v = -negamax(3 - lado, prof - 1, ply + 1, -beta, -alfa, NULL);
        tab[js[i].para] = VAZIO;
        tab[js[i].de] = lado;
        if (v > melhor_v) {
            melhor_v = v;
            if (melhor) *melhor = js[i];
        }
        if (v > alfa) alfa = v;
        if (alfa >= beta) break;
    }
    return melhor_v;
}

int main(int argc, char **argv)
{
    char linha[256], casas[80];
    int prof, lado;
    double ms = argc > 1 ? atof(argv[1]) : 0;
    if (argc > 2 || ms < 0) {
        fprintf(stderr, "usage: adversario [MS]\n");
        return 2;
    }
    setvbuf(stdout, NULL, _IOLBF, 0);
    while (fgets(linha, sizeof linha, stdin)) {
        if (sscanf(linha, "%d %d %70s", &prof, &lado, casas) != 3 || strlen(casas) != N ||
            prof < 1 || (lado != 1 && lado != 2)) {
            printf("?\n");
            continue;
        }
        for (int q = 0; q < N; ++q) tab[q] = casas[q] - '0';
        Jogada j;
        j.de = j.para = 0;
        Jogada js[MAXJ];
        if (gerar(lado, js) == 0) {
            printf("-\n");
            continue;
        }
        if (ms > 0) {
            limite_ms = agora_ms() + ms;
            esgotado = 0;
            for (int p = 1; p <= prof; ++p) {
                Jogada k = j;
                int v = negamax(lado, p, 0, -VITORIA - 1, VITORIA + 1, &k);
                if (esgotado) break;
                j = k;
                if (v >= VITORIA - 1000 || v <= -VITORIA + 1000) break;
            }
            limite_ms = 0;
            if (j.de == j.para) negamax(lado, 1, 0, -VITORIA - 1, VITORIA + 1, &j);
        } else {
            negamax(lado, prof, 0, -VITORIA - 1, VITORIA + 1, &j);
        }
        printf("%d %d %d %d\n", j.de % 8, j.de / 8, j.para % 8, j.para / 8);
    }
    return 0;
}
