/*  Matches of level 2 against other players, in process.

        swipl bench/servidor/confronto.pl --adversario=PROGRAMA [--ms=100]
              [--profundidade=4] [--aberturas=10] [--dificeis=FICHEIRO]
              [--so=tempo|profundidade|nivel1] [--primeira=1]

    Plays level 2 against the sparring opponent (adversario.c, an
    alpha-beta search, run as a child process and asked over a pipe) given
    --ms milliseconds a move and searching by iterative deepening, against
    the same opponent searching a fixed --profundidade plies, and against
    level 1.  Each match is --aberturas openings of four random forward
    moves, every one played twice with the sides swapped, so that neither
    side's first move decides.  Prints one table per match: every game, the
    wins against their goal (17 of 20 against the timed opponent, 19 of 20
    against the fixed depth, 20 of 20 against level 1), the game end rules
    that decided (none may be the 100-move count), level 2's moves inside
    its goal camp that brought no piece nearer and those that took back its
    move before, and its reply times against their goals (median 100 ms,
    worst 1 s: processor time of the request handler, in a thread of its
    own as in bench.pl, and wall-clock time beside it), then the load
    average.  The timed opponent's strength depends on the machine and its
    load, so that match may differ from one run to the next; the others
    repeat exactly.  --so plays one of the three matches only;
    --primeira=K starts from opening K instead of the first.

    With --dificeis=FICHEIRO it also writes the 20 positions of the match
    against the timed opponent where level 2 took longest, as Prolog facts
    for the tests of the search (server/tests/dificeis.pl).
*/

:- use_module(library(main)).
:- use_module(library(process)).
:- use_module(library(readutil)).
:- use_module(library(apply)).
:- use_module(library(lists)).
:- use_module(library(pairs)).
:- use_module(library(aggregate)).
:- use_module('../../server/regras').
:- use_module('../../server/protocolo').
:- use_module('../../server/tests/apoio', [texto/2]).
:- use_module(partidas, [pedido_computador/4, responder_medindo/4, regra/4]).

:- initialization(main, main).

main(Argv) :-
    argv_options(Argv, _, Opcoes),
    opcao(Opcoes, profundidade, 4, Prof),
    opcao(Opcoes, ms, 100, Ms),
    opcao(Opcoes, aberturas, 10, NA),
    opcao(Opcoes, primeira, 1, K1),
    KN is K1 + NA - 1,
    (   memberchk(adversario(Prog), Opcoes)
    ->  true
    ;   format(user_error, "confronto: --adversario=PROGRAMA is required~n", []),
        halt(2)
    ),
    absolute_file_name(Prog, Caminho, [access(execute)]),
    format("Level 2 against the sparring opponent given ~d ms a move, at depth ~d,~n",
           [Ms, Prof]),
    format("and against level 1: ~d openings of four random forward moves, each played~n",
           [NA]),
    format("twice, sides swapped~n~n", []),
    carga(C0), format("Load average before: ~w~n~n", [C0]),
    (   memberchk(so(So), Opcoes) -> true ; So = todos ),
    (   memberchk(So, [todos, tempo])
    ->  atom_number(MsA, Ms),
        adversario(Caminho, [MsA], 30, AdvT),
        jogos(K1-KN, AdvT, JogosT),
        format(string(NomeT), "sparring opponent, ~d ms a move", [Ms]),
        tabela(NomeT, 17, JogosT),
        fechar(AdvT),
        (   memberchk(dificeis(F), Opcoes)
        ->  escrever_dificeis(F, JogosT)
        ;   true
        )
    ;   true
    ),
    (   memberchk(So, [todos, profundidade])
    ->  adversario(Caminho, [], Prof, AdvP),
        jogos(K1-KN, AdvP, JogosP),
        format(string(NomeP), "sparring opponent, depth ~d", [Prof]),
        tabela(NomeP, 19, JogosP),
        fechar(AdvP)
    ;   true
    ),
    (   memberchk(So, [todos, nivel1])
    ->  jogos(K1-KN, nivel1, Jogos1),
        tabela("level 1", 20, Jogos1)
    ;   true
    ),
    carga(C1), format("Load average after: ~w~n", [C1]).

%   The sparring opponent as a child process, asked for moves searched
%   Prof plies deep at most.

adversario(Caminho, Args, Prof, adversario(Prof, Para, De, Pid)) :-
    process_create(Caminho, Args,
                   [stdin(pipe(Para)), stdout(pipe(De)), process(Pid)]),
    set_stream(Para, buffer(line)).

fechar(adversario(_, Para, De, Pid)) :-
    close(Para),
    process_wait(Pid, _),
    close(De).

opcao(Opcoes, Nome, Omissao, V) :-
    Op =.. [Nome, V0],
    (   memberchk(Op, Opcoes), integer(V0), V0 > 0 -> V = V0 ; V = Omissao ).

carga(C) :-
    read_file_to_string('/proc/loadavg', S, []),
    split_string(S, " ", "", [A, B, D|_]),
    atomic_list_concat([A, B, D], ' ', C).

%   Game 2k-1 has level 2 on side 1, game 2k on side 2, both from opening k.

