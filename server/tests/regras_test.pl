:- use_module(library(plunit)).
:- use_module(apoio).
:- use_module('../regras').

:- begin_tests(jogadas).

test(inicio_24_para_cada_lado) :-
    tabuleiro_inicial(T),
    jogadas(T, 1, J1), length(J1, 24),
    jogadas(T, 2, J2), length(J2, 24).

% Side 2 at the start, counted by hand: 15 steps from the front, and the
% jumps of the pieces behind over the front row.
test(inicio_lado2_conjunto_exato) :-
    tabuleiro_inicial(T),
    jogadas_xy(T, 2, Js),
    findall((X0,Y0)-(X1,Y1),
            ( member((X0,Y0)-(X1,Y1), Js),
              abs(X1-X0) =< 1, abs(Y1-Y0) =< 1 ),
            Passos),
    length(Passos, 15),
    subtract(Js, Passos, Saltos),
    Saltos == [ (0,0)-(2,2), (0,1)-(2,3), (0,2)-(0,4), (0,2)-(2,2),
                (1,0)-(3,2), (1,1)-(1,3), (1,1)-(3,1),
                (2,0)-(2,2), (2,0)-(4,0) ].

% A chain can go round a ring of four pieces and come back to its origin;
% the origin is no destination, and each square reached counts once.
test(anel) :-
    % the ring around (4,4): stones at (4,3), (5,4), (4,5), (3,4)
    desenho(["........",
             "........",
             "........",
             "...12...",
             "...2.2..",
             "....2...",
             "........",
             "........"], T),
    destinos_xy(T, 1, (3,3), Ds),
    Ds == [(2,2),(2,3),(2,4),(3,2),(3,5),(4,2),(4,4),(5,3),(5,5)],
    jogadas(T, 1, Js), length(Js, 9).

% Side 2's piece in its own corner: the board's edge, a blocked step, and
% chains on both sides of the stone on (1,1).
test(passo_bloqueado_e_borda) :-
    desenho(["2.......",
             "11......",
             "........",
             "........",
             "........",
             "........",
             "........",
             "........"], T),
    destinos_xy(T, 2, (0,0), Ds),
    Ds == [(0,2),(1,0),(2,0),(2,2)].

:- end_tests(jogadas).

:- begin_tests(tranca_da_meta).

% A piece of side 1 in its goal camp (x + y =< 3) only lands inside it,
% also in the middle of a chain: from (0,2) over (1,2) to (2,2) and on over
% (2,1) to (2,0) would end in the goal, but leaves it on the way.
test(meta_lado1) :-
    desenho(["........",
             "..2.....",
             "12......",
             "........",
             "........",
             "........",
             "........",
             "........"], T),
    destinos_xy(T, 1, (0,2), Ds),
    Ds == [(0,1),(0,3),(1,1)].

test(mesma_cadeia_fora_da_meta_e_livre) :-
    % the same shape for side 2, whose goal is x + y >= 11: its piece on
    % (0,2) is not in its goal and may take the whole chain
    desenho(["........",
             "..1.....",
             "21......",
             "........",
             "........",
             "........",
             "........",
             "........"], T),
    destinos_xy(T, 2, (0,2), Ds),
    memberchk((2,2), Ds),
    memberchk((2,0), Ds).

test(meta_lado2_passos) :-
    desenho(["........",
             "........",
             "........",
             "........",
             "........",
             "........",
             "........",
             ".......2"], T),
    destinos_xy(T, 2, (7,7), Ds),
    Ds == [(6,6),(6,7),(7,6)],
    desenho(["........",
             "........",
             "........",
             "........",
             "........",
             ".......2",
             "........",
             "........"], T2),
    % (7,5): x + y = 12, in the goal; of its neighbours only (6,4) lies
    % outside
    destinos_xy(T2, 2, (7,5), Ds2),
    Ds2 == [(6,5),(6,6),(7,4),(7,6)].

test(legal_respeita_a_tranca) :-
    desenho(["........",
             "..2.....",
             "12......",
             "........",
             "........",
             "........",
             "........",
             "........"], T),
    quadrado(De, 0, 2), quadrado(Fora, 2, 2), quadrado(Dentro, 1, 1),
    \+ jogada_legal(T, 1, De, Fora),
    jogada_legal(T, 1, De, Dentro).

