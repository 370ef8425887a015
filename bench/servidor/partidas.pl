/*  Games between the computer levels, for the benchmarks and the tests.

    Every move is asked of the server's request handler with the request
    text the game sends, in a thread of its own as the server answers each
    connection, so the time taken is what the server spends on a reply:
    parsing, the move, and the board text.

    Both levels are deterministic, so a series of games between them would
    repeat the same two games.  Each game therefore opens with a few moves
    drawn by a small linear congruential generator seeded with the game's
    number: the same series every run, different games.
*/

:- module(partidas,
          [ partida/5,          % +Jogo, +Nivel1, +Nivel2, -Fim, -Lances
            abertura/3,         % +Jogo, -Tab, -Lado
            pedido_computador/4,% +Nivel, +Lado, +Tab, -Codes
            responder_medindo/4,% +Codes, -Texto, -CpuMs, -ParedeMs
            regra/4             % +Lado, +M, +Tab, -Regra
          ]).

:- use_module('../../server/regras').
:- use_module('../../server/protocolo').
:- use_module('../../server/tests/apoio', [lance_sorteado/5]).

lances_abertura(4).

%!  abertura(+Jogo, -Tab, -Lado)
%   The position after the opening of game Jogo, and the side to move.
%   Game 0 has no opening: it starts from the initial board.

abertura(0, Tab, 1) :- !,
    tabuleiro_inicial(Tab).
abertura(Jogo, Tab, Lado) :-
    tabuleiro_inicial(T0),
    lances_abertura(N),
    Semente is Jogo * 7919 + 17,
    abrir(N, T0, 1, Semente, Tab, Lado).

abrir(0, T, L, _, T, L) :- !.
abrir(N, T0, L, S0, T, Lado) :-
    lance_sorteado(T0, L, S0, S1, T1),
    outro(L, O),
    N1 is N - 1,
    abrir(N1, T1, O, S1, T, Lado).

%!  partida(+Jogo, +Nivel1, +Nivel2, -Fim, -Lances)
%   Plays game Jogo with side 1 at level Nivel1 and side 2 at level Nivel2.
%   Fim is fim(Vencedor, Regra, Lances): the winner, the game end rule (1
%   to 4) that decided, and the number of moves made.  Lances is the list
%   of l(Lado, Nivel, Tab, Ms): every position a level was asked about and
%   the milliseconds of processor time its reply took.

partida(Jogo, N1, N2, Fim, Lances) :-
    abertura(Jogo, Tab, Lado),
    (   Jogo =:= 0 -> A = 0 ; lances_abertura(A) ),
    M1 is A // 2, M2 is A // 2,
    jogo(Tab, Lado, M1, M2, N1-N2, Fim, Lances).

jogo(Tab, Lado, M1, M2, Niveis, Fim, [l(Lado, Nv, Tab, Ms)|Ls]) :-
    (   Lado =:= 1 -> Niveis = Nv-_, M = M1 ; Niveis = _-Nv, M = M2 ),
    pedido_computador(Nv, Lado, Tab, Pedido),
    responder_medindo(Pedido, Texto, Ms, _),
    texto_tabuleiro(Texto, Tab1),
    (   Tab1 == Tab
    ->  throw(sem_jogada(Lado, Tab))
    ;   true
    ),
    terminacao(Lado, M, Tab1, R),
    outro(Lado, Outro),
    (   R =:= 1
    ->  (   Lado =:= 1 -> M1b is M1+1, M2b = M2 ; M1b = M1, M2b is M2+1 ),
        jogo(Tab1, Outro, M1b, M2b, Niveis, Fim, Ls)
    ;   ( R =:= 2 -> Vencedor = Lado ; Vencedor = Outro ),
        regra(Lado, M, Tab1, Regra),
        N is M1 + M2 + 1,
        Fim = fim(Vencedor, Regra, N),
        Ls = []
    ).

%!  responder_medindo(+Pedido, -Texto, -CpuMs, -ParedeMs)
%   The reply of the server's request handler to the request text Pedido,
%   and the processor time and the wall-clock time it took, in
%   milliseconds.  The request is answered in a thread of its own, as the
%   server answers each connection, so that the time is not swollen by
%   collecting the garbage of the program that asks, which may keep whole
%   games in memory.

responder_medindo(Pedido, Texto, Cpu, Parede) :-
    thread_create(medir(Pedido), Id, []),
    thread_join(Id, Estado),
    (   Estado = exited(r(Texto, Cpu, Parede))
    ->  true
    ;   throw(responder_medindo(Estado))
    ).

medir(Pedido) :-
    cache_vazia(C0),
    get_time(W0),
    statistics(cputime, T0),
    separar(Pedido, 4096, P, _),
    responder(P, C0, _, resposta(Texto)),
    statistics(cputime, T1),
    get_time(W1),
    Cpu is (T1 - T0) * 1000,
    Parede is (W1 - W0) * 1000,
    thread_exit(r(Texto, Cpu, Parede)).

%!  pedido_computador(+Nivel, +Lado, +Tab, -Codes)
%   The request as the game sends it, with its line feed before the board.

pedido_computador(Nivel, Lado, Tab, Codes) :-
    tabuleiro_codigos(Tab, Texto),
    format(codes(Codes), "obtemJogadaPC~d(~d,\n~s).\n", [Nivel, Lado, Texto]).

%!  regra(+Lado, +M, +Tab, -Regra)
%   Which of the game end rules decided (1 to 4, numbered as in
%   server/README.md): the first that applies.

regra(Lado, M, Tab, Regra) :-
    outro(Lado, Outro),
    pecas(Tab, Lado, Qs),
    (   length(Qs, 10), forall(member(Q, Qs), zona(Q, Outro))
    ->  Regra = 1
    ;   jogadas(Tab, Outro, [])
    ->  Regra = 2
    ;   M + 1 >= 30, member(Q, Qs), zona(Q, Lado)
    ->  Regra = 3
    ;   Regra = 4
    ).
