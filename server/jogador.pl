/*  The computer's moves.

    Level 1 looks one move ahead and takes the move that brings a piece
    furthest forward.  Level 2 searches: iterative deepening over a negamax
    alpha-beta search, on a private copy of the board, with a transposition
    table (transposicao.pl), killer moves and a move generator of its own
    (lances.pl), until it has searched its budget of positions, which
    grows with how crowded the board is (orcamento_nivel2/2).  Its
    evaluation is a sum of per-square values, so that a move changes it by
    two table look-ups.  Once the two armies have passed each other the
    game is two separate races, and it searches its own moves only.

    Both levels are deterministic: moves are generated in a fixed order, a
    later move replaces the best so far only when it is strictly better,
    and level 2's budget counts positions, not time.  Nothing is kept from
    one request to the next.
*/

:- module(jogador,
          [ jogada_nivel1/4,          % +Tab, +Lado, -De, -Para
            jogada_nivel2/4,          % +Tab, +Lado, -De, -Para
            procura/6,                % +Tab, +Lado, +Orcamento, -De, -Para, -Info
            orcamento_nivel2/2,       % +Tab, -Nos
            valor/3                   % +Lado, +Q, -V
          ]).

:- use_module(library(aggregate)).
:- use_module(library(lists)).
:- use_module(regras).
:- use_module(transposicao).
:- use_module(lances).

:- set_prolog_flag(optimise, true).

%   The evaluation of level 2 is a sum of what each piece is worth on its
%   square, its own side's pieces counted for it and the other side's
%   against, so that a move changes it by two table look-ups.
%   valor(Lado, Q, V): what a piece of Lado on square Q is worth, its home
%   camp aside.
%   - Distance to go counts linearly and quadratically, so that bringing up a
%     piece left far behind pays more than pushing a leader on, and the
%     pieces in the goal camp go deep into it, leaving its mouth free.
%   - Away from the goal, straying from the long diagonal costs half a step
%     a square: a diagonal step gains two diagonals, so a lone piece needs
%     max(x, y) moves, (D + |x - y|) / 2, and a piece off the diagonal is
%     slower than its distance says; near it, pieces also keep each other
%     company, and each other's jumps open.  At 3 a square (a step is 20)
%     the search let pieces drift to the edges, and won 13 of 20 against the
%     timed sparring opponent and 33 of 40 against the one at depth 4
%     (20 openings), against 15-17 and 38 at this weight.
%   em_meta(Lado, Q, G): G is 1 when Q lies in the goal camp of Lado.
%   A piece still in its home camp costs more as the 30th move nears (see
%   custo_de_casa/2).

%   The tables are facts, one per square and side (v1/2, v2/2, m1/2,
%   m2/2), looked up by the square through first-argument indexing: a table
%   held as one term in a fact would be copied at every look-up.  The
%   search copies them once into terms of its own (see lado/4).

term_expansion(tabelas_jogador, Clauses) :-
    findall(C,
            ( member(T-L, [v1-1, v2-2, m1-1, m2-2]),
              quadrado(Q, _, _),
              (   sub_atom(T, 0, 1, _, v)
              ->  valor_quadrado(L, Q, X)
              ;   zona(Q, Z),
                  ( outro(L, Z) -> X = 1 ; X = 0 )
              ),
              C =.. [T, Q, X] ),
            Clauses).

valor_quadrado(L, Q, V) :-
    quadrado(Q, X, Y),
    distancia(L, Q, D), zona(Q, Z),
    Lat is abs(X-Y),
    (   outro(L, Z) -> Desvio = 0 ; Desvio = 10*Lat ),
    V is -(20*D + D*D) - Desvio.

tabelas_jogador.

valor(1, Q, V) :- v1(Q, V).
valor(2, Q, V) :- v2(Q, V).

em_meta(1, Q, G) :- m1(Q, G).
em_meta(2, Q, G) :- m2(Q, G).

%   custo_de_casa(P, C): what a piece in its home camp costs.  The requests
%   do not carry the move count, so the search estimates how far the game
%   has gone by P, the distance both sides have come from their home camps
%   together (0 at the start, 200 when both have finished): in the matches
%   of bench/servidor/confronto.pl against the sparring opponent, P passes
%   120 near each side's 15th move on average and 150 near the 20th
%   (between the 17th and the 22nd), and it was never below 160 at the
%   25th.  Early a piece at home costs as much as a little over one step;
%   from P = 120 the cost grows, and from 150, eight moves or more before
%   the deadline in those games, a piece at home is treated as all
%   but lost: the search brings it out before anything else and never
%   takes one back in, not even to block the other side's goal camp, whose
%   squares are also its home.  The other side's pieces at home cost it at
%   most 160: were they all but lost too, walling one in until its 30th
%   move would be worth more than the race, and the search would rather
%   wait, moving its pieces to and fro inside its goal camp, than run.

custo_de_casa(P, C) :-
    (   P < 120 -> C = 40
    ;   P < 150 -> C is 40 + 4 * (P - 120)
    ;   C = 20000
    ).

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
%   Level 2's move: the search below with its node budget.  Fails when
%   Lado has no legal move.

jogada_nivel2(Tab, Lado, De, Para) :-
    orcamento_nivel2(Tab, Orcamento),
    procura(Tab, Lado, Orcamento, De, Para, _).

%!  orcamento_nivel2(+Tab, -Nos) is det.
%   The node budget of level 2 on Tab.  The games against the sparring
%   opponent are decided while the two armies are in each other's way,
%   where a jump over a piece of the other side opens or closes with every
%   move; in the opening, and in the race once they have passed, a deeper
%   search changes little.  So the budget follows the contacts (contactos/3):
%   a small one while few pieces touch, four times as many positions (about
%   one ply deeper) where ten pairs or more do.  Fewer than half of a game's
%   positions are that crowded (43% in self-play), so the median reply is
%   that of the small budgets; the worst stays well within a second.