% jogada_legal/4 judges a single move by its own path; it must agree with
% the generator on every origin and destination, in positions from a
% stretch of random play.
test(legal_concorda_com_o_gerador) :-
    tabuleiro_inicial(T0),
    partida_aleatoria(60, T0, 1, 4242, Posicoes),
    forall(( member(T-L, Posicoes), pecas(T, L, Ps), member(De, Ps) ),
           ( jogadas(T, L, [De], Js),
             forall(between(1, 64, Para),
                    (   memberchk(De-Para, Js)
                    ->  jogada_legal(T, L, De, Para)
                    ;   \+ jogada_legal(T, L, De, Para)
                    )) )).

partida_aleatoria(0, _, _, _, []) :- !.
partida_aleatoria(N, T, L, S0, [T-L|Ps]) :-
    lance_sorteado(T, L, S0, S, T1),
    outro(L, O),
    N1 is N - 1,
    partida_aleatoria(N1, T1, O, S, Ps).

:- end_tests(tranca_da_meta).

:- begin_tests(terminacao).

meta_lado1_cheia(T) :-
    desenho(["1111....",
             "111.....",
             "11......",
             "1.......",
             "........",
             "......22",
             ".....222",
             "....2222"], T).

test(regra1_meta_cheia, R == 2) :-
    meta_lado1_cheia(T),
    terminacao(1, 40, T, R).

% Side 1's goal full: side 1's pieces are all locked in and cannot move,
% so a move of side 2 there wins by rule 2.
test(meta_cheia_do_outro_sem_jogadas, R == 2) :-
    meta_lado1_cheia(T),
    terminacao(2, 3, T, R).

% Side 2's only piece, in the corner, is walled in: side 1 wins by rule 2,
% before rule 3 could make it lose for the piece it keeps at home.
test(regra2_sem_jogadas_antes_da_regra3, R == 2) :-
    desenho(["211.....",
             "11......",
             "1.1.....",
             "........",
             "........",
             "........",
             "........",
             ".......1"], T),
    terminacao(1, 40, T, R).

test(regra2_sem_pecas, R == 2) :-
    desenho(["........",
             "........",
             "........",
             "...1....",
             "........",
             "........",
             "........",
             "........"], T),
    terminacao(1, 0, T, R).

test(regra3_limite_da_casa) :-
    desenho(["22......",
             "2.......",
             "........",
             "........",
             "........",
             "........",
             "........",
             ".......1"], T),
    terminacao(1, 28, T, R28), R28 == 1,     % 29th move
    terminacao(1, 29, T, R29), R29 == 0,     % 30th move
    terminacao(2, 29, T, R2), R2 == 0,
    terminacao(2, 28, T, R2b), R2b == 1.

test(regra4_distancia) :-
    % side 1 (distance x+y): 6 + 4 = 10; side 2 (14-x-y): 2 + 1 = 3
    desenho(["........",
             "........",
             "........",
             "...1....",
             "1.......",
             "........",
             "......2.",
             "......2."], T),
    terminacao(1, 98, T, R98), R98 == 1,
    terminacao(1, 99, T, R1), R1 == 0,
    terminacao(2, 99, T, R2), R2 == 2.

test(regra4_empate_perde_quem_jogou) :-
    desenho(["........",
             "........",
             "........",
             "...1....",
             "........",
             "........",
             "........",
             "....2..."], T),
    % 6 against 14-11 = 3; then 6 against 7 with side 2 on (3,4); then a
    % tie, 6 and 6, which is a loss for whoever moved
    desenho(["........",
             "........",
             "........",
             "...1....",
             "...2....",
             "........",
             "........",
             "........"], T2),
    terminacao(1, 120, T, R), R == 0,
    terminacao(2, 120, T, Ra), Ra == 2,
    terminacao(1, 120, T2, Rb), Rb == 2,
    desenho(["........",
             "........",
             "........",
             "...1....",
             "........",
             "...2....",
             "........",
             "........"], T3),
    terminacao(1, 120, T3, Rc), Rc == 0,
    terminacao(2, 120, T3, Rd), Rd == 0.

test(regra5_continua, R == 1) :-
    tabuleiro_inicial(T),
    terminacao(1, 0, T, R).

:- end_tests(terminacao).

:- begin_tests(texto).

test(inicial_compacto) :-
    tabuleiro_inicial(T),
    texto(T, S),
    inicial_texto(S),
    string_length(S, 145).

test(mover_nao_altera_o_original) :-
    tabuleiro_inicial(T),
    quadrado(De, 7, 4), quadrado(Para, 6, 3),
    mover(T, De, Para, T1),
    texto(T, S), inicial_texto(S),
    texto(T1, S1),
    sub_string(S1, 0, _, _, "[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,1,0],[0,0,0,0,0,0,0,0]").

:- end_tests(texto).
