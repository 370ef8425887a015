/*  The request language of the rules server.

    A request arrives as a list of byte codes and ends at its first ".".
    It is parsed by clause heads and the grammar below and nothing else: no
    term is ever read from the network and no atom is made from its bytes,
    so a client cannot run goals or fill the atom table.  Anything the
    grammar does not accept gets the answer "erro".
*/

:- module(protocolo,
          [ separar/4,                % +Codes, +Max, -Pedido, -Resto
            analisar/2,               % +Codes, -Pedido
            texto_tabuleiro/2,        % +Codes, -Tab
            responder/4,              % +Pedido, +Cache0, -Cache, -Resposta
            cache_vazia/1             % -Cache
          ]).

:- use_module(library(ordsets)).
:- use_module(regras).
:- use_module(jogador).

:- set_prolog_flag(optimise, true).

%!  separar(+Codes, +Max, -Pedido, -Resto) is det.
%   Takes the first request off the bytes Codes received so far.  Pedido is
%   - a parsed request (see analisar/2), when one ends at the first ".";
%   - invalido, when the bytes up to the first "." are no request;
%   - falta, when no "." has come yet and there may be more to read;
%   - grande, when Max bytes have come without a ".".
%   Resto holds the bytes after the ".", less the line feed that ends the
%   request line.  The grammar never takes a ".", so a request it accepts
%   ends at the first one; it is tried first because it is the quicker
%   way to find the end of a well-formed request.  Quicker still, the
%   requests exactly as the game writes them are matched by clause heads
%   made when this file is compiled (rapido/3).

