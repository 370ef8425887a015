/* Round trips on loopback, with a plain C echo server as the baseline.
 *
 *   eco servir PORTA            echo server on 127.0.0.1:PORTA (0: a free
 *                               port); prints the port, then echoes every
 *                               byte back at once, one client at a time
 *   eco medir PORTA N PEDIDO    sends PEDIDO N times, waiting each time for
 *                               a reply that ends in a line feed; prints the
 *                               median, 90th percentile and worst round trip
 *                               in microseconds
 *
 * Both ends set TCP_NODELAY, as the game and the rules server do, so the
 * figures compare the servers and not Nagle's algorithm.
 */
#define _POSIX_C_SOURCE 200809L
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

static int sem_atraso(int s)
{
    int um = 1;
    return setsockopt(s, IPPROTO_TCP, TCP_NODELAY, &um, sizeof um);
}

static struct sockaddr_in endereco(int porta)
{
    struct sockaddr_in a;
    memset(&a, 0, sizeof a);
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons((unsigned short)porta);
    return a;
}

static int servir(int porta)
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    int um = 1;
    setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &um, sizeof um);
    struct sockaddr_in a = endereco(porta);
    if (bind(s, (struct sockaddr *)&a, sizeof a) != 0 || listen(s, 8) != 0) {
        perror("eco: bind");
        return 1;
    }
    socklen_t n = sizeof a;
    getsockname(s, (struct sockaddr *)&a, &n);
    printf("%d\n", ntohs(a.sin_port));
    fflush(stdout);
    for (;;) {
        int c = accept(s, NULL, NULL);
        if (c < 0)
            continue;
        sem_atraso(c);
        char buf[4096];
        ssize_t k;
        while ((k = read(c, buf, sizeof buf)) > 0) {
            ssize_t feito = 0;
            while (feito < k) {
                ssize_t w = write(c, buf + feito, (size_t)(k - feito));
                if (w <= 0)
                    break;
                feito += w;
            }
        }
        close(c);
    }
}

static int compara(const void *a, const void *b)
{
    double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

static double agora_us(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

static int medir(int porta, int vezes, const char *pedido)
{
    int s = socket(AF_INET, SOCK_STREAM, 0);
    struct sockaddr_in a = endereco(porta);
    if (connect(s, (struct sockaddr *)&a, sizeof a) != 0) {
        perror("eco: connect");
        return 1;
    }
    sem_atraso(s);
    size_t len = strlen(pedido);
    double *t = malloc(sizeof(double) * (size_t)vezes);
    if (!t)
        return 1;
    for (int i = 0; i < vezes; i++) {
        double t0 = agora_us();
        if (send(s, pedido, len, MSG_NOSIGNAL) != (ssize_t)len) {
            perror("eco: send");
            return 1;
        }
        char buf[4096];
        for (;;) {
            ssize_t k = recv(s, buf, sizeof buf, 0);
            if (k <= 0) {
                fprintf(stderr, "eco: connection closed\n");
                return 1;
            }
            if (buf[k - 1] == '\n')
                break;
        }
        t[i] = agora_us() - t0;
    }
    qsort(t, (size_t)vezes, sizeof(double), compara);
    printf("%.1f %.1f %.1f\n", t[vezes / 2], t[(vezes * 9) / 10], t[vezes - 1]);
    free(t);
    close(s);
    return 0;
}

int main(int argc, char **argv)
{
    if (argc == 3 && strcmp(argv[1], "servir") == 0)
        return servir(atoi(argv[2]));
    if (argc == 5 && strcmp(argv[1], "medir") == 0 && atoi(argv[3]) > 0)
        return medir(atoi(argv[2]), atoi(argv[3]), argv[4]);
    fprintf(stderr, "usage: eco servir PORTA | eco medir PORTA N PEDIDO\n");
    return 2;
}
