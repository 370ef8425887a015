/*  Rules of the game: board, legal moves, goal lock and game end.

    Squares are numbered Q = 8*Y + X + 1 (1..64), so that Q is the argument
    index of the square in the board term tab/64.  Its arguments are the
    codes of the digits of the board text: 0'0 for an empty square, 0'1 and
    0'2 for the pieces of the two sides, so that boards are read and
    written without converting a cell.  Everything the move generator needs
    about the geometry (neighbours, jump pairs, camps) is computed once, when
    this file is compiled, into indexed facts.
*/

:- module(regras,
          [ tabuleiro_inicial/1,      % -Tab
            pecas/3,                  % +Tab, +Lado, -Quadrados
            jogadas/3,                % +Tab, +Lado, -Jogadas
            jogadas/4,                % +Tab, +Lado, +Pecas, -Jogadas
            jogada_legal/4,           % +Tab, +Lado, +De, +Para
            destinos/3,               % +Tab, +De, -Paras
            mover/4,                  % +Tab, +De, +Para, -Tab1
            mover_no_lugar/3,         % +Tab, +De, +Para
            terminacao/4,             % +Lado, +M, +Tab, -Resultado
            outro/2,                  % ?Lado, ?Outro
            quadrado/3,               % ?Q, ?X, ?Y
            zona/2,                   % ?Q, ?Zona
            distancia/3,              % +Lado, +Q, -D
            tabuleiro_codigos/2,      % +Tab, -Codes
            vizinhos/2,               % +Q, -Qs
            saltos/2                  % +Q, -Pares
          ]).

:- set_prolog_flag(optimise, true).
:- discontiguous term_expansion/2.

outro(1, 2).
outro(2, 1).

%!  quadrado(?Q, ?X, ?Y)
%   Square number of column X, row Y.

quadrado(Q, X, Y) :-
    (   integer(Q)
    ->  Q >= 1, Q =< 64,
        X is (Q-1) mod 8,
        Y is (Q-1) // 8
    ;   integer(X), integer(Y)
    ->  X >= 0, X =< 7, Y >= 0, Y =< 7,
        Q is 8*Y + X + 1
    ;   between(0, 7, Y), between(0, 7, X),
        Q is 8*Y + X + 1
    ).

%   Generated tables.
%   zona(Q, Z): Z is 1 on side 1's home camp (x+y >= 11), 2 on side 2's
%   (x+y =< 3), 0 elsewhere.  A side's goal camp is the other side's home.
%   vizinhos(Q, Qs): the squares one step away.
%   saltos(Q, [Sobre-Destino,...]): the jumps from Q, over one square to the
%   square beyond it.
%   distancia(L, Q, D): how far a piece of side L on Q still has to go, the
%   measure the distance rule counts (x+y for side 1, 14-x-y for side 2).

term_expansion(tabelas_regras, Clauses) :-
    findall(zona(Q, Z),
            ( quadrado(Q, X, Y), S is X+Y,
              ( S >= 11 -> Z = 1 ; S =< 3 -> Z = 2 ; Z = 0 ) ),
            Zonas),
    findall(vizinhos(Q, Ns),
            ( quadrado(Q, X, Y),
              findall(N, (direcao(DX, DY), X1 is X+DX, Y1 is Y+DY,
                          quadrado(N, X1, Y1)), Ns) ),
            Vizinhos),
    findall(saltos(Q, Ps),
            ( quadrado(Q, X, Y),
              findall(O-D, (direcao(DX, DY),
                            X1 is X+DX, Y1 is Y+DY, quadrado(O, X1, Y1),
                            X2 is X+2*DX, Y2 is Y+2*DY, quadrado(D, X2, Y2)),
                      Ps) ),
            Saltos),
    findall(distancias(L, T),
            ( member(L, [1,2]),
              findall(D, ( quadrado(_, X, Y),
                           ( L =:= 1 -> D is X+Y ; D is 14-X-Y ) ),
                      Ds),
              T =.. [d|Ds] ),
            Distancias),
    append([Zonas, Vizinhos, Saltos, Distancias], Clauses).

direcao(-1, -1). direcao(0, -1). direcao(1, -1).
direcao(-1,  0).                 direcao(1,  0).
direcao(-1,  1). direcao(0,  1). direcao(1,  1).

tabelas_regras.

distancia(Lado, Q, D) :-
    distancias(Lado, T),
    arg(Q, T, D).

%!  tabuleiro_inicial(-Tab)

