/*  The computer's moves.

    Level 1 looks one move ahead and takes the move that brings a piece
    furthest forward.  Level 2 runs a negamax alpha-beta search over a few
    plies on a private copy of the board, with an evaluation that is a sum of
    per-square values, so that a move changes it by two table look-ups.

    Both levels are deterministic: moves are generated in a fixed order and a
    later move replaces the best so far only when it is strictly better.
*/

:- module(jogador,
          [ jogada_nivel1/4,          % +Tab, +Lado, -De, -Para
            jogada_nivel2/4,          % +Tab, +Lado, -De, -Para
            jogada_nivel2/5,          % +Tab, +Lado, +Profundidade, -De, -Para
            valor/3                   % +Lado, +Q, -V
          ]).

:- use_module(regras).

:- set_prolog_flag(optimise, true).

%   valor(Lado, Q, V): what a piece of Lado on square Q is worth.
%   - Distance to go counts linearly and quadratically, so that bringing up a
%     piece left far behind pays more than pushing a leader on.
%   - Away from the goal, straying from the long diagonal costs a little:
%     pieces near it keep each other company and find jumps.
%   - A piece still in its home camp costs extra: from the 30th move on it
%     loses the game, and the requests do not say how near that is.
%   em_meta(Lado, Q, G): G is 1 when Q lies in the goal camp of Lado.

term_expansion(tabelas_jogador, Clauses) :-
    findall(valores(L, T),
            ( member(L, [1,2]),
              findall(V, valor_quadrado(L, V), Vs),
              T =.. [v|Vs] ),
            Valores),
    findall(metas(L, T),
            ( member(L, [1,2]),
              findall(G, ( quadrado(Q, _, _), zona(Q, Z),
                           ( outro(L, Z) -> G = 1 ; G = 0 ) ),
                      Gs),
              T =.. [m|Gs] ),
            Metas),
    append(Valores, Metas, Clauses).

valor_quadrado(L, V) :-
    quadrado(Q, X, Y),
    distancia(L, Q, D), zona(Q, Z),
    Lat is abs(X-Y),
    (   Z =:= L -> Casa = 40 ; Casa = 0 ),
    (   outro(L, Z) -> Desvio = 0 ; Desvio = 3*Lat ),
    V is -(20*D + D*D) - Desvio - Casa.

tabelas_jogador.

valor(Lado, Q, V) :-
    valores(Lado, T),
    arg(Q, T, V).

em_meta(Lado, Q, G) :-
    metas(Lado, T),
    arg(Q, T, G).

%!  jogada_nivel1(+Tab, +Lado, -De, -Para) is semidet.
%   The move with the greatest progress; among equals, the one that moves
%   the piece furthest behind, then the first generated.  Fails when Lado
%   has no legal move.

jogada_nivel1(Tab, Lado, De, Para) :-
    jogadas(Tab, Lado, [J|Js]),
    chave_nivel1(Lado, J, K),
    melhor_nivel1(Js, Lado, J, K, De-Para).

chave_nivel1(Lado, De-Para, K) :-
    distancia(Lado, De, D0),
    distancia(Lado, Para, D1),
    K is (D0-D1)*16 + D0.

melhor_nivel1([], _, J, _, J).
melhor_nivel1([J|Js], Lado, J0, K0, Melhor) :-
    chave_nivel1(Lado, J, K),
    (   K > K0
    ->  melhor_nivel1(Js, Lado, J, K, Melhor)
    ;   melhor_nivel1(Js, Lado, J0, K0, Melhor)
    ).

%!  jogada_nivel2(+Tab, +Lado, -De, -Para) is semidet.
%!  jogada_nivel2(+Tab, +Lado, +Profundidade, -De, -Para) is semidet.
%   The move chosen by an alpha-beta search Profundidade plies deep (3 by
%   default).  Fails when Lado has no legal move.

jogada_nivel2(Tab, Lado, De, Para) :-
    jogada_nivel2(Tab, Lado, 3, De, Para).

jogada_nivel2(Tab0, Lado, Prof, De, Para) :-
    duplicate_term(Tab0, Tab),
    outro(Lado, Outro),
    pecas(Tab, Lado, Meus),
    pecas(Tab, Outro, Deles),
    soma_valores(Meus, Lado, 0, VM),
    soma_valores(Deles, Outro, 0, VO),
    conta_meta(Meus, Lado, 0, GM),
    conta_meta(Deles, Outro, 0, GO),
    E is VM - VO,
    jogadas(Tab, Lado, Meus, Js),
    Js \== [],
    ordenar(Js, Lado, Ordenadas),
    Ordenadas = [J0|_],
    Inf is 1 << 40,
    raiz(Ordenadas, Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
         -Inf, Inf, J0, De-Para).

