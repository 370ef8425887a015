/*  The request language of the rules server.

    A request arrives as the list of byte codes before its terminating ".".
    It is parsed by the grammar below and nothing else: no term is ever read
    from the network and no atom is made from its bytes, so a client cannot
    run goals or fill the atom table.  Anything the grammar does not accept
    gets the answer "erro".
*/

:- module(protocolo,
          [ analisar/2,               % +Codes, -Pedido
            responder/4,              % +Codes, +Cache0, -Cache, -Resposta
            cache_vazia/1             % -Cache
          ]).

:- use_module(regras).
:- use_module(jogador).

:- set_prolog_flag(optimise, true).

%!  analisar(+Codes, -Pedido) is semidet.
%   Pedido is one of
%     valida(Xi, Yi, Xf, Yf, Tab, Lado)
%     termina(Lado, M, Tab)
%     computador(Nivel, Lado, Tab)
%     sair
%   White space (space, tab, CR, LF) may stand before, after and between
%   the tokens.

analisar(Codes, Pedido) :-
    phrase(pedido(Pedido), Codes).

pedido(P) --> brancos, corpo(P), brancos.

corpo(valida(Xi, Yi, Xf, Yf, Tab, Lado)) -->
    "validaJogada", abre,
    coordenada(Xi), virgula, coordenada(Yi), virgula,
    coordenada(Xf), virgula, coordenada(Yf), virgula,
    tabuleiro(Tab), virgula, lado(Lado), fecha.
corpo(termina(Lado, M, Tab)) -->
    "verificaTerminacao", abre,
    lado(Lado), virgula, natural(M), virgula, tabuleiro(Tab), fecha.
corpo(computador(Nivel, Lado, Tab)) -->
    "obtemJogadaPC", nivel(Nivel), abre,
    lado(Lado), virgula, tabuleiro(Tab), fecha.
corpo(sair) -->
    "quit".

nivel(1) --> "1".
nivel(2) --> "2".

abre    --> brancos, "(", brancos.
fecha   --> brancos, ")".
virgula --> brancos, ",", brancos.

brancos([C|Cs], R) :-
    branco(C), !,
    brancos(Cs, R).
brancos(R, R).

branco(0' ).
branco(0'\t).
branco(0'\r).
branco(0'\n).

coordenada(X) --> natural(X), { X =< 7 }.

lado(L) --> natural(L), { L >= 1, L =< 2 }.

%   At most nine digits: enough for any count the game reaches, and a
%   number of thousands of digits is never turned into a big integer.

natural(N) -->
    digito(D0),
    digitos(D0, N, 1).

digitos(N0, N, K) -->
    digito(D), !,
    { K < 9, N1 is N0*10 + D, K1 is K+1 },
    digitos(N1, N, K1).
digitos(N, N, _) --> [].

digito(D) --> [C], { C >= 0'0, C =< 0'9, D is C - 0'0 }.

%   Eight rows of eight cells; row list k is row y = k, so the cells come in
%   the order of the square numbers.

tabuleiro(Tab) -->
    "[", brancos,
    linha(Cs, Cs1), virgula, linha(Cs1, Cs2), virgula,
    linha(Cs2, Cs3), virgula, linha(Cs3, Cs4), virgula,
    linha(Cs4, Cs5), virgula, linha(Cs5, Cs6), virgula,
    linha(Cs6, Cs7), virgula, linha(Cs7, []),
    brancos, "]",
    { Tab =.. [tab|Cs] }.

linha([A,B,C,D,E,F,G,H|T], T) -->
    "[", brancos,
    casa(A), virgula, casa(B), virgula, casa(C), virgula, casa(D), virgula,
    casa(E), virgula, casa(F), virgula, casa(G), virgula, casa(H),
    brancos, "]".

casa(0) --> "0".
casa(1) --> "1".
casa(2) --> "2".

%!  cache_vazia(-Cache)
%   The per-connection memory of the last computer answer.

cache_vazia(nenhuma).

%!  responder(+Codes, +Cache0, -Cache, -Resposta) is det.
%   Resposta is resposta(Codes) for a request that keeps the connection
%   open, or fim(Codes) for quit: answer, then close.  A computer move
%   asked again with the same side and board is answered from Cache0.

responder(Codes, Cache0, Cache, Resposta) :-
    (   catch(analisar(Codes, Pedido), _, fail)
    ->  catch(atender(Pedido, Cache0, Cache, Resposta), E,
              ( print_message(warning, E),
                Cache = Cache0, Resposta = resposta(`erro`) ))
    ;   Cache = Cache0,
        Resposta = resposta(`erro`)
    ).

atender(sair, C, C, fim(`ok`)).
atender(valida(Xi, Yi, Xf, Yf, Tab, Lado), C, C, resposta(Texto)) :-
    quadrado(De, Xi, Yi),
    quadrado(Para, Xf, Yf),
    (   jogada_legal(Tab, Lado, De, Para)
    ->  mover(Tab, De, Para, Tab1)
    ;   Tab1 = Tab
    ),
    tabuleiro_codigos(Tab1, Texto).
atender(termina(Lado, M, Tab), C, C, resposta(Texto)) :-
    terminacao(Lado, M, Tab, R),
    number_codes(R, Texto).
atender(computador(Nivel, Lado, Tab), C0, C, resposta(Texto)) :-
    Chave = computador(Nivel, Lado, Tab),
    (   C0 = ultima(Chave0, Texto0),
        Chave0 == Chave
    ->  Texto = Texto0,
        C = C0
    ;   (   computador(Nivel, Tab, Lado, De, Para)
        ->  mover(Tab, De, Para, Tab1)
        ;   Tab1 = Tab
        ),
        tabuleiro_codigos(Tab1, Texto),
        C = ultima(Chave, Texto)
    ).

computador(1, Tab, Lado, De, Para) :- jogada_nivel1(Tab, Lado, De, Para).
computador(2, Tab, Lado, De, Para) :- jogada_nivel2(Tab, Lado, De, Para).
