:- use_module(library(plunit)).
:- use_module(apoio).
:- use_module('../regras').
:- use_module('../jogador').
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

% Late in a race it has lost, level 2 (side 2) walled in side 1's last two
% pieces with its own and stepped a piece to and fro: against a player who
% waited as well the game ran to the 100-move count.  It moves no piece
% back while it has another move.
test(nivel2_nao_recua_no_fim) :-
    desenho(["1111....",
             "11.2....",
             "11..2...",
             ".....1..",
             "......1.",
             "......22",
             "....2..2",
             "....2222"], T),
    jogada_nivel2(T, 2, De, Para),
    valor(2, De, V0),
    valor(2, Para, V1),
    V1 >= V0.

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
    orcamento_nivel2(T1, B),
    procura(T1, L1, B, De, Para, Info),
    procura(T2, L2, B, _, _, _),
    procura(T1, L1, B, De2, Para2, Info2),
    De2-Para2-Info2 == De-Para-Info.

% On the hardest positions of the bench the search stops at its budget,
% whatever the budget, and still gives a legal move.
test(orcamento_respeitado, forall(member(B, [100, 700, default]))) :-
    dificeis(Ps),
    length(Ps, 20),
    forall(member(T-L, Ps),
           ( (   B == default -> orcamento_nivel2(T, N) ; N = B ),
             procura(T, L, N, De, Para, info(Nos, _, _)),
             Nos =< N,
             jogada_legal(T, L, De, Para) )).

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

% Level 2's reply is a legal move, the same when asked again, within its
% budget, over random positions: pieces locked in their goal camps, armies
% that have passed each other, crowded middle games, sides with few moves.
test(legal_e_repetivel_ao_acaso) :-
    set_random(seed(23)),
    forall(between(1, 60, I),
           ( posicao_ao_acaso(T),
             forall(member(L, [1, 2]),
                    (   jogadas(T, L, [])
                    ->  \+ procura(T, L, 300, _, _, _)
                    ;   ( I mod 15 =:= 0 -> orcamento_nivel2(T, B) ; B = 300 ),
                        procura(T, L, B, De, Para, Info),
                        Info = info(Nos, _, _),
                        Nos =< B,
                        jogada_legal(T, L, De, Para),
                        procura(T, L, B, De2, Para2, Info2),
                        De2-Para2-Info2 == De-Para-Info
                    )) )).

% A node keeps, in the order it searches them, exactly the moves whose
% gain is above its threshold, the cost of waiting in the goal camp
% included, whatever the threshold and the window; and the race keeps
% every move, keyed by its gain.
test(lances_mantidos_pelo_ganho) :-
    set_random(seed(31)),
    forall(between(1, 40, _),
           ( posicao_ao_acaso(T),
             forall(( member(L, [1, 2]), member(Quem, [eu, ele]),
                      member(Prof-Alfa, [5-0, 2-(-200), 2-0, 2-60, 3-20]) ),
                    mantidos(T, L, Quem, Prof, Alfa)) )).

mantidos(T, L, Quem, Prof, Alfa) :-
    jogador:lado(L, Quem, 40, Eu),
    pecas(T, L, Meus),
    jogadas(T, L, Meus, Js),
    Eu = s(_, VT, Metas, _, Meta, Pen, Perda),
    jogador:pares_no(Meus, Eu, T, Prof, 0, 0, Alfa, [], Pares),
    (   Prof =:= 2 -> Limiar is max(Perda, Alfa - 20) ; Limiar = Perda ),
    findall(K-J, ( member(J, Js), J = De-Para, jogador:ganho(Eu, De, Para, G),
                   G > Limiar, K is -G ),
            Esperados),
    assertion(Pares == Esperados),
    jogador:pares_corrida(Meus, T, Meta, VT, Metas, Pen, Todos),
    findall(K-J, ( member(J, Js), J = De-Para, jogador:ganho(Eu, De, Para, G),
                   K is -G ),
            TodosEsperados),
    assertion(Todos == TodosEsperados).

% Once the armies have passed each other, level 2 finishes in the fewest
% moves: from random race endgames that can be won in three moves or
% fewer, its move leaves one move fewer to go.
test(corrida_pelo_caminho_mais_curto) :-
    set_random(seed(7)),
    findall(T-N, ( between(1, 200, _),
                   fim_de_corrida(T),
                   minimo_para_encher(T, 1, 3, N),
                   N > 1 ),
            Ps),
    length(Ps, K),
    assertion(K >= 10),
    forall(member(T-N, Ps),
           ( jogada_nivel2(T, 1, De, Para),
             mover(T, De, Para, T1),
             N1 is N - 1,
             minimo_para_encher(T1, 1, N1, N1) )).

