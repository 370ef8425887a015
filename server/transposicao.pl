/*  The transposition table of level 2's search, and the position keys it
    is indexed by.

    A position's key is the exclusive or of one random 56-bit number per
    piece (one table per side, one number per square) and, when side 2 is
    to move, one more.  56 bits keep the keys small integers in SWI-Prolog,
    so that they are never allocated.  The numbers come from a fixed seed
    when this file is compiled: keys, and so replies, are the same on every
    run.

    The table is a term of 2 * 2^14 arguments made afresh for every search,
    so that nothing of one request reaches the next: the first argument of
    each pair holds a key, the second what the search learned about it,
    packed in one integer (see guardar/7).  A later entry replaces an
    earlier one in the same place.
*/

:- module(transposicao,
          [ chave_peca/3,             % +Lado, +Q, -Z
            chave_lado/1,             % -Z
            chave_posicao/4,          % +Lado, +Meus, +Deles, -H
            tabela_nova/1,            % -TT
            consultar/7,              % +TT, +H, -Prof, -Tipo, -V, -De, -Para
            guardar/7                 % +TT, +H, +Prof, +Tipo, +V, +De, +Para
          ]).

:- use_module(regras, [outro/2]).

:- set_prolog_flag(optimise, true).

%   One fact per square and side, z1/2 and z2/2, looked up by first-argument
%   indexing (a table held as one term in a fact would be copied at every
%   look-up).

term_expansion(chaves_zobrist, Clausulas) :-
    numeros(129, 0x9E3779B97F4A7C15, Ns),
    length(N1, 64), length(N2, 64),
    append([N1, N2, [ZL]], Ns),
    findall(z1(Q, Z), nth1(Q, N1, Z), C1),
    findall(z2(Q, Z), nth1(Q, N2, Z), C2),
    append([C1, C2, [chave_lado(ZL)]], Clausulas).

%   A 64-bit linear congruential generator (Knuth's MMIX constants); the
%   top 56 bits of each state are one number.

numeros(0, _, []) :- !.
numeros(N, S0, [Z|Zs]) :-
    S is (S0 * 6364136223846793005 + 1442695040888963407) mod (1 << 64),
    Z is S >> 8,
    N1 is N - 1,
    numeros(N1, S, Zs).

chaves_zobrist.

chave_peca(1, Q, Z) :- z1(Q, Z).
chave_peca(2, Q, Z) :- z2(Q, Z).

%!  chave_posicao(+Lado, +Meus, +Deles, -H)
%   The key of the position with Lado to move, its pieces on the squares
%   Meus and the other side's on Deles.

chave_posicao(Lado, Meus, Deles, H) :-
    outro(Lado, Outro),
    xor_pecas(Meus, Lado, 0, H0),
    xor_pecas(Deles, Outro, H0, H1),
    (   Lado =:= 2 -> chave_lado(ZL), H is H1 xor ZL ; H = H1 ).

xor_pecas([], _, H, H).
xor_pecas([Q|Qs], Lado, H0, H) :-
    chave_peca(Lado, Q, Z),
    H1 is H0 xor Z,
    xor_pecas(Qs, Lado, H1, H).

%   2^14 entries.

entradas(16384).
mascara(16383).

tabela_nova(TT) :-
    entradas(N),
    A is 2 * N,
    functor(TT, tt, A).

%!  consultar(+TT, +H, -Prof, -Tipo, -V, -De, -Para) is semidet.
%   What the table holds for the key H: the depth Prof it was searched
%   to, its value V, whether V is exact (Tipo 0), a lower bound (1) or an
%   upper bound (2), and the best move found, De-Para (0-0 when none).
%   V is as stored: the search stores wins counted from the node, not
%   from the root.

consultar(TT, H, Prof, Tipo, V, De, Para) :-
    mascara(M),
    I is (H /\ M) * 2 + 1,
    arg(I, TT, K),
    K == H,
    J is I + 1,
    arg(J, TT, D),
    Para is D /\ 127,
    De is (D >> 7) /\ 127,
    Tipo is (D >> 14) /\ 3,
    Prof is (D >> 16) /\ 31,
    V is (D >> 21) - (1 << 22).

%!  guardar(+TT, +H, +Prof, +Tipo, +V, +De, +Para)
%   Stores an entry.  Values are within +-(2^22 - 1), depths below 32.

guardar(TT, H, Prof, Tipo, V, De, Para) :-
    mascara(M),
    I is (H /\ M) * 2 + 1,
    J is I + 1,
    D is ((V + (1 << 22)) << 21) \/ (Prof << 16) \/ (Tipo << 14) \/ (De << 7) \/ Para,
    nb_setarg(I, TT, H),
    nb_setarg(J, TT, D).