jogos(K1-KN, Oponente, Jogos) :-
    findall(J, ( between(K1, KN, K),
                 member(Lado2, [1, 2]),
                 jogo_de(K, Lado2, Oponente, J) ),
            Jogos).

jogo_de(K, Lado2, Oponente, jogo(K, Lado2, Fim, Lances)) :-
    abertura_frente(K, Tab, Lado),
    jogar(Tab, Lado, 2, 2, Lado2, Oponente, Fim, Lances).

%!  abertura_frente(+K, -Tab, -Lado)
%   The position after four random forward moves (each takes a piece
%   nearer its goal corner), drawn by a linear congruential generator
%   seeded with K; side 1 moves first and Lado is the side to move after.

abertura_frente(K, Tab, Lado) :-
    tabuleiro_inicial(T0),
    Semente is K * 104729 + 31,
    abrir(4, T0, 1, Semente, Tab, Lado).

abrir(0, T, L, _, T, L) :- !.
abrir(N, T0, L, S0, T, Lado) :-
    jogadas(T0, L, Js),
    include(para_a_frente(L), Js, Fs),
    length(Fs, NF),
    S1 is (S0 * 1103515245 + 12345) mod 2147483648,
    I is (S1 >> 8) mod NF,
    nth0(I, Fs, De-Para),
    mover(T0, De, Para, T1),
    outro(L, O),
    N1 is N - 1,
    abrir(N1, T1, O, S1, T, Lado).

para_a_frente(L, De-Para) :-
    distancia(L, De, D0),
    distancia(L, Para, D1),
    D1 < D0.

%   jogar(Tab, Lado, M1, M2, Lado2, Oponente, Fim, Lances): plays to the end;
%   M1 and M2 are the moves each side has made.  Lances lists
%   l(Tab, Lado, CpuMs, ParedeMs, Tab1) for every reply of level 2, Tab1
%   being the board after it.

jogar(Tab, Lado, M1, M2, Lado2, Oponente, Fim, Lances) :-
    (   Lado =:= 1 -> M = M1 ; M = M2 ),
    (   Lado =:= Lado2
    ->  nivel(2, Tab, Lado, Tab1, Cpu, Parede),
        Lances = [l(Tab, Lado, Cpu, Parede, Tab1)|Lances1]
    ;   oponente(Oponente, Tab, Lado, Tab1),
        Lances = Lances1
    ),
    terminacao(Lado, M, Tab1, R),
    outro(Lado, Outro),
    (   R =:= 1
    ->  (   Lado =:= 1 -> M1b is M1+1, M2b = M2 ; M1b = M1, M2b is M2+1 ),
        jogar(Tab1, Outro, M1b, M2b, Lado2, Oponente, Fim, Lances1)
    ;   ( R =:= 2 -> Vencedor = Lado ; Vencedor = Outro ),
        regra(Lado, M, Tab1, Regra),
        N is M1 + M2 + 1,
        Fim = fim(Vencedor, Regra, N),
        Lances1 = []
    ).

%   A computer level through the server's own request handler, as the game
%   asks it (see responder_medindo/4).

nivel(Nivel, Tab, Lado, Tab1, Cpu, Parede) :-
    pedido_computador(Nivel, Lado, Tab, Pedido),
    responder_medindo(Pedido, Texto, Cpu, Parede),
    texto_tabuleiro(Texto, Tab1),
    (   Tab1 == Tab -> throw(sem_jogada(Nivel, Lado, Tab)) ; true ).

oponente(nivel1, Tab, Lado, Tab1) :-
    nivel(1, Tab, Lado, Tab1, _, _).
oponente(adversario(Prof, Para, De, _), Tab, Lado, Tab1) :-
    Tab =.. [tab|Casas],
    format(Para, "~d ~d ~s~n", [Prof, Lado, Casas]),
    flush_output(Para),
    read_line_to_string(De, Linha),
    split_string(Linha, " ", "", Partes),
    (   maplist(number_string, [Xi, Yi, Xf, Yf], Partes),
        quadrado(Q0, Xi, Yi),
        quadrado(Q1, Xf, Yf),
        jogada_legal(Tab, Lado, Q0, Q1)
    ->  mover(Tab, Q0, Q1, Tab1)
    ;   throw(jogada_do_adversario_invalida(Linha, Lado, Tab))
    ).

%   The game end rules, numbered as in server/README.md.

nome_regra(1, "a full goal camp (3.1)").
nome_regra(2, "no move left (3.2)").
nome_regra(3, "a piece at home at the 30th move (3.3)").
nome_regra(4, "the 100-move count (3.4)").

%   tabela(Nome, Meta, Jogos): Meta is the goal for the wins, of 20.

