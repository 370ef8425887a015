:- use_module(library(plunit)).
:- use_module(apoio).
:- use_module('../regras').
:- use_module('../jogador').
:- use_module('../../bench/servidor/partidas').

% A few positions from real games: the start, and what the levels reach
% after openings drawn by the benchmark's generator.
posicoes(Ps) :-
    tabuleiro_inicial(T0),
    findall(T-L, ( member(J, [1,2,3]), abertura(J, T, L) ), Ps0),
    Ps = [T0-1, T0-2|Ps0].

jogada(1, T, L, De, Para) :- jogada_nivel1(T, L, De, Para).
jogada(2, T, L, De, Para) :- jogada_nivel2(T, L, De, Para).

:- begin_tests(niveis).

test(jogadas_legais_e_deterministas, forall(member(N, [1,2]))) :-
    posicoes(Ps),
    forall(member(T-L, Ps),
           ( jogada(N, T, L, De, Para),
             jogada_legal(T, L, De, Para),
             jogada(N, T, L, De2, Para2),
             De2-Para2 == De-Para )).

% Level 1 takes the move that goes furthest: the chain over both stones,
% not the first jump nor a step.
test(nivel1_maior_progresso) :-
    desenho(["........",
             "........",
             "........",
             "........",
             "....2...",
             "........",
             "......2.",
             ".......1"], T),
    jogada_nivel1(T, 1, De, Para),
    quadrado(De, 7, 7),
    quadrado(Para, X, Y),
    (X,Y) == (3,3).

% One move from filling the goal: both levels take it.
test(vitoria_imediata, forall(member(N, [1,2]))) :-
    desenho(["1111....",
             "111.....",
             "1.......",
             "11......",
             "........",
             "......22",
             ".....222",
             "....2222"], T),
    jogada(N, T, 1, De, Para),
    mover(T, De, Para, T1),
    terminacao(1, 40, T1, R),
    R == 2.

% Side 2's only piece is walled in: no move to give.
test(sem_jogada_falha, forall(member(N, [1,2]))) :-
    desenho(["211.....",
             "11......",
             "1.1.....",
             "........",
             "........",
             "........",
             "........",
             "........"], T),
    \+ jogada(N, T, 2, _, _).

% A piece left at home costs level 2 more than it gains elsewhere: with a
% straggler in the home camp and a runner far ahead, it brings the
% straggler out.
test(nivel2_tira_pecas_de_casa) :-
    desenho(["........",
             ".1......",
             "........",
             "........",
             "........",
             "........",
             "........",
             ".......1"], T),
    jogada_nivel2(T, 1, De, _),
    quadrado(De, 7, 7).

% Level 2 beats level 1 from the start, playing either side.
test(nivel2_vence_nivel1, forall(member(Niveis, [2-1, 1-2]))) :-
    Niveis = N1-N2,
    partida(0, N1, N2, fim(Vencedor, Regra, _), _),
    ( N1 =:= 2 -> Vencedor == 1 ; Vencedor == 2 ),
    memberchk(Regra, [1,3]).

:- end_tests(niveis).
