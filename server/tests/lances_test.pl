:- use_module(library(plunit)).
:- use_module(apoio).
:- use_module('../regras').
:- use_module('../lances').

:- begin_tests(lances).

% The search's own move generator gives exactly the rules' moves, in the
% same order, and its list-free walk the first of the best destinations
% that list holds, over the positions of random games and over random
% boards with pieces locked in their goal camps.
test(lances_iguais_a_jogadas) :-
    tabuleiro_inicial(T0),
    forall(between(1, 40, Semente),
           partida_ao_acaso(120, T0, 1, Semente)).

test(campos_cheios_ao_acaso) :-
    set_random(seed(5)),
    forall(between(1, 300, _),
           ( tabuleiro_ao_acaso(T),
             forall(member(L, [1, 2]), confere(T, L)) )).

:- end_tests(lances).

partida_ao_acaso(0, _, _, _) :- !.
partida_ao_acaso(N, T, L, S0) :-
    confere(T, L),
    (   lance_sorteado(T, L, S0, S1, T1)
    ->  outro(L, O),
        N1 is N - 1,
        partida_ao_acaso(N1, T1, O, S1)
    ;   true
    ).

%   confere(T, L): lances/4 lists what jogadas/4 does, lance_valido/4
%   holds for those moves and no other, and for each piece
%   melhor_destino_peca/5 picks what a walk over lances_peca/4 would, and
%   lances_acima/8 keeps what that list holds above a value, under a value
%   table drawn with few distinct values, so that ties are common.

confere(T, L) :-
    pecas(T, L, Ps),
    jogadas(T, L, Ps, Js),
    lances(T, L, Ps, Ls),
    assertion(Ls == Js),
    forall(( member(De, Ps), Para is 1 + random(64) ; member(De-Para, Js) ),
           (   memberchk(De-Para, Js)
           ->  assertion(lance_valido(T, L, De, Para))
           ;   assertion(\+ lance_valido(T, L, De, Para))
           )),
    outro(L, Meta),
    length(Vs, 64),
    maplist([V]>>(V is random(5)), Vs),
    VT =.. [v|Vs],
    forall(member(Q, Ps),
           ( lances_peca(T, Meta, Q, JQ),
             primeiro_maior(JQ, VT, Esperado),
             (   melhor_destino_peca(T, Meta, Q, VT, Para) -> true
             ;   Para = nenhum
             ),
             assertion(Para == Esperado),
             arg(Q, VT, V0),
             Min is V0 + random(5) - 3,
             lances_acima(T, Meta, Q, VT, V0, Min, Pares, []),
             findall(K-J, ( member(J, JQ), J = _-P, arg(P, VT, X), X > Min,
                            K is V0 - X ),
                     Acima),
             assertion(Pares == Acima) )).

primeiro_maior([], _, nenhum).
primeiro_maior([_-P|Js], VT, Melhor) :-
    arg(P, VT, X),
    foldl([_-P1, X0-M0, X1-M1]>>( arg(P1, VT, Y),
                                  ( Y > X0 -> X1-M1 = Y-P1 ; X1-M1 = X0-M0 ) ),
          Js, X-P, _-Melhor).

%   Each side with up to ten pieces in its goal camp, where they are
%   locked, the others anywhere.

tabuleiro_ao_acaso(T) :-
    functor(T, tab, 64),
    forall(between(1, 64, Q), nb_setarg(Q, T, 0'0)),
    forall(member(L, [1, 2]), colocar(L, T)).

colocar(L, T) :-
    outro(L, Meta),
    NaMeta is random(11),
    Peca is 0'0 + L,
    colocar(NaMeta, T, Peca, [Q]>>zona(Q, Meta)),
    Resto is 10 - NaMeta,
    colocar(Resto, T, Peca, [_]>>true).

colocar(N, T, _, Onde) :-
    findall(Q, ( arg(Q, T, 0'0), call(Onde, Q) ), Livres),
    length(Livres, K),
    (   N =:= 0 ; K =:= 0 ), !.
colocar(N, T, Peca, Onde) :-
    findall(Q, ( arg(Q, T, 0'0), call(Onde, Q) ), Livres),
    random_member(Q, Livres),
    nb_setarg(Q, T, Peca),
    N1 is N - 1,
    colocar(N1, T, Peca, Onde).
