/*  Protocol fuzz driver for the rules server.

        swipl server/tests/fuzz.pl

    Starts the server as a process of its own on a free port, throws bad
    input at it and checks that every request ended by "." gets exactly
    one reply, that an oversized request gets "erro" and a closed
    connection, and that the server still answers afterwards; and that a
    second server on the same port refuses to start.  Exits 0 when all
    held, 1 otherwise.
*/

:- use_module(library(process)).
:- use_module(library(socket)).
:- use_module(library(readutil)).

:- initialization(main, main).

main :-
    source_file(main, Aqui),
    file_directory_name(Aqui, Dir),
    directory_file_path(Dir, '../servidor.pl', Servidor),
    process_create(path(swipl), [Servidor, '--port=0'],
                   [stdout(pipe(Saida)), process(Pid)]),
    call_cleanup(correr(Servidor, Saida), parar(Pid)).

parar(Pid) :-
    catch(process_kill(Pid), _, true),
    catch(process_wait(Pid, _), _, true).

correr(Servidor, Saida) :-
    read_line_to_string(Saida, Linha),
    (   string(Linha),
        split_string(Linha, ":", " ", Partes),
        last(Partes, PS),
        number_string(Porta, PS)
    ->  true
    ;   falhar("the server did not start: ~w", [Linha])
    ),
    casos(Casos0),
    Casos = [porta_ocupada-porta_ocupada(Servidor)|Casos0],
    forall(member(Nome-Caso, Casos),
           ( format("fuzz: ~w~n", [Nome]),
             (   catch(call(Caso, Porta), E, (print_message(error, E), fail))
             ->  true
             ;   falhar("case ~w failed", [Nome])
             ) )),
    format("fuzz: all cases passed~n").

falhar(Fmt, Args) :-
    format(user_error, "fuzz: "),
    format(user_error, Fmt, Args),
    nl(user_error),
    halt(1).

casos([ lixo_um_por_um       - lixo,
        aleatorio            - aleatorio,
        sem_ponto_e_desliga  - sem_ponto,
        desliga_sem_ler      - desliga_sem_ler,
        linha_de_um_mega     - mega,
        mega_aos_bocados     - mega_aos_bocados,
        ainda_vivo           - vivo
      ]).

%   A second server on the same port says why it cannot start, on
%   standard error, and exits with status 1.
porta_ocupada(Servidor, Porta) :-
    format(atom(Opcao), '--port=~d', [Porta]),
    process_create(path(swipl), [Servidor, Opcao],
                   [stdout(null), stderr(pipe(Erro)), process(Pid)]),
    read_string(Erro, _, Texto),
    close(Erro),
    process_wait(Pid, Estado),
    Estado == exit(1),
    sub_string(Texto, _, _, _, "already in use").

ligar(Porta, In, Out) :-
    tcp_connect('127.0.0.1':Porta, Par, []),
    stream_pair(Par, In, Out),
    set_stream(In, encoding(octet)),
    set_stream(Out, encoding(octet)),
    set_stream(In, timeout(30)).

fechar(In, Out) :-
    catch(close(Out, [force(true)]), _, true),
    catch(close(In, [force(true)]), _, true).

bytes(Out, Codes) :-
    format(Out, "~s", [Codes]),
    flush_output(Out).

%   respostas(+In, -Rs): every reply until the server closes.
respostas(In, Rs) :-
    read_stream_to_codes(In, Cs),
    respostas_de(Cs, Rs).

