/*  Helpers for the rules server's tests: boards drawn as eight rows of
    text, and moves given as coordinates.
*/

:- module(apoio,
          [ desenho/2,            % +Linhas, -Tab
            jogadas_xy/3,         % +Tab, +Lado, -Jogadas (sorted (X,Y)-(X,Y))
            destinos_xy/4,        % +Tab, +Lado, +(X,Y), -Destinos (sorted)
            texto/2,              % +Tab, -String
            inicial_texto/1,      % -String
            lance_sorteado/5      % +Tab, +Lado, +Semente0, -Semente, -Tab1
          ]).

:- use_module('../regras').

%!  desenho(+Linhas, -Tab)
%   Linhas is a list of eight strings, row y = 0 first, each with the eight
%   cells of columns 0 to 7: "1" or "2" for a piece, "." or "0" for an
%   empty square.

desenho(Linhas, Tab) :-
    length(Linhas, 8),
    maplist(linha, Linhas, Celulas),
    append(Celulas, Todas),
    Tab =.. [tab|Todas].

linha(S, Cs) :-
    string_codes(S, Cs0),
    length(Cs0, 8),
    maplist(celula, Cs0, Cs).

celula(0'., 0'0) :- !.
celula(C, C) :- memberchk(C, `012`).

jogadas_xy(Tab, Lado, Jogadas) :-
    jogadas(Tab, Lado, Js),
    findall((X0,Y0)-(X1,Y1),
            ( member(De-Para, Js), quadrado(De, X0, Y0), quadrado(Para, X1, Y1) ),
            J0),
    msort(J0, Jogadas).

destinos_xy(Tab, Lado, (X,Y), Destinos) :-
    jogadas_xy(Tab, Lado, Js),
    findall(D, member((X,Y)-D, Js), Destinos).

texto(Tab, S) :-
    tabuleiro_codigos(Tab, Cs),
    string_codes(S, Cs).

inicial_texto("[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]").

%!  lance_sorteado(+Tab, +Lado, +Semente0, -Semente, -Tab1)
%   Tab1 is Tab after a legal move of Lado drawn by a small linear
%   congruential generator: the same seed gives the same move on every run,
%   so random games repeat exactly.  Fails when Lado has no move.

lance_sorteado(Tab, Lado, S0, S, Tab1) :-
    jogadas(Tab, Lado, Js),
    length(Js, K),
    K > 0,
    S is (S0 * 1103515245 + 12345) mod 2147483648,
    I is (S >> 8) mod K,
    nth0(I, Js, De-Para),
    mover(Tab, De, Para, Tab1).