% Level 2's budget follows the pairs of pieces of the two sides one step
% apart: counted from side 1's pieces, they are the pairs of squares whose
% columns and rows both differ by at most one.
test(contactos_pelas_coordenadas) :-
    set_random(seed(41)),
    forall(between(1, 60, _),
           ( posicao_ao_acaso(T),
             aggregate_all(count,
                           ( arg(A, T, 0'1), arg(B, T, 0'2),
                             quadrado(A, XA, YA), quadrado(B, XB, YB),
                             max(abs(XA-XB), abs(YA-YB)) =:= 1 ),
                           C),
             pecas(T, 1, Uns),
             jogador:contactos(Uns, T, 0, C1),
             assertion(C1 == C) )).

:- end_tests(procura).

%   posicao_ao_acaso(-T): up to nine pieces of each side in its goal camp,
%   the others anywhere, or, half the time, each army past the other.

posicao_ao_acaso(T) :-
    tabuleiro_vazio(T0),
    Separadas is random(2),
    colocar(1, Separadas, T0, T1),
    colocar(2, Separadas, T1, T).

tabuleiro_vazio(T) :-
    functor(T, tab, 64),
    forall(between(1, 64, Q), nb_setarg(Q, T, 0'0)).

colocar(L, Separadas, T0, T) :-
    duplicate_term(T0, T),
    outro(L, Meta),
    findall(Q, ( zona(Q, Meta), arg(Q, T, 0'0) ), Metas),
    length(Metas, NM),
    NaMeta is min(NM, random(10)),
    sortear(NaMeta, Metas, Qs1),
    Resto is 10 - NaMeta,
    findall(Q, ( arg(Q, T, 0'0), \+ memberchk(Q, Qs1), \+ zona(Q, Meta),
                 ( Separadas =:= 0 -> true ; distancia(L, Q, D), D =< 5 ) ),
            Livres),
    sortear(Resto, Livres, Qs2),
    Peca is 0'0 + L,
    forall(member(Q, Qs1), nb_setarg(Q, T, Peca)),
    forall(member(Q, Qs2), nb_setarg(Q, T, Peca)).

sortear(0, _, []) :- !.
sortear(N, Xs, [X|Ys]) :-
    random_member(X, Xs),
    selectchk(X, Xs, Xs1),
    N1 is N - 1,
    sortear(N1, Xs1, Ys).

%   A race endgame for side 1: seven to nine pieces in its goal camp, the
%   others within four diagonals of it; side 2's army far behind.

fim_de_corrida(T) :-
    tabuleiro_vazio(T0),
    NaMeta is 7 + random(3),
    findall(Q, zona(Q, 2), Metas),
    sortear(NaMeta, Metas, Qs1),
    Resto is 10 - NaMeta,
    findall(Q, ( quadrado(Q, X, Y), S is X + Y, S >= 4, S =< 7 ), Perto),
    sortear(Resto, Perto, Qs2),
    findall(Q, ( quadrado(Q, X, Y), X + Y >= 11 ), Casa1),
    findall(Q, ( quadrado(Q, X, Y), S is X + Y, S >= 9, S =< 10 ), Fora),
    sortear(6, Casa1, Qs3),
    sortear(4, Fora, Qs4),
    duplicate_term(T0, T),
    forall(( member(Q, Qs1) ; member(Q, Qs2) ), nb_setarg(Q, T, 0'1)),
    forall(( member(Q, Qs3) ; member(Q, Qs4) ), nb_setarg(Q, T, 0'2)).

%   minimo_para_encher(T, L, Max, N): N, at most Max, is the fewest moves
%   of side L alone that fill its goal camp; fails when more are needed.

minimo_para_encher(T, L, Max, N) :-
    between(0, Max, N),
    enche_em(N, T, L), !.

enche_em(N, T, L) :-
    outro(L, Meta),
    pecas(T, L, Qs),
    aggregate_all(count, ( member(Q, Qs), \+ zona(Q, Meta) ), Fora),
    Fora =< N,
    (   Fora =:= 0
    ->  true
    ;   N > 0,
        jogadas(T, L, Js),
        member(De-Para, Js),
        mover(T, De, Para, T1),
        N1 is N - 1,
        enche_em(N1, T1, L)
    ), !.
