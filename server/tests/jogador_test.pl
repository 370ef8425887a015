:- use_module(library(plunit)).
:- use_module(apoio).
:- use_module('../regras').
:- use_module('../jogador').
:- use_module('../lances').
:- use_module('../transposicao').
:- use_module('../protocolo', [texto_tabuleiro/2]).
:- use_module('../../bench/servidor/partidas').

% dificil(Lado, Texto): the 20 positions of the match against the sparring
% opponent where level 2 took longest (bench/servidor/confronto.pl
% --dificeis writes them).
:- include(dificeis).

dificeis(Ps) :-
    findall(T-L, ( dificil(L, S), string_codes(S, Cs), texto_tabuleiro(Cs, T) ), Ps).

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

:- begin_tests(procura).

% Whatever else the board offers, level 2 takes a move that fills its goal
% camp: with a step, with a jump chain, with the last piece far behind the
% others, for either side.
test(completa_a_meta, forall(member(Desenho-Lado, [
        ["1111....", "111.....", "1.......", "1.1.....",
         "....2...", "......22", ".....222", "....2222"]-1,
        ["1111....", "111.....", "1.......", "1.2.....",
         "...1...2", "......2.", ".....222", "....2222"]-1,
        ["1111....", "11......", "1.......", "1..1....",
         ".......2", ".....222", ".....2.2", "....2222"]-2,
        ["1111....", "111.....", "11......", "...2....",
         "....1..2", "......22", ".....222", "....222."]-2 ]))) :-
    desenho(Desenho, T),
    jogada_nivel2(T, Lado, De, Para),
    mover(T, De, Para, T1),
    terminacao(Lado, 40, T1, R),
    R == 2,
    pecas(T1, Lado, Qs),
    outro(Lado, Meta),
    forall(member(Q, Qs), zona(Q, Meta)).

% The same request always gets the same reply: asked again after other
% searches, the search finds the same move with the same effort.
test(deterministica) :-
    dificeis([T1-L1, T2-L2|_]),
    orcamento_nivel2(B),
    procura(T1, L1, B, De, Para, Info),
    procura(T2, L2, B, _, _, _),
    procura(T1, L1, B, De2, Para2, Info2),
    De2-Para2-Info2 == De-Para-Info.

% On the hardest positions of the bench the search stops at its budget,
% whatever the budget, and still gives a legal move.
test(orcamento_respeitado, forall(member(B, [100, 700, default]))) :-
    (   B == default -> orcamento_nivel2(N) ; N = B ),
    dificeis(Ps),
    length(Ps, 20),
    forall(member(T-L, Ps),
           ( procura(T, L, N, De, Para, info(Nos, _, _)),
             Nos =< N,
             jogada_legal(T, L, De, Para) )).

% The search's own move generator gives exactly the rules' moves, in the
% same order, over the positions of random games.
test(lances_iguais_a_jogadas) :-
    tabuleiro_inicial(T0),
    forall(between(1, 40, Semente),
           partida_ao_acaso(120, T0, 1, Semente)).

partida_ao_acaso(0, _, _, _) :- !.
partida_ao_acaso(N, T, L, S0) :-
    pecas(T, L, Ps),
    jogadas(T, L, Ps, Js),
    lances(T, L, Ps, Ls),
    Ls == Js,
    (   lance_sorteado(T, L, S0, S1, T1)
    ->  outro(L, O),
        N1 is N - 1,
        partida_ao_acaso(N1, T1, O, S1)
    ;   true
    ).

% The table gives back what was stored, over the whole range of depths,
% bound kinds, moves and values (wins and losses included), and a key that
% shares the slot of another reads nothing.
test(tabela_devolve_o_guardado) :-
    tabela_nova(TT),
    set_random(seed(14)),
    forall(between(1, 3000, _),
           ( H is random(1 << 56),
             P is random(21), Tipo is random(3),
             V is random(2000201) - 1000100,
             De is 1 + random(64), Para is 1 + random(64),
             guardar(TT, H, P, Tipo, V, De, Para),
             consultar(TT, H, P1, Tipo1, V1, De1, Para1),
             P1-Tipo1-V1-De1-Para1 == P-Tipo-V-De-Para,
             Vizinha is H xor (1 << 30),
             \+ consultar(TT, Vizinha, _, _, _, _, _) )).

:- end_tests(procura).
