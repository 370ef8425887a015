/*  Benchmarks of the rules server, in process.

        swipl bench/servidor/bench.pl [--jogos=N]

    Plays N games (20 by default) of level 1 against itself, of level 2
    against itself, and of level 2 against level 1 with the sides taking
    turns, and prints a table: move generation per position, reply times
    of both levels over the positions of their games, and how the games
    between the levels went.  Times are processor time of this thread, so
    that other load on the machine counts as little as it can.
*/

:- use_module(library(main)).
:- use_module(library(apply)).
:- use_module(library(aggregate)).
:- use_module(library(lists)).
:- use_module('../../server/regras').
:- use_module('../../server/lances', [lances/4]).
:- use_module('../../server/jogador', [procura/6, orcamento_nivel2/2]).
:- use_module(partidas).

:- initialization(main, main).

main(Argv) :-
    argv_options(Argv, _, Opcoes),
    option_jogos(Opcoes, N),
    format("Rules server benchmarks: ~d games of each kind~n~n", [N]),
    series(N, 1-1, L1s),
    series(N, 2-2, L2s),
    confronto(N, Conf),
    append([L1s, L2s, Conf], Todos),
    geracao(Todos, UsGeracao, NPos),
    geracao_lances(Todos, UsLances),
    procura_por_segundo(L2s, PorSeg, NosMed),
    tempos(L1s, 1, Med1, Pior1, K1),
    tempos(L2s, 2, Med2, Pior2, K2),
    tempos(Conf, 2, Med2c, Pior2c, K2c),
    resultado_confronto(Conf, Vitorias, PorRegra, Jogos),
    format("~w~t~48|~w~t~62|~w~t~76|~w~n", [figure, value, goal, met]),
    linha("move generation, per position (us)", UsGeracao, "=< 100", UsGeracao =< 100),
    linha("level 2 move generation, per position (us)", UsLances, "-", true),
    format("  (~d positions of all the games below)~n", [NPos]),
    linha("level 2, positions searched per second", PorSeg, "-", true),
    format("  (positions whose moves were generated, over the ~d positions of level 2~n   against itself; a median of ~d a reply)~n",
           [K2, NosMed]),
    linha("level 1 reply, median (ms)", Med1, "=< 5", Med1 =< 5),
    linha("level 1 reply, worst (ms)", Pior1, "-", true),
    format("  (~d positions of level 1 against itself)~n", [K1]),
    linha("level 2 reply, median (ms)", Med2, "=< 100", Med2 =< 100),
    linha("level 2 reply, worst (ms)", Pior2, "=< 1000", Pior2 =< 1000),
    format("  (~d positions of level 2 against itself)~n", [K2]),
    linha("level 2 reply vs level 1, median (ms)", Med2c, "=< 100", Med2c =< 100),
    linha("level 2 reply vs level 1, worst (ms)", Pior2c, "=< 1000", Pior2c =< 1000),
    format("  (~d positions)~n", [K2c]),
    Meta is ceiling(N * 17 / 20),
    format(string(GV), ">= ~d of ~d", [Meta, N]),
    linha("level 2 wins against level 1", Vitorias, GV, Vitorias >= Meta),
    por_regra(PorRegra, Fins),
    aggregate_all(count, ( member(fim(_, R, _), Jogos), \+ memberchk(R, [1,3]) ), Outros),
    length(Jogos, NJogos),
    Ate31 is NJogos - Outros,
    format(string(Ate), "~d of ~d", [Ate31, NJogos]),
    linha("games between the levels ended by rule 3.1/3.3", Ate, "all", Outros =:= 0),
    format("  (~w)~n", [Fins]),
    maplist(arg(3), Jogos, Lances),
    sum_list(Lances, SomaL), length(Lances, NL),
    MediaL is SomaL / NL,
    min_list(Lances, MinL), max_list(Lances, MaxL),
    format("  (moves per game: ~1f on average, ~d to ~d)~n", [MediaL, MinL, MaxL]).

option_jogos(Opcoes, N) :-
    (   memberchk(jogos(N), Opcoes), integer(N), N > 0 -> true ; N = 20 ).

