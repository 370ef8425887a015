:- use_module(library(plunit)).
:- use_module(apoio).
:- use_module('../protocolo').
:- use_module('../regras').

%   pedir(+Texto, -Resposta): the answer to one request, "." and all,
%   as the server would write it, from a fresh connection.
pedir(Texto, Resposta) :-
    string_codes(Texto, Cs),
    separar(Cs, 4096, Pedido, _),
    cache_vazia(C0),
    responder(Pedido, C0, _, R),
    resposta_texto(R, Resposta).

resposta_texto(resposta(Cs), S) :- string_codes(S, Cs).
resposta_texto(fim(Cs), fim(S)) :- string_codes(S, Cs).

inicial(S) :- inicial_texto(S).

:- begin_tests(pedidos).

test(valida_legal) :-
    inicial(B),
    format(string(P), "validaJogada(7,4,6,3,~w,1).\n", [B]),
    pedir(P, R),
    R == "[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,1,0],[0,0,0,0,0,0,0,0],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]".

test(valida_salto) :-
    inicial(B),
    format(string(P), "validaJogada(0,0,2,2,~w,2).\n", [B]),
    pedir(P, R),
    R == "[[0,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,2,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]".

% Well formed but against the rules: the board comes back unchanged.
test(valida_ilegal_devolve_o_tabuleiro,
     forall(member(Mov, ["7,4,5,2", "7,4,7,4", "0,0,1,1", "6,5,4,5", "7,7,6,6"]))) :-
    inicial(B),
    format(string(P), "validaJogada(~w,~w,1).\n", [Mov, B]),
    pedir(P, R),
    R == B.

test(valida_lado2_com_espacos_e_quebras) :-
    inicial(B),
    format(string(P), " validaJogada ( 0 , 3 ,\t1 , 4 ,\r\n~w , 2 ) \n.", [B]),
    pedir(P, R),
    sub_string(R, 0, _, _, "[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[0,0,0,0,0,0,0,0],[0,2,0,0,0,0,0,1]").

test(tabuleiro_com_espacos_dentro) :-
    inicial(B),
    split_string(B, ",", "", Partes),
    atomic_list_concat(Partes, ' , ', Espacado),
    format(string(P), "validaJogada(7,4,6,3,\n~w\n,1).", [Espacado]),
    pedir(P, R),
    sub_string(R, 0, 5, _, "[[2,2").

test(termina) :-
    inicial(B),
    format(string(P), "verificaTerminacao(1,0,~w).\n", [B]),
    pedir(P, R), R == "1",
    format(string(P2), "verificaTerminacao(1,\r\n29,\n~w).\n", [B]),
    pedir(P2, R2), R2 == "0".

test(computador_nos_dois_niveis, forall(member(N, [1,2]))) :-
    inicial(B),
    format(string(P), "obtemJogadaPC~w(2,\n~w).\n", [N, B]),
    pedir(P, R),
    string_length(R, 145),
    R \== B.

test(quit) :-
    pedir("quit.\n", R),
    R == fim("ok").

test(erro, forall(member(P, [
        "foo.",
        "",
        "quit(1).",
        "Quit.",
        "validaJogada(7,4,6,3,[[0]],1).",
        "validaJogada(7,4,6,[[0]],1).",
        "validaJogada(8,4,6,3,@,1).",
        "validaJogada(7,4,6,3,@,3).",
        "validaJogada(7,4,6,3,@,0).",
        "validaJogada(7,4,6,-3,@,1).",
        "validaJogada(7,4,6,3,@,1,2).",
        "validaJogada(7,4,6,3,@).",
        "validaJogada(7,4,6,3,@,1",
        "validaJogada 7,4,6,3,@,1.",
        "validaJogada(7,4,6,3,@,1)x.",
        "validaJogada(99999999999999999999999999,4,6,3,@,1).",
        "validaJogada(7,4,6,3,@,00000000001).",
        "verificaTerminacao(1,1234567890,@).",
        "verificaTerminacao(1,@).",
        "destinos(8,0,@).",
        "destinos(0,@).",
        "destinos(0,0,@,1).",
        "destinos(0,0,[[0]]).",
        "obtemJogadaPC3(1,@).",
        "obtemJogadaPC(1,@).",
        "obtemJogadaPC1(1,[[3,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]).",
        "obtemJogadaPC1(1,[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1]]).",
        "obtemJogadaPC1(1,[[2,2,2,2,0,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]).",
        "obtemJogadaPC1(1,[[22,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]])."
     ]))) :-
    inicial(B),
    atomic_list_concat(Partes, '@', P),
    atomic_list_concat(Partes, B, P1),
    pedir(P1, R),
    R == "erro".

:- end_tests(pedidos).

:- begin_tests(separar).

test(dois_pedidos_juntos) :-
    string_codes("quit.\nfoo.\nquit.", Cs),
    separar(Cs, 4096, P1, R1), P1 == sair,
    string_codes(S1, R1), S1 == "foo.\nquit.",
    separar(R1, 4096, P2, R2), P2 == invalido,
    separar(R2, 4096, P3, R3), P3 == sair, R3 == [].

test(ainda_falta) :-
    inicial(B),
    format(codes(Cs), "validaJogada(7,4,6,3,~w", [B]),
    separar(Cs, 4096, P, R),
    P == falta, R == [].