separar(Codes, Max, Pedido, Resto) :-
    (   rapido(Codes, P, Depois)
    ->  Pedido = P,
        sem_lf(Depois, Resto)
    ;   phrase(pedido(P), Codes, [0'.|Depois]),
        length(Codes, N0),
        length(Depois, N1),
        N0 - N1 =< Max
    ->  Pedido = P,
        sem_lf(Depois, Resto)
    ;   procurar_ponto(Codes, 1, Max, Estado, Depois),
        (   Estado == achou
        ->  Pedido = invalido,
            sem_lf(Depois, Resto)
        ;   Pedido = Estado,
            Resto = []
        )
    ).

sem_lf([0'\n|Cs], Cs) :- !.
sem_lf(Cs, Cs).

procurar_ponto([], _, _, falta, []).
procurar_ponto([C|Cs], K, Max, Estado, Depois) :-
    (   K > Max
    ->  Estado = grande, Depois = []
    ;   C =:= 0'.
    ->  Estado = achou, Depois = Cs
    ;   K1 is K+1,
        procurar_ponto(Cs, K1, Max, Estado, Depois)
    ).

%   rapido(+Codes, -Pedido, -Depois): the game's own request texts, with
%   single-digit numbers (a move count of up to three), no spaces, and the
%   board in compact form, possibly after the line breaks the game leaves
%   before it.  Each clause head holds the whole text, its cells shared
%   with the board term, so a request is taken apart by one unification.
%   Anything else goes to the grammar, which accepts the same and more.

term_expansion(pedidos_rapidos, Clausulas) :-
    findall(Clausula, clausula_rapida(Clausula), Clausulas).

clausula_rapida((rapido(Codes, Pedido, Depois) :- Corpo, Digitos)) :-
    member(Pre, [``, `\n`, `\r`, `\r\n`]),
    functor(Tab, tab, 64),
    Tab =.. [tab|Casas],
    forma(Pre, Tab, Casas, Codes, Pedido, Depois, Corpo),
    digitos_validos(Casas, Digitos).

%   Every cell a digit 0, 1 or 2, by two compiled comparisons each.

digitos_validos([C], (C >= 0'0, C =< 0'2)) :- !.
digitos_validos([C|Cs], (C >= 0'0, C =< 0'2, Resto)) :-
    digitos_validos(Cs, Resto).

forma(Pre, Tab, Casas, Codes, valida(Xi,Yi,Xf,Yf,Tab,L), Depois,
      ( coordenada_c(A, Xi), coordenada_c(B, Yi),
        coordenada_c(C, Xf), coordenada_c(D, Yf),
        lado_c(E, L) )) :-
    texto_compacto(Casas, TabCodes, [0',, E, 0'), 0'.|Depois]),
    append([`validaJogada(`, [A,0',,B,0',,C,0',,D,0',], Pre], Cabeca),
    append(Cabeca, TabCodes, Codes).
forma(Pre, Tab, Casas, Codes, computador(N,L,Tab), Depois,
      ( nivel_c(A, N), lado_c(B, L) )) :-
    texto_compacto(Casas, TabCodes, [0'), 0'.|Depois]),
    append([`obtemJogadaPC`, [A,0'(,B,0',], Pre], Cabeca),
    append(Cabeca, TabCodes, Codes).
forma(Pre, Tab, Casas, Codes, termina(L,M,Tab), Depois,
      ( lado_c(A, L), digitos_c(Ds, 0, M) )) :-
    between(1, 3, K),
    length(Ds, K),
    texto_compacto(Casas, TabCodes, [0'), 0'.|Depois]),
    append([`verificaTerminacao(`, [A,0',], Ds, [0',], Pre], Cabeca),
    append(Cabeca, TabCodes, Codes).

texto_compacto(Cs, [0'[|T], Cauda) :-
    texto_compacto(Cs, 1, T, Cauda).

texto_compacto([A,B,C,D,E,F,G,H|Cs], Y, T0, Cauda) :-
    T0 = [0'[,A,0',,B,0',,C,0',,D,0',,E,0',,F,0',,G,0',,H,0']|T1],
    (   Y =:= 8
    ->  Cs = [], T1 = [0']|Cauda]
    ;   T1 = [0',|T2],
        Y1 is Y+1,
        texto_compacto(Cs, Y1, T2, Cauda)
    ).

pedidos_rapidos.

coordenada_c(C, X) :- C >= 0'0, C =< 0'7, X is C - 0'0.
digitos_c([], M, M).
digitos_c([C|Cs], M0, M) :-
    C >= 0'0, C =< 0'9,
    M1 is M0*10 + C - 0'0,
    digitos_c(Cs, M1, M).

lado_c(0'1, 1).
lado_c(0'2, 2).
nivel_c(0'1, 1).
nivel_c(0'2, 2).

%   Every cell a digit 0, 1 or 2; sort/2 leaves at most three codes to
%   look at.

casas_validas(Tab) :-
    Tab =.. [_|Casas],
    sort(Casas, Digitos),
    ord_subset(Digitos, `012`).

%!  analisar(+Codes, -Pedido) is semidet.
%   Pedido is one of
%     valida(Xi, Yi, Xf, Yf, Tab, Lado)
%     termina(Lado, M, Tab)
%     computador(Nivel, Lado, Tab)
%     destinos(X, Y, Tab)
%     sair
%   White space (space, tab, CR, LF) may stand before, after and between
%   the tokens.

analisar(Codes, Pedido) :-
    phrase(pedido(Pedido), Codes).

%!  texto_tabuleiro(+Codes, -Tab) is semidet.
%   The board of a board text, white space allowed around it.

texto_tabuleiro(Codes, Tab) :-
    phrase((brancos, tabuleiro(Tab), brancos), Codes).

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
corpo(destinos(X, Y, Tab)) -->
    "destinos", abre,
    coordenada(X), virgula, coordenada(Y), virgula, tabuleiro(Tab), fecha.
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
%   the order of the square numbers.  A cell is the code of its digit.

tabuleiro(Tab, S0, S) :-
    texto_compacto(Casas, S0, S),
    !,
    Tab =.. [tab|Casas],
    casas_validas(Tab).
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

casa(0'0) --> "0".
casa(0'1) --> "1".
casa(0'2) --> "2".

%!  cache_vazia(-Cache)
%   The per-connection memory of the last computer answer.

cache_vazia(nenhuma).

%!  responder(+Pedido, +Cache0, -Cache, -Resposta) is det.
%   Resposta is resposta(Codes) for a request that keeps the connection
%   open, or fim(Codes) for quit: answer, then close.  Pedido is what
%   separar/4 gave: a request, or invalido.  A computer move asked again
%   with the same side and board is answered from Cache0.

responder(Pedido, Cache0, Cache, Resposta) :-
    (   Pedido \== invalido,
        catch(atender(Pedido, Cache0, Cache1, Resposta1), E,
              ( print_message(warning, E), fail ))
    ->  Cache = Cache1,
        Resposta = Resposta1
    ;   Cache = Cache0,
        Resposta = resposta(`erro`)
    ).

atender(sair, C, C, fim(`ok`)).
atender(valida(Xi, Yi, Xf, Yf, Tab, Lado), C, C, resposta(Texto)) :-
    quadrado(De, Xi, Yi),
    quadrado(Para, Xf, Yf),
    (   jogada_legal(Tab, Lado, De, Para)
    ->  mover_no_lugar(Tab, De, Para)   % the board was made for this request
    ;   true
    ),
    tabuleiro_codigos(Tab, Texto).
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

atender(destinos(X, Y, Tab), C, C, resposta(Texto)) :-
    quadrado(De, X, Y),
    destinos(Tab, De, Paras),
    lista_quadrados(Paras, Texto).

%   [[X1,Y1],[X2,Y2],...], compact: single digits, no spaces.

lista_quadrados(Qs, [0'[|T]) :-
    quadrados_texto(Qs, T, [0']]).

quadrados_texto([], T, T).
quadrados_texto([Q|Qs], T0, T) :-
    quadrado(Q, X, Y),
    CX is 0'0 + X,
    CY is 0'0 + Y,
    T0 = [0'[, CX, 0',, CY, 0']|T1],
    (   Qs == []
    ->  T1 = T
    ;   T1 = [0',|T2],
        quadrados_texto(Qs, T2, T)
    ).

computador(1, Tab, Lado, De, Para) :- jogada_nivel1(Tab, Lado, De, Para).
computador(2, Tab, Lado, De, Para) :- jogada_nivel2(Tab, Lado, De, Para).