tabuleiro_inicial(Tab) :-
    findall(V, ( quadrado(Q, _, _), zona(Q, Z),
                 V is 0'0 + Z ),
            Vs),
    Tab =.. [tab|Vs].

%!  pecas(+Tab, +Lado, -Qs)
%   Squares of the pieces of side Lado, ascending.

pecas(Tab, Lado, Qs) :-
    Peca is 0'0 + Lado,
    pecas(1, Tab, Peca, Qs).

pecas(Q, Tab, Peca, Qs) :-
    (   Q > 64
    ->  Qs = []
    ;   arg(Q, Tab, V),
        Q1 is Q+1,
        (   V =:= Peca
        ->  Qs = [Q|Qs1], pecas(Q1, Tab, Peca, Qs1)
        ;   pecas(Q1, Tab, Peca, Qs)
        )
    ).

%!  jogadas(+Tab, +Lado, -Jogadas) is det.
%!  jogadas(+Tab, +Lado, +Pecas, -Jogadas) is det.
%   Every legal move of side Lado as De-Para, grouped by piece in the order
%   of Pecas, steps before jumps, jump destinations in the order they are
%   first reached.  A piece standing in its goal camp only ever lands inside
%   it.

jogadas(Tab, Lado, Jogadas) :-
    pecas(Tab, Lado, Pecas),
    jogadas(Tab, Lado, Pecas, Jogadas).

jogadas(Tab, Lado, Pecas, Jogadas) :-
    outro(Lado, Meta),
    jogadas_(Pecas, Tab, Meta, Jogadas, []).

jogadas_([], _, _, Js, Js).
jogadas_([Q|Qs], Tab, Meta, Js0, Js) :-
    zona(Q, Z),
    vizinhos(Q, Ns),
    saltos(Q, Ps),
    (   Z =:= Meta
    ->  passos_meta(Ns, Tab, Q, Meta, Js0, Js1),
        saltos_meta(Ps, Tab, Q, Meta, [Q], _, Js1, Js2)
    ;   passos(Ns, Tab, Q, Js0, Js1),
        saltos(Ps, Tab, Q, [Q], _, Js1, Js2)
    ),
    jogadas_(Qs, Tab, Meta, Js2, Js).

passos([], _, _, Js, Js).
passos([N|Ns], Tab, Q, Js0, Js) :-
    (   arg(N, Tab, 0'0)
    ->  Js0 = [Q-N|Js1]
    ;   Js1 = Js0
    ),
    passos(Ns, Tab, Q, Js1, Js).

passos_meta([], _, _, _, Js, Js).
passos_meta([N|Ns], Tab, Q, Meta, Js0, Js) :-
    (   arg(N, Tab, 0'0), zona(N, Meta)
    ->  Js0 = [Q-N|Js1]
    ;   Js1 = Js0
    ),
    passos_meta(Ns, Tab, Q, Meta, Js1, Js).

%   Depth-first search over jump landings.  The origin O stays in the board
%   term but counts as empty: it cannot be jumped over, and landing on it is
%   never new because it is the first square visited.

saltos([], _, _, Vis, Vis, Js, Js).
saltos([S-D|Ps], Tab, O, Vis0, Vis, Js0, Js) :-
    (   S =\= O,
        \+ arg(S, Tab, 0'0),
        arg(D, Tab, 0'0),
        \+ memberchk(D, Vis0)
    ->  Js0 = [O-D|Js1],
        saltos(D, Ps1),
        saltos(Ps1, Tab, O, [D|Vis0], Vis1, Js1, Js2),
        saltos(Ps, Tab, O, Vis1, Vis, Js2, Js)
    ;   saltos(Ps, Tab, O, Vis0, Vis, Js0, Js)
    ).

saltos_meta([], _, _, _, Vis, Vis, Js, Js).
saltos_meta([S-D|Ps], Tab, O, Meta, Vis0, Vis, Js0, Js) :-
    (   zona(D, Meta),
        S =\= O,
        \+ arg(S, Tab, 0'0),
        arg(D, Tab, 0'0),
        \+ memberchk(D, Vis0)
    ->  Js0 = [O-D|Js1],
        saltos(D, Ps1),
        saltos_meta(Ps1, Tab, O, Meta, [D|Vis0], Vis1, Js1, Js2),
        saltos_meta(Ps, Tab, O, Meta, Vis1, Vis, Js2, Js)
    ;   saltos_meta(Ps, Tab, O, Meta, Vis0, Vis, Js0, Js)
    ).

%!  jogada_legal(+Tab, +Lado, +De, +Para) is semidet.
%   A step is told by its geometry; only a jump needs the chain search.

jogada_legal(Tab, Lado, De, Para) :-
    Peca is 0'0 + Lado,
    arg(De, Tab, Peca),
    arg(Para, Tab, 0'0),
    outro(Lado, Meta),
    zona(De, Z),
    (   Z =:= Meta
    ->  zona(Para, Meta)
    ;   true
    ),
    vizinhos(De, Ns),
    (   memberchk(Para, Ns)
    ->  true
    ;   saltos(De, Ps),
        (   Z =:= Meta
        ->  saltos_meta(Ps, Tab, De, Meta, [De], Vis, _, [])
        ;   saltos(Ps, Tab, De, [De], Vis, _, [])
        ),
        memberchk(Para, Vis)
    ).

%!  destinos(+Tab, +De, -Paras) is det.
%   Paras are the squares the piece on De can move to, ascending, which is
%   by row and then by column; [] when De is empty.  The piece moves for
%   its own side, whoever is to move: the game shows them to the player
%   before it judges anything.

destinos(Tab, De, Paras) :-
    arg(De, Tab, V),
    (   V =:= 0'0
    ->  Paras = []
    ;   Lado is V - 0'0,
        jogadas(Tab, Lado, [De], Js),
        findall(P, member(_-P, Js), Ps),
        sort(Ps, Paras)
    ).

%!  mover(+Tab, +De, +Para, -Tab1) is det.
%   Tab1 is a copy of Tab with the piece on De moved to Para.

mover(Tab, De, Para, Tab1) :-
    duplicate_term(Tab, Tab1),
    mover_no_lugar(Tab1, De, Para).

%!  mover_no_lugar(+Tab, +De, +Para) is det.
%   Moves the piece in Tab itself, for a board no one else holds.

mover_no_lugar(Tab, De, Para) :-
    arg(De, Tab, V),
    nb_setarg(De, Tab, 0'0),
    nb_setarg(Para, Tab, V).

%!  terminacao(+Lado, +M, +Tab, -R) is det.
%   Judges Tab after a move of Lado that was its (M+1)-th: 2 Lado has won,
%   0 Lado has lost, 1 the game goes on.  The first rule that applies
%   decides, in this order: the goal camp filled; the other side left
%   without a move; a piece still at home from the 30th move on; from the
%   100th move on, the smaller sum of distances to go.

terminacao(Lado, M, Tab, R) :-
    outro(Lado, Outro),
    N is M + 1,
    (   meta_cheia(Tab, Lado)
    ->  R = 2
    ;   jogadas(Tab, Outro, [])
    ->  R = 2
    ;   N >= 30, em_casa(Tab, Lado)
    ->  R = 0
    ;   N >= 100
    ->  soma_distancias(Tab, Lado, DL),
        soma_distancias(Tab, Outro, DO),
        ( DL < DO -> R = 2 ; R = 0 )
    ;   R = 1
    ).

%   All ten squares of the goal camp hold a piece of Lado, and no piece of
%   Lado stands elsewhere.

meta_cheia(Tab, Lado) :-
    outro(Lado, Meta),
    pecas(Tab, Lado, Qs),
    length(Qs, 10),
    forall(member(Q, Qs), zona(Q, Meta)).

em_casa(Tab, Lado) :-
    pecas(Tab, Lado, Qs),
    member(Q, Qs),
    zona(Q, Lado), !.

soma_distancias(Tab, Lado, Soma) :-
    pecas(Tab, Lado, Qs),
    foldl(soma_distancia(Lado), Qs, 0, Soma).

soma_distancia(Lado, Q, S0, S) :-
    distancia(Lado, Q, D),
    S is S0 + D.

%!  tabuleiro_codigos(+Tab, -Codes) is det.
%   The board text, in its compact form of 145 characters.  The cells
%   hold the digits' codes, so one clause head, made when this file is
%   compiled, writes the whole text: the server sends it after nearly
%   every request.

term_expansion(tabuleiro_codigos, tabuleiro_codigos(Tab, Texto)) :-
    length(Casas, 64),
    Tab =.. [tab|Casas],
    texto_compacto(Casas, Texto).

texto_compacto(Cs, [0'[|T]) :-
    texto_compacto(Cs, 1, T).

texto_compacto([A,B,C,D,E,F,G,H|Cs], Y, T0) :-
    T0 = [0'[,A,0',,B,0',,C,0',,D,0',,E,0',,F,0',,G,0',,H,0']|T1],
    (   Y =:= 8
    ->  Cs = [], T1 = [0']]
    ;   T1 = [0',|T2],
        Y1 is Y+1,
        texto_compacto(Cs, Y1, T2)
    ).

tabuleiro_codigos.