% The limit counts every byte up to the ".", white space too.
test(limite) :-
    length(Es, 4091), maplist(=(0' ), Es),
    append(Es, `quit.`, Cs1),
    separar(Cs1, 4096, P1, _), P1 == sair,
    append([0' |Es], `quit.`, Cs2),
    separar(Cs2, 4096, P2, _), P2 == grande,
    length(Xs, 5000), maplist(=(0'x), Xs),
    separar(Xs, 4096, P3, R3), P3 == grande, R3 == [],
    length(Ys, 4000), maplist(=(0'x), Ys),
    separar(Ys, 4096, P4, _), P4 == falta.

:- end_tests(separar).

:- begin_tests(cache).

test(repeticao_vem_da_cache) :-
    inicial(B),
    format(codes(Cs), "obtemJogadaPC2(2,\n~w).\n", [B]),
    separar(Cs, 4096, P, _),
    cache_vazia(C0),
    responder(P, C0, C1, R1),
    responder(P, C1, C2, R2),
    R1 == R2,
    C1 == C2,
    % another side's request replaces what is kept
    format(codes(Cs2), "obtemJogadaPC2(1,~w).", [B]),
    separar(Cs2, 4096, P2, _),
    responder(P2, C2, C3, R3),
    R3 \== R1,
    C3 \== C2.

% Moves and game-end questions leave the cache as it was.
test(outros_pedidos_nao_mexem_na_cache) :-
    inicial(B),
    format(codes(Cs), "verificaTerminacao(1,0,~w).", [B]),
    separar(Cs, 4096, P, _),
    responder(P, ultima(x, `y`), C, _),
    C == ultima(x, `y`).

:- end_tests(cache).

:- begin_tests(formas_do_jogo).

% The game's own texts take a quicker path than the grammar; both must
% agree, also on what they refuse.
test(contagem, forall(member(M-Esperado,
                             [ "-5"-"erro", "a"-"erro", "+5"-"erro", "1a"-"erro",
                               " 5"-"1", "05"-"1", "28"-"1", "29"-"0", "123"-"0",
                               "1234"-"0" ]))) :-
    inicial_texto(B),
    format(string(P), "verificaTerminacao(1,~w,~w).\n", [M, B]),
    pedir(P, R),
    R == Esperado.

test(quebras_antes_do_tabuleiro, forall(member(Q, ["", "\n", "\r", "\r\n", "\n\r", " \r\n "]))) :-
    inicial_texto(B),
    format(string(P1), "obtemJogadaPC1(2,~w~w).\n", [Q, B]),
    pedir(P1, R1), string_length(R1, 145),
    format(string(P2), "validaJogada(7,4,6,3,~w~w,1).\n", [Q, B]),
    pedir(P2, R2), R2 \== B, string_length(R2, 145),
    format(string(P3), "verificaTerminacao(2,7,~w~w).", [Q, B]),
    pedir(P3, R3), R3 == "1".

test(digito_fora_do_tabuleiro, forall(member(D, ["3", "9", "a", "/"]))) :-
    inicial_texto(B),
    sub_string(B, 0, 70, _, A), sub_string(B, 71, _, 0, Z),
    format(string(P), "obtemJogadaPC2(1,~w~w~w).", [A, D, Z]),
    pedir(P, R), R == "erro",
    format(string(P2), "validaJogada(7,4,6,3,~w~w~w,1).", [A, D, Z]),
    pedir(P2, R2), R2 == "erro".

:- end_tests(formas_do_jogo).

:- begin_tests(destinos).

test(inicial) :-
    inicial(B),
    format(string(P), "destinos(7,4,~w).\n", [B]),
    pedir(P, R),
    R == "[[6,3],[7,3],[6,4]]",
    format(string(P2), "destinos(4,4,~w).\n", [B]),
    pedir(P2, R2),
    R2 == "[]".

% Over a stretch of random play, destinos lists a square exactly when
% validaJogada accepts the move there for the piece's side, for every
% square of the board; the list comes sorted by row, then column.
test(concorda_com_valida_jogada) :-
    tabuleiro_inicial(T0),
    posicoes(40, T0, 1, 777, Posicoes),
    forall(( member(T, Posicoes), texto(T, B),
             between(0, 7, Y), between(0, 7, X) ),
           destinos_confere(T, B, X, Y)).

destinos_confere(T, B, X, Y) :-
    format(string(P), "destinos(~w,~w,~w).\n", [X, Y, B]),
    pedir(P, R),
    term_string(Lista, R),
    maplist([[A,C],C-A]>>true, Lista, PorLinha),
    sort(PorLinha, PorLinha),
    quadrado(Q, X, Y),
    arg(Q, T, V),
    (   V =:= 0'0
    ->  Lista == []
    ;   Lado is V - 0'0,
        forall(( between(0, 7, Yf), between(0, 7, Xf) ),
               (   memberchk([Xf,Yf], Lista)
               ->  aceita(B, X, Y, Xf, Yf, Lado)
               ;   \+ aceita(B, X, Y, Xf, Yf, Lado)
               ))
    ).

% The board comes back changed: the move was made.
aceita(B, X, Y, Xf, Yf, Lado) :-
    format(string(P), "validaJogada(~w,~w,~w,~w,~w,~w).\n", [X, Y, Xf, Yf, B, Lado]),
    pedir(P, R),
    R \== B.

posicoes(0, _, _, _, []) :- !.
posicoes(N, T, L, S0, [T|Ts]) :-
    lance_sorteado(T, L, S0, S, T1),
    outro(L, O),
    N1 is N - 1,
    posicoes(N1, T1, O, S, Ts).

:- end_tests(destinos).