tabela(Nome, Meta20, Jogos) :-
    length(Jogos, NJ),
    aggregate_all(count, ( member(jogo(_, L2, fim(V, _, _), _), Jogos), V =:= L2 ), Vitorias),
    findall(R, member(jogo(_, _, fim(_, R, _), _), Jogos), Rs),
    findall(S, ( member(R, [1,2,3,4]),
                 aggregate_all(count, member(R, Rs), C), C > 0,
                 nome_regra(R, NomeR),
                 format(string(S), "~d by ~w", [C, NomeR]) ),
            Ss),
    atomic_list_concat(Ss, ', ', PorRegra),
    aggregate_all(count, ( member(R, Rs), R =:= 4 ), AosCem),
    findall(C, ( member(jogo(_, _, _, Ls), Jogos), member(l(_, _, C, _, _), Ls) ), Cpus),
    findall(W, ( member(jogo(_, _, _, Ls), Jogos), member(l(_, _, _, W, _), Ls) ), Paredes),
    mediana_pior(Cpus, MedC, PiorC, K),
    mediana_pior(Paredes, MedW, PiorW, _),
    aggregate_all(count, ( member(jogo(_, _, _, Ls), Jogos),
                           member(l(T0, L, _, _, T1), Ls),
                           na_meta(T0, L, T1) ),
                  NaMeta),
    aggregate_all(count, ( member(jogo(_, _, _, Ls), Jogos),
                           append(_, [l(T0, L, _, _, T1), l(T2, L, _, _, T3)|_], Ls),
                           lance(T0, L, T1, A-B),
                           lance(T2, L, T3, B-A) ),
                  Desfeitos),
    findall(N, member(jogo(_, _, fim(_, _, N), _), Jogos), Ns),
    sum_list(Ns, SN), MediaN is SN / NJ, min_list(Ns, MinN), max_list(Ns, MaxN),
    format("Against ~w (~d games, ~d replies of level 2)~n", [Nome, NJ, K]),
    format("  opening  level 2 plays  winner  rule  moves~n", []),
    forall(member(jogo(A, L2, fim(V, R, N), _), Jogos),
           format("  ~t~d~9|  ~t~d~24|  ~t~d~32|  ~t3.~d~38|  ~t~d~45|~n", [A, L2, V, R, N])),
    Meta is ceiling(NJ * Meta20 / 20),
    cumprida(Vitorias >= Meta, OkV),
    cumprida(AosCem =:= 0, OkR),
    cumprida(MedC =< 100, OkM),
    cumprida(PiorC =< 1000, OkP),
    format("  level 2 wins: ~d of ~d (goal >= ~d: ~w)~n", [Vitorias, NJ, Meta, OkV]),
    format("  ended by: ~w (~d at the 100-move count; goal 0: ~w)~n",
           [PorRegra, AosCem, OkR]),
    format("  moves per game: ~1f on average, ~d to ~d~n", [MediaN, MinN, MaxN]),
    format("  level 2 moves inside its goal camp that brought no piece nearer: ~d~n",
           [NaMeta]),
    format("  level 2 moves that took back its move before: ~d~n", [Desfeitos]),
    format("  level 2 reply, processor time: median ~1f ms, worst ~1f ms (goals 100 ms: ~w, 1000 ms: ~w)~n",
           [MedC, PiorC, OkM, OkP]),
    format("  level 2 reply, wall clock:     median ~1f ms, worst ~1f ms~n~n", [MedW, PiorW]).

%   lance(T0, Lado, T1, De-Para): the move of Lado that took T0 to T1.
%   na_meta(T0, Lado, T1): the move stays inside the goal camp and takes no
%   piece nearer the corner, as when a hole is moved to where the last
%   pieces can reach it, or when a side only waits.

lance(T0, Lado, T1, De-Para) :-
    Peca is 0'0 + Lado,
    arg(De, T0, Peca), arg(De, T1, 0'0), !,
    arg(Para, T0, 0'0), arg(Para, T1, Peca), !.

na_meta(T0, Lado, T1) :-
    lance(T0, Lado, T1, De-Para),
    outro(Lado, Meta),
    zona(De, Meta),
    distancia(Lado, De, D0),
    distancia(Lado, Para, D1),
    D1 >= D0.

cumprida(Cond, Ok) :-
    (   call(Cond) -> Ok = met ; Ok = 'NOT MET' ).

mediana_pior(Xs, Med, Pior, K) :-
    msort(Xs, Ord),
    length(Ord, K),
    I is K // 2,
    nth0(I, Ord, Med),
    last(Ord, Pior).

%   The 20 positions of the match against the sparring opponent where
%   level 2 took longest, as facts dificil(Lado, Texto).

escrever_dificeis(F, Jogos) :-
    findall(C-(Tab-Lado),
            ( member(jogo(_, _, _, Ls), Jogos), member(l(Tab, Lado, C, _, _), Ls) ),
            Pares),
    keysort(Pares, Ord),
    reverse(Ord, Desc),
    length(Top, 20),
    append(Top, _, Desc),
    setup_call_cleanup(
        open(F, write, S),
        ( format(S, "% The 20 positions of bench/servidor/confronto where level 2 took longest~n", []),
          format(S, "% to reply, written by its --dificeis option: side to move, board.~n~n", []),
          forall(member(_-(Tab-Lado), Top),
                 ( texto(Tab, T), format(S, "dificil(~d, \"~s\").~n", [Lado, T]) )) ),
        close(S)).
