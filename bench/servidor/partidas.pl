/*  Games between the computer levels, for the benchmarks.

    Both levels are deterministic, so a series of games between them would
    repeat the same two games.  Each game therefore opens with a few moves
    drawn by a small linear congruential generator seeded with the game's
    number: the same series every run, twenty different games.
*/

:- module(partidas,
          [ partida/5,          % +Jogo, +Nivel1, +Nivel2, -Fim, -Lances
            abertura/3          % +Jogo, -Tab, -Lado
          ]).

:- use_module('../../server/regras').
:- use_module('../../server/jogador').

lances_abertura(4).

%!  abertura(+Jogo, -Tab, -Lado)
%   The position after the opening of game Jogo, and the side to move.

abertura(Jogo, Tab, Lado) :-
    tabuleiro_inicial(T0),
    lances_abertura(N),
    Semente is Jogo * 7919 + 17,
    abrir(N, T0, 1, Semente, Tab, Lado).

abrir(0, T, L, _, T, L) :- !.
abrir(N, T0, L, S0, T, Lado) :-
    jogadas(T0, L, Js),
    length(Js, K),
    S1 is (S0 * 1103515245 + 12345) mod 2147483648,
    I is (S1 >> 8) mod K,
    nth0(I, Js, De-Para),
    mover(T0, De, Para, T1),
    outro(L, O),
    N1 is N - 1,
    abrir(N1, T1, O, S1, T, Lado).

%!  partida(+Jogo, +Nivel1, +Nivel2, -Fim, -Lances)
%   Plays game Jogo with side 1 at level Nivel1 and side 2 at level Nivel2.
%   Fim is fim(Vencedor, Regra, Lances): the rule (1 to 4 of the game end
%   rules) that ended it.  Lances is the list of l(Lado, Nivel, Tab, Ms):
%   every position a level was asked about and the milliseconds its move
%   took.

partida(Jogo, N1, N2, Fim, Lances) :-
    abertura(Jogo, Tab, Lado),
    lances_abertura(A),
    M1 is A // 2, M2 is A // 2,
    jogo(Tab, Lado, M1, M2, N1-N2, Fim, Lances).

jogo(Tab, Lado, M1, M2, Niveis, Fim, [l(Lado, Nv, Tab, Ms)|Ls]) :-
    (   Lado =:= 1 -> Niveis = Nv-_, M = M1 ; Niveis = _-Nv, M = M2 ),
    statistics(cputime, C0),
    (   jogada(Nv, Tab, Lado, De, Para)
    ->  true
    ;   throw(sem_jogada(Lado, Tab))
    ),
    statistics(cputime, C1),
    Ms is (C1 - C0) * 1000,
    mover(Tab, De, Para, Tab1),
    terminacao(Lado, M, Tab1, R),
    (   R =:= 1
    ->  outro(Lado, Outro),
        (   Lado =:= 1 -> M1b is M1+1, M2b = M2 ; M1b = M1, M2b is M2+1 ),
        jogo(Tab1, Outro, M1b, M2b, Niveis, Fim, Ls)
    ;   outro(Lado, Outro),
        ( R =:= 2 -> Vencedor = Lado ; Vencedor = Outro ),
        regra(Lado, M, Tab1, Regra),
        N is M1 + M2 + 1,
        Fim = fim(Vencedor, Regra, N),
        Ls = []
    ).

jogada(1, Tab, Lado, De, Para) :- jogada_nivel1(Tab, Lado, De, Para).
jogada(2, Tab, Lado, De, Para) :- jogada_nivel2(Tab, Lado, De, Para).

%   Which of the end rules decided: the first that applies, as the judge
%   takes them.

regra(Lado, M, Tab, Regra) :-
    outro(Lado, Outro),
    (   terminacao(Lado, M, Tab, _), pecas(Tab, Lado, Qs),
        forall(member(Q, Qs), zona(Q, Outro)), length(Qs, 10)
    ->  Regra = 1
    ;   jogadas(Tab, Outro, [])
    ->  Regra = 2
    ;   M + 1 >= 30, pecas(Tab, Lado, Qs), member(Q, Qs), zona(Q, Lado)
    ->  Regra = 3
    ;   Regra = 4
    ).