vitoria(1000000).

raiz([], _, _, _, _, _, _, _, _, _, _, _, Melhor, Melhor).
raiz([De-Para|Js], Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
     Alfa, Beta, Melhor0, Melhor) :-
    filho(De, Para, Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
          Alfa, Beta, 0, V),
    (   V > Alfa
    ->  raiz(Js, Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
             V, Beta, De-Para, Melhor)
    ;   raiz(Js, Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
             Alfa, Beta, Melhor0, Melhor)
    ).

%   filho(...): value, for the side to move, of playing De-Para and letting
%   the search go on Prof-1 plies below it.

filho(De, Para, Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
      Alfa, Beta, Ply, V) :-
    em_meta(Lado, De, G0),
    em_meta(Lado, Para, G1),
    GM1 is GM - G0 + G1,
    Ply1 is Ply + 1,
    (   GM1 =:= 10
    ->  vitoria(W), V is W - Ply1
    ;   Prof =:= 1
    ->  valor(Lado, De, V0),
        valor(Lado, Para, V1),
        V is E + V1 - V0
    ;   valor(Lado, De, V0),
        valor(Lado, Para, V1),
        E1 is -(E + V1 - V0),
        substituir(Meus, De, Para, Meus1),
        Peca is 0'0 + Lado,
        nb_setarg(De, Tab, 0'0),
        nb_setarg(Para, Tab, Peca),
        Prof1 is Prof - 1,
        A1 is -Beta, B1 is -Alfa,
        no(Prof1, Tab, Outro, Lado, Deles, Meus1, E1, GO, GM1, A1, B1, Ply1, V2),
        nb_setarg(Para, Tab, 0'0),
        nb_setarg(De, Tab, Peca),
        V is -V2
    ).

%   no(...): negamax value of the position for Lado, to move.

no(Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO, Alfa, Beta, Ply, V) :-
    jogadas(Tab, Lado, Meus, Js),
    (   Js == []
    ->  vitoria(W), V is -(W - Ply)
    ;   Prof =:= 1
    ->  folhas(Js, Lado, GM, E, Ply, -1000000000, V)
    ;   ordenar(Js, Lado, Ordenadas),
        ramos(Ordenadas, Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
              Alfa, Beta, Ply, V)
    ).

%   Last ply: the best of the moves' own values, a filled goal camp first.

folhas([], _, _, _, _, V, V).
folhas([De-Para|Js], Lado, GM, E, Ply, V0, V) :-
    em_meta(Lado, De, G0),
    em_meta(Lado, Para, G1),
    (   GM - G0 + G1 =:= 10
    ->  vitoria(W), V is W - Ply - 1
    ;   valor(Lado, De, X0),
        valor(Lado, Para, X1),
        V1 is E + X1 - X0,
        (   V1 > V0
        ->  folhas(Js, Lado, GM, E, Ply, V1, V)
        ;   folhas(Js, Lado, GM, E, Ply, V0, V)
        )
    ).

ramos([], _, _, _, _, _, _, _, _, _, Alfa, _, _, Alfa).
ramos([De-Para|Js], Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
      Alfa, Beta, Ply, V) :-
    filho(De, Para, Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
          Alfa, Beta, Ply, V1),
    (   V1 >= Beta
    ->  V = V1
    ;   V1 > Alfa
    ->  ramos(Js, Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
              V1, Beta, Ply, V)
    ;   ramos(Js, Prof, Tab, Lado, Outro, Meus, Deles, E, GM, GO,
              Alfa, Beta, Ply, V)
    ).

%   Best-looking moves first: by the change they make to the side's own
%   value.  keysort is stable, so equal keys keep the generation order.

ordenar(Js, Lado, Ordenadas) :-
    chaves(Js, Lado, Pares),
    keysort(Pares, Ordenados),
    pairs_values(Ordenados, Ordenadas).

chaves([], _, []).
chaves([De-Para|Js], Lado, [K-(De-Para)|Ps]) :-
    valor(Lado, De, V0),
    valor(Lado, Para, V1),
    K is V0 - V1,
    chaves(Js, Lado, Ps).

substituir([], _, _, []).
substituir([Q|Qs], De, Para, [R|Rs]) :-
    (   Q =:= De
    ->  R = Para, Rs = Qs
    ;   R = Q,
        substituir(Qs, De, Para, Rs)
    ).

soma_valores([], _, S, S).
soma_valores([Q|Qs], Lado, S0, S) :-
    valor(Lado, Q, V),
    S1 is S0 + V,
    soma_valores(Qs, Lado, S1, S).

conta_meta([], _, G, G).
conta_meta([Q|Qs], Lado, G0, G) :-
    em_meta(Lado, Q, X),
    G1 is G0 + X,
    conta_meta(Qs, Lado, G1, G).