linha(Nome, Valor, Meta, Cond) :-
    (   number(Valor), \+ integer(Valor) -> format(string(V), "~2f", [Valor])
    ;   format(string(V), "~w", [Valor])
    ),
    (   Meta == "-" -> Ok = '-'
    ;   call(Cond) -> Ok = yes
    ;   Ok = 'NO'
    ),
    format("~w~t~48|~w~t~62|~w~t~76|~w~n", [Nome, V, Meta, Ok]).

series(N, N1-N2, Jogos) :-
    findall(j(Fim, Lances),
            ( between(1, N, J), partida(J, N1, N2, Fim, Lances) ),
            Jogos).

%   Level 2 plays side 1 in odd games and side 2 in even ones.
confronto(N, Jogos) :-
    findall(jc(Fim, Lances, Lado2),
            ( between(1, N, J),
              ( J mod 2 =:= 1 -> N1-N2 = 2-1, Lado2 = 1 ; N1-N2 = 1-2, Lado2 = 2 ),
              partida(J, N1, N2, Fim, Lances) ),
            Jogos).

resultado_confronto(Conf, Vitorias, PorRegra, Fins) :-
    findall(F, member(jc(F, _, _), Conf), Fins),
    aggregate_all(count, ( member(jc(fim(V, _, _), _, S), Conf), V =:= S ), Vitorias),
    findall(R, member(fim(_, R, _), Fins), Rs),
    msort(Rs, Ord),
    clumped_pairs(Ord, PorRegra).

clumped_pairs(Ord, Pares) :-
    findall(R-C, ( member(R, [1,2,3,4]), aggregate_all(count, member(R, Ord), C), C > 0 ), Pares).

por_regra(Pares, Texto) :-
    findall(S, ( member(R-C, Pares), format(string(S), "~d by 3.~d", [C, R]) ), Ss),
    atomic_list_concat(Ss, ', ', Texto).

lances(j(_, Ls), Ls).
lances(jc(_, Ls, _), Ls).

%   Move generation for the side to move in every position reached, each
%   position many times over.
geracao(Jogos, Us, NPos) :-
    findall(T-L, ( member(J, Jogos), lances(J, Ls), member(l(L, _, T, _), Ls) ), Pos),
    length(Pos, NPos),
    Rep = 20,
    statistics(cputime, T0),
    forall(between(1, Rep, _),
           forall(member(T-L, Pos), jogadas(T, L, _))),
    statistics(cputime, T1),
    Us is (T1 - T0) * 1e6 / (Rep * NPos).

%   The same with level 2's own move generator.
geracao_lances(Jogos, Us) :-
    findall(T-L-Ps, ( member(J, Jogos), lances(J, Ls), member(l(L, _, T, _), Ls),
                      pecas(T, L, Ps) ),
            Pos),
    length(Pos, NPos),
    Rep = 20,
    statistics(cputime, T0),
    forall(between(1, Rep, _),
           forall(member(T-L-Ps, Pos), lances(T, L, Ps, _))),
    statistics(cputime, T1),
    Us is (T1 - T0) * 1e6 / (Rep * NPos).

%   Level 2's search over the positions of its games against itself, as it
%   replies to them: the positions it searched, over the processor time.
procura_por_segundo(Jogos, PorSeg, NosMed) :-
    findall(T-L, ( member(J, Jogos), lances(J, Ls), member(l(L, _, T, _), Ls) ), Pos),
    findall(T-L-B, ( member(T-L, Pos), orcamento_nivel2(T, B) ), PosB),
    statistics(cputime, T0),
    findall(N, ( member(T-L-B, PosB), procura(T, L, B, _, _, info(N, _, _)) ), Ns),
    statistics(cputime, T1),
    sum_list(Ns, Soma),
    PorSeg is round(Soma / (T1 - T0)),
    msort(Ns, Ord), length(Ord, K), I is K // 2, nth0(I, Ord, NosMed).

tempos(Jogos, Nivel, Mediana, Pior, K) :-
    findall(Ms, ( member(J, Jogos), lances(J, Ls), member(l(_, Nivel, _, Ms), Ls) ), Tempos),
    msort(Tempos, Ord),
    length(Ord, K),
    I is K // 2,
    nth0(I, Ord, Mediana),
    last(Ord, Pior).