respostas_de([], []) :- !.
respostas_de(Cs, [R|Rs]) :-
    append(R, [0'., 0'\r, 0'\n|Resto], Cs), !,
    respostas_de(Resto, Rs).
respostas_de(Cs, _) :-
    falhar("reply not ended by \".\" CR LF: ~s", [Cs]).

tabuleiro_inicial(`[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]`).

%   Hand-made bad requests, all sent at once with quit after them: one
%   "erro" each, then "ok", then the connection closes.
lixo(Porta) :-
    tabuleiro_inicial(B),
    length(Abre, 2000), maplist(=(0'[), Abre),
    length(Digitos, 3000), maplist(=(0'9), Digitos),
    length(Fecha, 1000), maplist(=(0')), Fecha),
    append([`validaJogada(`, Digitos, `,1,1,1,`, B, `,1)`], Enorme),
    Pedidos = [ `ola`, ``, `\n\r\t `, [0xff, 0xfe, 0xc3, 0x28, 0x80],
                [0, 0, 0], `validaJogada(1,2`, Abre, Fecha, Enorme,
                `obtemJogadaPC2(1,[[2,2,2,2,0,0,0,0]])`,
                `verificaTerminacao(1,-1,[])`, `quit quit`,
                `verificaTerminacao(1,0,[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]]]`,
                [0'v, 0'a, 0x00, 0'l],
                `validaJogada(7,4,6,3,[[2,2,2,2,0,0,0,0],[2,2,2,0,0,0,0,0],[2,2,0,0,0,0,0,0],[2,0,0,0,0,0,0,0],[0,0,0,0,0,0,0,1],[0,0,0,0,0,0,1,1],[0,0,0,0,0,1,1,1],[0,0,0,0,1,1,1,1]],1,`
              ],
    em_lote(Porta, Pedidos, Erros),
    forall(member(E, Erros), E == `erro`).

%   em_lote(+Porta, +Pedidos, -Respostas): every request sent in one piece,
%   each ended by ".", with quit after them; one reply for each, in order,
%   and then "ok" for the quit.
em_lote(Porta, Pedidos, Respostas) :-
    foldl(juntar, Pedidos, [], Tudo0),
    append(Tudo0, `quit.\n`, Tudo),
    ligar(Porta, In, Out),
    bytes(Out, Tudo),
    respostas(In, Rs),
    fechar(In, Out),
    length(Pedidos, N),
    length(Rs, K),
    K =:= N + 1,
    append(Respostas, [`ok`], Rs).

juntar(P, Acc, Tudo) :-
    append([Acc, P, `.\n`], Tudo).

%   Random requests from the protocol's own alphabet, with a few bytes
%   outside it: exactly one well-formed reply for each.
aleatorio(Porta) :-
    N = 300,
    gerar(N, 12345, Pedidos),
    em_lote(Porta, Pedidos, Outras),
    forall(member(R, Outras), resposta_bem_formada(R)).

resposta_bem_formada(`erro`) :- !.
resposta_bem_formada([D]) :- memberchk(D, `012`), !.
resposta_bem_formada(R) :-
    length(R, 145),
    forall(member(C, R), memberchk(C, `[],012`)).

gerar(0, _, []) :- !.
gerar(N, S0, [P|Ps]) :-
    proximo(S0, S1),
    Tam is S1 mod 200,
    pedido_aleatorio(Tam, S1, S2, P0),
    prefixo(S2, S3, Pre),
    append(Pre, P0, P),
    N1 is N - 1,
    gerar(N1, S3, Ps).

%   Half of the requests start like real ones, so the grammar gets past
%   its first tokens.
prefixo(S0, S, Pre) :-
    proximo(S0, S),
    I is S mod 8,
    nth0(I, [ `validaJogada(`, `verificaTerminacao(`, `obtemJogadaPC1(`,
              `obtemJogadaPC2(`, `validaJogada(7,4,6,3,`, ``, ``, `` ], Pre).

pedido_aleatorio(0, S, S, []) :- !.
pedido_aleatorio(N, S0, S, [C|Cs]) :-
    proximo(S0, S1),
    Alfabeto = `0123456789012012,,,,[[[]]]()  \r\n\tvalidaJogadquit-`,
    length(Alfabeto, K),
    (   S1 mod 50 =:= 0
    ->  C is 128 + S1 mod 128
    ;   I is (S1 >> 4) mod K,
        nth0(I, Alfabeto, C)
    ),
    N1 is N - 1,
    pedido_aleatorio(N1, S1, S, Cs).

proximo(S0, S) :-
    S is (S0 * 1103515245 + 12345) mod 2147483648.

%   A request cut off by the client hanging up gets no reply, and costs
%   the server nothing.
sem_ponto(Porta) :-
    ligar(Porta, In, Out),
    bytes(Out, `obtemJogadaPC2(1,[[2,2,2,2`),
    fechar(In, Out),
    vivo(Porta).

%   Clients that ask for moves and hang up before the replies: the server
%   writes to closed connections, and only those threads end.
desliga_sem_ler(Porta) :-
    tabuleiro_inicial(B),
    append([`obtemJogadaPC2(1,`, B, `).\n`], P),
    append([P, P, P], Tres),
    forall(between(1, 5, _),
           ( ligar(Porta, In, Out),
             bytes(Out, Tres),
             fechar(In, Out) )),
    sleep(0.5),
    vivo(Porta).

%   A line of a megabyte without a ".": "erro", and the connection closes.
mega(Porta) :-
    length(Xs, 1048576), maplist(=(0'x), Xs),
    ligar(Porta, In, Out),
    catch(bytes(Out, Xs), _, true),     % the server may stop reading
    respostas(In, Rs),
    fechar(In, Out),
    Rs == [`erro`].

mega_aos_bocados(Porta) :-
    length(Xs, 1000), maplist(=(0' ), Xs),
    ligar(Porta, In, Out),
    catch(forall(between(1, 1000, _), bytes(Out, Xs)), _, true),
    respostas(In, Rs),
    fechar(In, Out),
    Rs == [`erro`].

vivo(Porta) :-
    tabuleiro_inicial(B),
    ligar(Porta, In, Out),
    append([`validaJogada(7,4,6,3,`, B, `,1).\nquit.\n`], Tudo),
    bytes(Out, Tudo),
    respostas(In, Rs),
    fechar(In, Out),
    Rs = [Tab, `ok`],
    length(Tab, 145),
    Tab \== B.