orcamento_nivel2(Tab, Nos) :-
    pecas(Tab, 1, Uns),
    contactos(Uns, Tab, 0, C),
    orcamento_contactos(C, Nos).

orcamento_contactos(C, Nos) :-
    (   C < 6 -> Nos = 3000
    ;   C < 10 -> Nos = 4000
    ;   Nos = 16000
    ).

%   contactos(Uns, Tab, C0, C): C0 plus the pairs of a piece of side 1
%   among Uns and a piece of side 2 one step apart.

contactos(Uns, Tab, C0, C) :-
    aggregate_all(count,
                  ( member(Q, Uns), vizinhos(Q, Ns), member(N, Ns),
                    arg(N, Tab, 0'2) ),
                  K),
    C is C0 + K.

%   Deeper than this the search never goes, whatever budget is left.

profundidade_maxima(20).

vitoria(1000000).

%   What a move inside the goal camp that brings no piece nearer the corner
%   costs the side that searches, beyond its value: such moves only wait,
%   and two sides that both wait would never finish.

custo_de_esperar(30).

%   perda_tolerada(Quem, L): inside the search, a move whose gain is not
%   above L is left out, unless the node has no other.  Moves that lose
%   value are rarely worth the search, but a sideways step (20 of straying)
%   may open a jump for the next move: the side that searches (Quem = eu)
%   keeps those, the other side's replies (ele) only the moves that lose
%   nothing.  Against the sparring opponent at depth 4 this won 39 of 40
%   games against 38, and about as many against the timed one.  Letting
%   in, for both sides, the moves that lose up to half a step (-30) won a
%   few more races against the timed opponent, but against the one at a
%   fixed depth level 2 took its moves back and forth, and one game went
%   to the 100-move count.

perda_tolerada(eu, -21).
perda_tolerada(ele, -1).

%   margem(Prof, F): how much a move Prof plies from the horizon can still
%   gain its side, at most, beyond its own value, for what follows it:
%   - one ply from the horizon (Prof 2), the other side's best reply comes
%     last, and it is taken to gain at least 20, so the move gets at most
%     its own value plus 20;
%   - two plies from it (Prof 3), the side's own next move comes after the
%     other side's reply, and the two together are taken to gain it at
%     most 50.
%   A move that cannot reach Alfa even so is futile and left out.

margem(2, 20).
margem(3, 50).

%!  procura(+Tab, +Lado, +Orcamento, -De, -Para, -Info) is semidet.
%   Iterative deepening: alpha-beta searches 1, 2, 3... plies deep, each
%   ordered by what the one before left in the transposition table, until
%   Orcamento nodes (positions whose moves were generated) have been
%   searched.  The move is the best of the last search that finished.
%   A move that fills the goal camp is taken at once; once the armies have
%   passed each other the search is the race's (corrida/9), its plies
%   Lado's own moves.  Info is info(Nos, Prof, V): the nodes searched, the
%   depth of the last finished search and the value it found.  Fails when
%   Lado has no legal move.

procura(Tab0, Lado, Orcamento, De, Para, Info) :-
    duplicate_term(Tab0, Tab),
    outro(Lado, Outro),
    pecas(Tab, Lado, Meus),
    pecas(Tab, Outro, Deles),
    jogadas(Tab, Lado, Meus, Js),
    Js \== [],
    progresso(Meus, Lado, 0, PM),
    progresso(Deles, Outro, PM, P),
    custo_de_casa(P, Casa),
    CasaDeles is min(Casa, 160),
    lado(Lado, eu, Casa, Eu),
    lado(Outro, ele, CasaDeles, Ele),
    conta_meta(Meus, Eu, 0, GM),
    (   GM =:= 9,
        arg(3, Eu, MT),
        member(De-Para, Js),
        arg(De, MT, 0),
        arg(Para, MT, 1)
    ->  vitoria(W),
        Info = info(0, 1, W)
    ;   separados(Lado, Meus, Deles)
    ->  soma_valores(Meus, Eu, 0, E),
        corrida(Js, Tab, Eu, Meus, E, GM, Orcamento, De-Para, Info)
    ;   conta_meta(Deles, Ele, 0, GO),
        soma_valores(Meus, Eu, 0, VM),
        soma_valores(Deles, Ele, 0, VO),
        E is VM - VO,
        chave_posicao(Lado, Meus, Deles, H),
        tabela_nova(TT),
        functor(Kil, k, 64),
        Ctx = ctx(c(0, Orcamento), Tab, TT, Kil),
        Raiz = raiz(Eu, Ele, Meus, Deles, E, GM, GO, H),
        arg(2, Eu, VT),
        (   Casa >= 20000
        ->  exclude(tarde_demais(Lado, VT), Js, Js1),
            ( Js1 == [] -> Js2 = Js ; Js2 = Js1 )
        ;   Js2 = Js
        ),
        chaves(Js2, VT, Pares),
        keysort(Pares, Ordenados),
        pairs_values(Ordenados, Ordenadas),
        Ordenadas = [J0|_],
        profundidade_maxima(PMax),
        aprofundar(1, PMax, Raiz, Ordenadas, Ctx, J0, 0, 0, De-Para, Prof, V),
        arg(1, Ctx, c(Nos, _)),
        Info = info(Nos, Prof, V)
    ).

%   separados(Lado, Meus, Deles): the two armies have passed each other:
%   every piece of side 1 lies at least three diagonals (x + y) nearer
%   its goal corner than every piece of side 2, so that none stands next
%   to a piece of the other side, and none ever will while both go
%   forward.  From then on the game is two races apart: what the other
%   side does changes nothing for this one.

separados(Lado, Meus, Deles) :-
    (   Lado =:= 1 -> Um = Meus, Dois = Deles ; Um = Deles, Dois = Meus ),
    maior_diagonal(Um, 0, M1),
    menor_diagonal(Dois, 14, M2),
    M1 + 3 =< M2.

maior_diagonal([], M, M).
maior_diagonal([Q|Qs], M0, M) :-
    distancia(1, Q, D),
    M1 is max(M0, D),
    maior_diagonal(Qs, M1, M).

menor_diagonal([], M, M).
menor_diagonal([Q|Qs], M0, M) :-
    distancia(1, Q, D),
    M1 is min(M0, D),
    menor_diagonal(Qs, M1, M).

%   corrida(Js, Tab, Eu, Meus, E, GM, Orcamento, Melhor, Info): the race, once
%   the armies have passed.  Only the side's own moves count, so the
%   search is single-agent: the greatest value the side can reach in P of
%   its own moves, P = 1, 2, 3... until the budget runs out, a filled goal
%   camp counted as a win the sooner the better.  Without the other side's
%   replies it looks about twice as many of its own moves ahead as the
%   two-sided search with the same budget.  Having no opponent to cut it
%   short, it keeps at each position only the moves of greatest gain
%   (largura/2); transpositions (the same pieces moved in another order)
%   are read from the table.

%   How many moves of each position the race keeps, the best first: more
%   at the root, and all when at most three pieces are still to come into
%   the goal camp, where a move that only makes room in the camp may be
%   the one that wins.

largura(_, GM, K) :-
    GM >= 7, !,
    K = 1000.
largura(raiz, _, 12).
largura(no, _, 6).

corrida(Js, Tab, Eu, Meus, E, GM, Orcamento, Melhor, info(Nos, Prof, V)) :-
    arg(2, Eu, VT),
    chaves(Js, VT, Pares),
    keysort(Pares, Ordenados),
    pairs_values(Ordenados, Ordenadas),
    largura(raiz, GM, K),
    primeiros(K, Ordenadas, Raiz),
    Raiz = [J0|_],
    tabela_nova(TT),
    Ctx = ctx(c(0, Orcamento), Tab, TT, _),
    arg(1, Eu, Lado),
    xor_pecas_lado(Meus, Lado, H),
    profundidade_maxima(PMax),
    correr(1, PMax, Raiz, Eu, Meus, E, GM, H, Ctx, J0, 0, 0, Melhor, Prof, V),
    arg(1, Ctx, c(Nos, _)).

correr(P, PMax, Js, Eu, Meus, E, GM, H, Ctx, Melhor0, Prof0, V0,
       Melhor, Prof, V) :-
    (   P =< PMax,
        catch(corrida_raiz(Js, P, Eu, Meus, E, GM, H, Ctx, none, -(1 << 40),
                           Melhor1, V1),
              orcamento, fail)
    ->  vitoria(W),
        (   V1 >= W - 1000
        ->  Melhor = Melhor1, Prof = P, V = V1
        ;   selectchk(Melhor1, Js, Js0),
            P1 is P + 1,
            correr(P1, PMax, [Melhor1|Js0], Eu, Meus, E, GM, H, Ctx,
                   Melhor1, P, V1, Melhor, Prof, V)
        )
    ;   Melhor = Melhor0, Prof = Prof0, V = V0
    ).

corrida_raiz([], _, _, _, _, _, _, _, M, V, M, V).
corrida_raiz([De-Para|Js], P, Eu, Meus, E, GM, H, Ctx, M0, V0, M, V) :-
    passo_corrida(De, Para, P, 0, Eu, Meus, E, GM, H, Ctx, V1),
    (   V1 > V0
    ->  corrida_raiz(Js, P, Eu, Meus, E, GM, H, Ctx, De-Para, V1, M, V)
    ;   corrida_raiz(Js, P, Eu, Meus, E, GM, H, Ctx, M0, V0, M, V)
    ).

%   passo_corrida(...): the value of playing De-Para with Prof moves of
%   the race left, this one included, Ply moves from the root.

passo_corrida(De, Para, Prof, Ply, Eu, Meus, E, GM, H, Ctx, V) :-
    avanco(Eu, De, Para, Prof, Ply, GM, E, Ply1, GM1, E1, V),
    (   nonvar(V)
    ->  true
    ;   fazer(Eu, Ctx, De, Para, Meus, H, Meus1, H1),
        Prof1 is Prof - 1,
        no_corrida(Prof1, Ply1, Eu, Meus1, E1, GM1, H1, Ctx, V),
        desfazer(Eu, Ctx, De, Para)
    ).

no_corrida(Prof, Ply, Eu, Meus, E, GM, H, Ctx, V) :-
    arg(3, Ctx, TT),
    (   consultar(TT, H, ProfT, _, VT, _, _),
        ProfT >= Prof
    ->  de_tabela(VT, Ply, V)
    ;   contar(Ctx),
        arg(2, Ctx, Tab),
        Eu = s(Lado, VT1, Metas, _, Meta, Pen, _),
        (   Prof =:= 1
        ->  lances(Tab, Lado, Meus, Js),
            (   Js == [] -> V = E
            ;   folhas(Js, Eu, GM, E, Ply, -1000000000, V)
            )
        ;   pares_corrida(Meus, Tab, Meta, VT1, Metas, Pen, Pares),
            (   Pares == [] -> V = E
            ;   keysort(Pares, Ordenados),
                largura(no, GM, K),
                primeiros(K, Ordenados, Melhores),
                ramos_corrida(Melhores, Prof, Ply, Eu, Meus, E, GM, H, Ctx,
                              -(1 << 40), V)
            )
        ),
        para_tabela(V, Ply, VS),
        guardar(TT, H, Prof, 0, VS, 0, 0)
    ).

%   pares_corrida(Meus, Tab, Meta, VT, Metas, Pen, Pares): every move,
%   keyed by its loss of value, the cost of waiting (Pen) added for a
%   piece in the goal camp that gains nothing.

pares_corrida([], _, _, _, _, _, []).
pares_corrida([Q|Qs], Tab, Meta, VT, Metas, Pen, Ps) :-
    arg(Q, VT, V0),
    (   Pen > 0, arg(Q, Metas, 1)
    ->  lances_acima(Tab, Meta, Q, VT, V0, -(1 << 40), PsQ, []),
        esperar(PsQ, Pen, Ps, Ps1)
    ;   lances_acima(Tab, Meta, Q, VT, V0, -(1 << 40), Ps, Ps1)
    ),
    pares_corrida(Qs, Tab, Meta, VT, Metas, Pen, Ps1).

esperar([], _, Ps, Ps).
esperar([K-J|Js], Pen, [K1-J|Ps0], Ps) :-
    (   K >= 0 -> K1 is K + Pen ; K1 = K ),
    esperar(Js, Pen, Ps0, Ps).

ramos_corrida([], _, _, _, _, _, _, _, _, V, V).
ramos_corrida([_-(De-Para)|Js], Prof, Ply, Eu, Meus, E, GM, H, Ctx, V0, V) :-
    passo_corrida(De, Para, Prof, Ply, Eu, Meus, E, GM, H, Ctx, V1),
    V2 is max(V0, V1),
    ramos_corrida(Js, Prof, Ply, Eu, Meus, E, GM, H, Ctx, V2, V).

primeiros(K, Xs, Ps) :-
    (   K =:= 0 -> Ps = []
    ;   Xs = [] -> Ps = []
    ;   Xs = [X|Xs1], Ps = [X|Ps1],
        K1 is K - 1,
        primeiros(K1, Xs1, Ps1)
    ).

xor_pecas_lado([], _, H, H).
xor_pecas_lado([Q|Qs], Lado, H0, H) :-
    chave_peca(Lado, Q, Z),
    H1 is H0 xor Z,
    xor_pecas_lado(Qs, Lado, H1, H).

xor_pecas_lado(Qs, Lado, H) :-
    xor_pecas_lado(Qs, Lado, 0, H).

%   tarde_demais(Lado, VT, De-Para): a move level 2 does not play late in
%   the game, while it has another.
%   - A piece is never taken back into its home camp: it would lose the
%     game at the 30th move, and the search, which does not know the move
%     count, could take it there to block the other side.  Inside the
%     search the cost of the home camp keeps it out.
%   - No piece goes back, nor, outside the goal camp, sideways without
%     gaining: when the race is lost, the search would rather wall in the
%     other side's last pieces and wait, a piece stepping to and fro, and
%     a side that waits as well makes it a game to the 100-move count,
%     which the distance rule then decides for the side ahead.

tarde_demais(Lado, VT, De-Para) :-
    (   zona(Para, Lado),
        \+ zona(De, Lado)
    ->  true
    ;   arg(De, VT, V0),
        arg(Para, VT, V1),
        (   V1 < V0
        ->  true
        ;   V1 =:= V0,
            outro(Lado, Meta),
            \+ zona(De, Meta)
        )
    ).

%   lado(Lado, Quem, Casa, S): what the search keeps at hand about a side,
%   the one that searches (Quem = eu) or the other (ele):
%   s(Lado, Valores, Metas, Peca, Meta, Pen, Perda), the values of its
%   pieces on each square (valor/3, less Casa in its home camp) and the
%   squares of its goal camp (em_meta/3) as terms of 64 arguments, the
%   code of its pieces on the board, the camp it heads for, the cost of
%   waiting in it (custo_de_esperar/1, for the side that searches only)
%   and the loss of value its moves may have (perda_tolerada/2).

lado(Lado, Quem, Casa, s(Lado, VT, MT, Peca, Meta, Pen, Perda)) :-
    (   Quem == eu -> custo_de_esperar(Pen) ; Pen = 0 ),
    perda_tolerada(Quem, Perda),
    findall(V, ( between(1, 64, Q),
                 valor(Lado, Q, V0),
                 ( zona(Q, Lado) -> V is V0 - Casa ; V = V0 ) ),
            Vs),
    VT =.. [v|Vs],
    findall(G, ( between(1, 64, Q), em_meta(Lado, Q, G) ), Gs),
    MT =.. [m|Gs],
    Peca is 0'0 + Lado,
    outro(Lado, Meta).

%   aprofundar(P, PMax, Raiz, Jogadas, Ctx, Melhor0, Prof0, V0, Melhor, Prof, V):
%   searches P plies deep, then deeper, until the budget runs out or a win
%   is certain.  Jogadas are the root's moves, the best so far first.

aprofundar(P, PMax, Raiz, Js, Ctx, Melhor0, Prof0, V0, Melhor, Prof, V) :-
    (   P =< PMax,
        cabe(P, Ctx),
        catch(raiz(Js, P, Raiz, Ctx, Melhor1, V1), orcamento, fail)
    ->  vitoria(W),
        (   V1 >= W - 1000
        ->  Melhor = Melhor1, Prof = P, V = V1
        ;   selectchk(Melhor1, Js, Js0),
            P1 is P + 1,
            aprofundar(P1, PMax, Raiz, [Melhor1|Js0], Ctx, Melhor1, P, V1,
                       Melhor, Prof, V)
        )
    ;   Melhor = Melhor0, Prof = Prof0, V = V0
    ).

%   cabe(P, Ctx): the search P plies deep may still finish within the
%   budget.  Its unfinished search is thrown away, so one that would surely
%   run out is not begun: a search costs, all iterations before it included,
%   about six times the one before it when P is even, as the other side's
%   replies at the horizon are searched in full, and two to three times
%   when P is odd (over the 20 hardest positions: 2.8-11 and 1.8-3.5).  The
%   lower ends of those ranges, 4 and 2, leave alone most searches that
%   would finish: at a budget of 4,000 the fifth ply ends near 1,000
%   positions, and the sixth, rarely finished, took up the rest.

cabe(P, Ctx) :-
    arg(1, Ctx, c(N, Max)),
    (   P /\ 1 =:= 0 -> R = 4 ; R = 2 ),
    N * R =< Max.

%   The root: every move searched with a full window, in order; a later
%   move replaces the best only when strictly better.

raiz(Js, P, raiz(Eu, Ele, Meus, Deles, E, GM, GO, H), Ctx, Melhor, V) :-
    Inf is 1 << 40,
    Alfa0 is -Inf,
    raiz_(Js, P, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
          Alfa0, Inf, none, Melhor, V).

raiz_([], _, _, _, _, _, _, _, _, _, _, Alfa, _, Melhor, Melhor, Alfa).
raiz_([De-Para|Js], P, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
      Alfa, Beta, Melhor0, Melhor, V) :-
    filho(De, Para, P, 0, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
          Alfa, Beta, V1),
    (   V1 > Alfa
    ->  raiz_(Js, P, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
              V1, Beta, De-Para, Melhor, V)
    ;   raiz_(Js, P, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
              Alfa, Beta, Melhor0, Melhor, V)
    ).

%   ganho(Eu, De, Para, G): what the move De-Para changes the value of the
%   side Eu by: the values of the two squares, and the cost of waiting for
%   a move inside the goal camp that gains nothing.

ganho(s(_, VT, MT, _, _, Pen, _), De, Para, G) :-
    arg(De, VT, V0),
    arg(Para, VT, V1),
    G0 is V1 - V0,
    (   G0 =< 0,
        Pen > 0,
        arg(De, MT, 1)
    ->  G is G0 - Pen
    ;   G = G0
    ).

%   filho(...): value, for the side Eu, of playing De-Para at a node Prof
%   plies from the horizon and Ply from the root.

filho(De, Para, Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
      Alfa, Beta, V) :-
    avanco(Eu, De, Para, Prof, Ply, GM, E, Ply1, GM1, E1, V),
    (   nonvar(V)
    ->  true
    ;   fazer(Eu, Ctx, De, Para, Meus, H, Meus1, H0),
        chave_lado(ZL),
        H1 is H0 xor ZL,
        Prof1 is Prof - 1,
        A1 is -Beta, B1 is -Alfa,
        E2 is -E1,
        no(Prof1, Ply1, Ele, Eu, Deles, Meus1, E2, GO, GM1, H1, Ctx,
           A1, B1, V2),
        desfazer(Eu, Ctx, De, Para),
        V is -V2
    ).

%   avanco(Eu, De, Para, Prof, Ply, GM, E, Ply1, GM1, E1, V): after
%   De-Para, played Ply plies from the root and Prof from the horizon, GM1
%   of the side's pieces stand in its goal camp (GM before) and its value
%   is E1 (E before).  V is the move's value when it needs no search: the
%   win Ply1 plies from the root when the camp is full, E1 on the horizon;
%   unbound otherwise.

avanco(Eu, De, Para, Prof, Ply, GM, E, Ply1, GM1, E1, V) :-
    Ply1 is Ply + 1,
    arg(3, Eu, MT),
    arg(De, MT, G0),
    arg(Para, MT, G1),
    GM1 is GM - G0 + G1,
    (   GM1 =:= 10
    ->  vitoria(W), V is W - Ply1
    ;   ganho(Eu, De, Para, G),
        E1 is E + G,
        ( Prof =:= 1 -> V = E1 ; true )
    ).

%   fazer(Eu, Ctx, De, Para, Meus, H, Meus1, H1): plays De-Para on the
%   search's board; Meus1 and H1 are the side's pieces and the key after
%   it, the side to move aside.  desfazer/4 takes it back.

fazer(Eu, Ctx, De, Para, Meus, H, Meus1, H1) :-
    arg(2, Ctx, Tab),
    arg(4, Eu, Peca),
    nb_setarg(De, Tab, 0'0),
    nb_setarg(Para, Tab, Peca),
    substituir(Meus, De, Para, Meus1),
    arg(1, Eu, Lado),
    chave_peca(Lado, De, Z0),
    chave_peca(Lado, Para, Z1),
    H1 is H xor Z0 xor Z1.

desfazer(Eu, Ctx, De, Para) :-
    arg(2, Ctx, Tab),
    arg(4, Eu, Peca),
    nb_setarg(Para, Tab, 0'0),
    nb_setarg(De, Tab, Peca).

%   no(...): negamax value of the position for the side Eu, to move,
%   searched Prof plies deep, within the window Alfa-Beta (fail-hard).

no(Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx, Alfa, Beta, V) :-
    arg(3, Ctx, TT),
    (   consultar(TT, H, ProfT, Tipo, VT0, DeT, ParaT)
    ->  de_tabela(VT0, Ply, VT),
        (   ProfT >= Prof,
            corte(Tipo, VT, Alfa, Beta, V0)
        ->  V = V0
        ;   no_(Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
                Alfa, Beta, DeT-ParaT, V)
        )
    ;   no_(Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
            Alfa, Beta, 0-0, V)
    ).

%   A stored value settles the node when it is exact, or a bound outside
%   the window; it is clamped to the window, as the search is fail-hard.

corte(0, VT, Alfa, Beta, V) :-
    V is max(Alfa, min(Beta, VT)).
corte(1, VT, _, Beta, Beta) :-
    VT >= Beta.
corte(2, VT, Alfa, _, Alfa) :-
    VT =< Alfa.

no_(Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx, Alfa, Beta,
    MovT, V) :-
    contar(Ctx),
    arg(2, Ctx, Tab),
    (   Prof =:= 1,
        GM < 9
    ->  arg(5, Eu, Meta),
        folha(Meus, Tab, Eu, Meta, E, Beta, -1000000000, V, Tipo),
        (   V =:= -1000000000
        ->  vitoria(W), V is -(W - Ply)
        ;   arg(3, Ctx, TT),
            guardar(TT, H, 1, Tipo, V, 0, 0)
        )
    ;   Prof >= 2,
        MovT = DeT-ParaT,
        jogada_da_tabela(DeT, ParaT, Tab, Eu, E, GM, Prof, Alfa)
    ->  filho(DeT, ParaT, Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
              Alfa, Beta, V1),
        (   V1 >= Beta
        ->  V = Beta,
            arg(3, Ctx, TT),
            para_tabela(V, Ply, VS),
            guardar(TT, H, Prof, 1, VS, DeT, ParaT),
            matador(Ctx, Ply, DeT, ParaT)
        ;   (   V1 > Alfa -> A1 = V1, M0 = DeT-ParaT ; A1 = Alfa, M0 = 0-0 ),
            matadores(Ctx, Ply, K1, K2),
            matadores_primeiro([K1, K2], 0, Tab, Prof, Ply, Eu, Ele, Meus,
                               Deles, E, GM, GO, H, Ctx, A1, Beta, M0, A2, M2,
                               Feitos, Corte),
            (   Corte == sim
            ->  V = Beta,
                guardar_no(V, M2, Prof, Ply, H, Ctx, Alfa, Beta)
            ;   pares_no(Meus, Eu, Tab, Prof, E, GM, A1, [DeT-ParaT|Feitos],
                         Pares),
                ordem(Pares, Feitos, DeT-ParaT, Tab, Eu, Meus, Ordenadas),
                ramos(Ordenadas, Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H,
                      Ctx, A2, Beta, M2, V, Melhor),
                guardar_no(V, Melhor, Prof, Ply, H, Ctx, Alfa, Beta)
            )
        )
    ;   Prof =:= 1
    ->  arg(1, Eu, Lado),
        lances(Tab, Lado, Meus, Js),
        (   Js == []
        ->  vitoria(W), V is -(W - Ply)
        ;   folhas(Js, Eu, GM, E, Ply, -1000000000, V),
            arg(3, Ctx, TT),
            para_tabela(V, Ply, VS),
            guardar(TT, H, Prof, 0, VS, 0, 0)
        )
    ;   MovT = DeT-ParaT,
        MT is DeT * 128 + ParaT,
        matadores(Ctx, Ply, K1, K2),
        matadores_primeiro([K1, K2], MT, Tab, Prof, Ply, Eu, Ele, Meus, Deles,
                           E, GM, GO, H, Ctx, Alfa, Beta, 0-0, A2, M2, Feitos,
                           Corte),
        (   Corte == sim
        ->  V = Beta,
            guardar_no(V, M2, Prof, Ply, H, Ctx, Alfa, Beta)
        ;   pares_no(Meus, Eu, Tab, Prof, E, GM, Alfa, Feitos, Pares),
            ordem(Pares, Feitos, fora(MovT), Tab, Eu, Meus, Ordenadas),
            (   Ordenadas == nenhuma
            ->  vitoria(W), V is -(W - Ply)
            ;   ramos(Ordenadas, Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H,
                      Ctx, A2, Beta, M2, V, Melhor),
                guardar_no(V, Melhor, Prof, Ply, H, Ctx, Alfa, Beta)
            )
        )
    ).

%   matadores_primeiro(Ks, MT, ..., Alfa, Beta, M0, A, M, Feitos, Corte):
%   the killers Ks are searched before the node's moves are generated:
%   where one cuts the search short (Corte = sim), as in nearly half the
%   nodes, the moves never are.  They come where pares_no/9 would put
%   them, after the table's move MT (futile when it gets here, and skipped),
%   each when legal, not MT, and not futile.  Feitos are the legal ones; A
%   and M the window's lower end and the best move after them.

matadores_primeiro([], _, _, _, _, _, _, _, _, _, _, _, _, _, Alfa, _, M,
                   Alfa, M, [], nao).
matadores_primeiro([K|Ks], MT, Tab, Prof, Ply, Eu, Ele, Meus, Deles, E, GM,
                   GO, H, Ctx, Alfa, Beta, M0, A, M, Feitos, Corte) :-
    (   integer(K),
        K =\= MT,
        De is K >> 7, Para is K /\ 127,
        arg(1, Eu, Lado),
        lance_valido(Tab, Lado, De, Para)
    ->  Feitos = [De-Para|Feitos1],
        (   margem(Prof, F),
            futil(De, Para, Eu, E, GM, F, Alfa)
        ->  matadores_primeiro(Ks, MT, Tab, Prof, Ply, Eu, Ele, Meus, Deles,
                               E, GM, GO, H, Ctx, Alfa, Beta, M0, A, M,
                               Feitos1, Corte)
        ;   filho(De, Para, Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H, Ctx,
                  Alfa, Beta, V1),
            (   V1 >= Beta
            ->  A = Beta, M = De-Para, Feitos1 = [], Corte = sim
            ;   V1 > Alfa
            ->  matadores_primeiro(Ks, MT, Tab, Prof, Ply, Eu, Ele, Meus,
                                   Deles, E, GM, GO, H, Ctx, V1, Beta, De-Para,
                                   A, M, Feitos1, Corte)
            ;   matadores_primeiro(Ks, MT, Tab, Prof, Ply, Eu, Ele, Meus,
                                   Deles, E, GM, GO, H, Ctx, Alfa, Beta, M0,
                                   A, M, Feitos1, Corte)
            )
        )
    ;   matadores_primeiro(Ks, MT, Tab, Prof, Ply, Eu, Ele, Meus, Deles, E,
                           GM, GO, H, Ctx, Alfa, Beta, M0, A, M, Feitos, Corte)
    ).

%   The move the table holds for a node is tried before the node's moves
%   are generated: when it cuts the search short, as it mostly does where
%   the search before cut, they never are.  It is checked against the
%   board, which a key shared by two positions would not match, and left
%   out when futile, as it would be in ramos/17.

jogada_da_tabela(De, Para, Tab, Eu, E, GM, Prof, Alfa) :-
    De > 0,
    arg(4, Eu, Peca),
    arg(De, Tab, Peca),
    arg(Para, Tab, 0'0),
    \+ ( GM < 9,
          margem(Prof, F),
          futil(De, Para, Eu, E, GM, F, Alfa) ).

%   pares_no(Meus, Eu, Tab, Prof, E, GM, Alfa, Fora, Pares): the node's
%   moves worth searching, keyed by their loss of value for keysort/2,
%   which keeps equal keys in the order generated; the moves Fora,
%   searched already, aside.  Left out are the moves that lose more than
%   the side's tolerance (perda_tolerada/2), and near the horizon the
%   futile ones (see ramos/17): those whose gain (ganho/4) is not above
%   Limiar.  A piece in the goal camp is charged for waiting (Pen, 30) on
%   a move that gains nothing, which then loses more than any tolerance
%   (at most 21): its moves are kept only when they gain more than both
%   Limiar and nothing.

pares_no(Meus, Eu, Tab, Prof, E, GM, Alfa, Fora, Pares) :-
    Eu = s(_, VT, Metas, _, Meta, Pen, Perda),
    (   GM < 9,
        margem(Prof, F)
    ->  Limiar is max(Perda, Alfa - F - E)
    ;   Limiar = Perda
    ),
    pares_acima(Meus, Tab, Meta, VT, Metas, Pen, Limiar, Pares0),
    sem(Fora, Pares0, Pares).

pares_acima([], _, _, _, _, _, _, []).
pares_acima([Q|Qs], Tab, Meta, VT, Metas, Pen, Limiar, Ps) :-
    arg(Q, VT, V0),
    (   Pen > 0, arg(Q, Metas, 1)
    ->  Min is V0 + max(Limiar, 0)
    ;   Min is V0 + Limiar
    ),
    lances_acima(Tab, Meta, Q, VT, V0, Min, Ps, Ps1),
    pares_acima(Qs, Tab, Meta, VT, Metas, Pen, Limiar, Ps1).

sem([], Ps, Ps).
sem([J|Js], Ps0, Ps) :-
    (   selectchk(_-J, Ps0, Ps1) -> true ; Ps1 = Ps0 ),
    sem(Js, Ps1, Ps).

%   ordem(Pares, Feitos, Fora, Tab, Eu, Meus, Ordenadas): the order the
%   node's moves are searched in, the killers Feitos searched already.
%   When no move is kept and no killer was legal, the one of greatest gain
%   is searched, so that the node is not left without a move: after the
%   table's move Fora, searched, the best of the others; when the table's
%   move, fora(M), was futile, none if M is legal, and Ordenadas is
%   nenhuma when the side has no move at all.

ordem(Pares, Feitos, Fora, Tab, Eu, Meus, Ordenadas) :-
    (   Pares \== []
    ->  keysort(Pares, Ordenadas)
    ;   Feitos \== []
    ->  Ordenadas = []
    ;   arg(1, Eu, Lado),
        (   Fora = fora(De-Para)
        ->  (   De > 0, lance_valido(Tab, Lado, De, Para) -> Ordenadas = []
            ;   Eu = s(_, VT, _, _, Meta, _, _),
                melhor_lance(Meus, Tab, Eu, Meta, VT, -(1 << 40), 0, J),
                (   J == 0 -> Ordenadas = nenhuma ; Ordenadas = [0-J] )
            )
        ;   lances(Tab, Lado, Meus, Js0),
            (   selectchk(Fora, Js0, Js) -> true ; Js = Js0 ),
            (   Js == [] -> Ordenadas = []
            ;   melhor_ganho(Js, Eu, -(1 << 40), _, J), Ordenadas = [0-J]
            )
        )
    ).

%   melhor_lance(Pecas, Tab, Eu, Meta, VT, G0, M0, M): the same over the
%   pieces' moves as generated, without a list; 0 when none can move.  The
%   destination of greatest value is the move of greatest gain for its
%   piece, as the cost of waiting only lowers a gain that is not above 0.

melhor_lance([], _, _, _, _, _, M, M).
melhor_lance([Q|Qs], Tab, Eu, Meta, VT, G0, M0, M) :-
    (   melhor_destino_peca(Tab, Meta, Q, VT, Para),
        ganho(Eu, Q, Para, G),
        G > G0
    ->  melhor_lance(Qs, Tab, Eu, Meta, VT, G, Q-Para, M)
    ;   melhor_lance(Qs, Tab, Eu, Meta, VT, G0, M0, M)
    ).

%   melhor_ganho(Js, Eu, G0, M0, M): the first move of greatest gain.

melhor_ganho([], _, _, M, M).
melhor_ganho([De-Para|Js], Eu, G0, M0, M) :-
    ganho(Eu, De, Para, G),
    (   G > G0
    ->  melhor_ganho(Js, Eu, G, De-Para, M)
    ;   melhor_ganho(Js, Eu, G0, M0, M)
    ).

guardar_no(V, DeM-ParaM, Prof, Ply, H, Ctx, Alfa, Beta) :-
    (   V >= Beta -> Tipo = 1
    ;   V =< Alfa -> Tipo = 2
    ;   Tipo = 0
    ),
    arg(3, Ctx, TT),
    para_tabela(V, Ply, VS),
    guardar(TT, H, Prof, Tipo, VS, DeM, ParaM),
    (   Tipo =:= 1
    ->  matador(Ctx, Ply, DeM, ParaM)
    ;   true
    ).

%   Wins are stored counted from the node, so that a position reached at
%   another ply reads its own distance to the win.

para_tabela(V, Ply, VS) :-
    vitoria(W),
    (   V > W - 1000 -> VS is V + Ply
    ;   V < 1000 - W -> VS is V - Ply
    ;   VS = V
    ).

de_tabela(VS, Ply, V) :-
    vitoria(W),
    (   VS > W - 1000 -> V is VS - Ply
    ;   VS < 1000 - W -> V is VS + Ply
    ;   V = VS
    ).

%   The node budget: one more node, or the search is over.

contar(Ctx) :-
    arg(1, Ctx, C),
    arg(1, C, N0),
    arg(2, C, Max),
    N is N0 + 1,
    (   N > Max
    ->  throw(orcamento)
    ;   nb_setarg(1, C, N)
    ).

%   Killer moves: the last two moves that cut off the search at each ply,
%   tried right after the table's move at the same ply of other branches.

matador(Ctx, Ply, De, Para) :-
    (   Ply < 32
    ->  arg(4, Ctx, K),
        I is 2 * Ply + 1,
        J is I + 1,
        M is De * 128 + Para,
        arg(I, K, M1),
        (   M1 == M
        ->  true
        ;   (   nonvar(M1) -> nb_setarg(J, K, M1) ; true ),
            nb_setarg(I, K, M)
        )
    ;   true
    ).

matadores(Ctx, Ply, M1, M2) :-
    (   Ply < 32
    ->  arg(4, Ctx, K),
        I is 2 * Ply + 1,
        J is I + 1,
        arg(I, K, M1),
        arg(J, K, M2)
    ;   true
    ).

%   folha(Pecas, Tab, Eu, Meta, E, Beta, V0, V, Tipo): the last ply, when
%   no move can fill the goal camp: E plus the gain of the best move, piece
%   by piece.  Once a move reaches Beta the other pieces need not be looked
%   at: V is then a lower bound (Tipo 1), else exact (Tipo 0).  V stays V0
%   when no piece can move.

folha([], _, _, _, _, _, V, V, 0).
folha([Q|Qs], Tab, Eu, Meta, E, Beta, V0, V, Tipo) :-
    arg(2, Eu, VT),
    (   melhor_destino_peca(Tab, Meta, Q, VT, Para)
    ->  ganho(Eu, Q, Para, G),
        V1 is E + G,
        (   V1 >= Beta
        ->  V = V1, Tipo = 1
        ;   V1 > V0
        ->  folha(Qs, Tab, Eu, Meta, E, Beta, V1, V, Tipo)
        ;   folha(Qs, Tab, Eu, Meta, E, Beta, V0, V, Tipo)
        )
    ;   folha(Qs, Tab, Eu, Meta, E, Beta, V0, V, Tipo)
    ).

%   The last ply when a move may fill the goal camp.

folhas(Js, Eu, GM, E, Ply, V0, V) :-
    arg(3, Eu, MT),
    (   GM >= 9,
        member(De-Para, Js),
        arg(De, MT, 0),
        arg(Para, MT, 1)
    ->  vitoria(W), V is W - Ply - 1
    ;   melhor_folha(Js, Eu, E, V0, V)
    ).

melhor_folha([], _, _, V, V).
melhor_folha([De-Para|Js], Eu, E, V0, V) :-
    ganho(Eu, De, Para, G),
    V1 is E + G,
    (   V1 > V0
    ->  melhor_folha(Js, Eu, E, V1, V)
    ;   melhor_folha(Js, Eu, E, V0, V)
    ).

%   ramos(...): the moves of a node in order, fail-hard.  Near the
%   horizon a move is futile when its own value and the margin of its
%   depth (margem/2) cannot reach Alfa: the moves after it, no better by
%   their own values, are futile too, and the node stops.  Moves tried out
%   of that order (the table's and the killers) are only skipped.

ramos([], _, _, _, _, _, _, _, _, _, _, _, Alfa, _, Melhor, Alfa, Melhor).
ramos([K-(De-Para)|Js], Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H,
      Ctx, Alfa, Beta, Melhor0, V, Melhor) :-
    (   margem(Prof, F),
        futil(De, Para, Eu, E, GM, F, Alfa)
    ->  (   K < -(1 << 30)
        ->  ramos(Js, Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H,
                  Ctx, Alfa, Beta, Melhor0, V, Melhor)
        ;   V = Alfa, Melhor = Melhor0
        )
    ;   filho(De, Para, Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H,
              Ctx, Alfa, Beta, V1),
        (   V1 >= Beta
        ->  V = Beta, Melhor = De-Para
        ;   V1 > Alfa
        ->  ramos(Js, Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H,
                  Ctx, V1, Beta, De-Para, V, Melhor)
        ;   ramos(Js, Prof, Ply, Eu, Ele, Meus, Deles, E, GM, GO, H,
                  Ctx, Alfa, Beta, Melhor0, V, Melhor)
        )
    ).

futil(De, Para, Eu, E, GM, F, Alfa) :-
    arg(3, Eu, MT),
    arg(De, MT, G0),
    arg(Para, MT, G1),
    GM - G0 + G1 =\= 10,
    ganho(Eu, De, Para, G),
    E + G + F =< Alfa.

%   Best-looking moves first: by the change they make to the side's own
%   value; keysort is stable, so equal keys keep the generation order.

chaves([], _, []).
chaves([De-Para|Js], VT, [K-(De-Para)|Ps]) :-
    arg(De, VT, V0),
    arg(Para, VT, V1),
    K is V0 - V1,
    chaves(Js, VT, Ps).

substituir([], _, _, []).
substituir([Q|Qs], De, Para, [R|Rs]) :-
    (   Q =:= De
    ->  R = Para, Rs = Qs
    ;   R = Q,
        substituir(Qs, De, Para, Rs)
    ).

soma_valores([], _, S, S).
soma_valores([Q|Qs], Eu, S0, S) :-
    arg(2, Eu, VT),
    arg(Q, VT, V),
    S1 is S0 + V,
    soma_valores(Qs, Eu, S1, S).

%   progresso(Pecas, Lado, P0, P): P0 plus how far the pieces have come
%   from their home camp, by the distance of the game end rules: 120 when
%   they are all at home.

progresso([], _, P, P).
progresso([Q|Qs], Lado, P0, P) :-
    distancia(Lado, Q, D),
    P1 is P0 + 12 - D,
    progresso(Qs, Lado, P1, P).

conta_meta([], _, G, G).
conta_meta([Q|Qs], Eu, G0, G) :-
    arg(3, Eu, MT),
    arg(Q, MT, X),
    G1 is G0 + X,
    conta_meta(Qs, Eu, G1, G).
