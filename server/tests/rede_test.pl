:- use_module(library(plunit)).
:- use_module(library(socket)).
:- use_module(library(process)).
:- use_module(library(readutil)).
:- use_module(apoio).
:- use_module('../rede').

%   The server runs in a thread of this process on a port the system
%   picks; the tests talk to it over real sockets.

:- dynamic porta/1.

servidor(P) :-
    porta(P), !.
servidor(P) :-
    escutar(P, S),
    thread_create(servir(S), _, [detached(true)]),
    assertz(porta(P)).

ligar(In, Out) :-
    servidor(P),
    tcp_connect('127.0.0.1':P, Par, []),
    stream_pair(Par, In, Out),
    set_stream(In, encoding(octet)),
    set_stream(Out, encoding(octet)),
    set_stream(In, timeout(20)).

enviar(Out, Texto) :-
    format(Out, "~w", [Texto]),
    flush_output(Out).

%   resposta(+In, -Texto): one reply, which must end in "." CR LF.
resposta(In, Texto) :-
    ate_ponto(In, Cs),
    get_code(In, 0'\r),
    get_code(In, 0'\n),
    string_codes(Texto, Cs).

ate_ponto(In, Cs) :-
    get_code(In, C),
    C =\= -1,
    (   C =:= 0'.
    ->  Cs = []
    ;   Cs = [C|Cs1],
        ate_ponto(In, Cs1)
    ).

fechada(In) :-
    catch(at_end_of_stream(In), _, true).

fechar(In, Out) :-
    catch(close(Out, [force(true)]), _, true),
    catch(close(In, [force(true)]), _, true).

:- begin_tests(rede).

test(conversa_como_o_jogo) :-
    ligar(In, Out),
    inicial_texto(B),
    % the computer's requests carry a line feed before the board, and the
    % game sends them four times over
    format(string(PC), "obtemJogadaPC1(2,\n~w).\n", [B]),
    enviar(Out, PC), resposta(In, R1),
    enviar(Out, PC), resposta(In, R2),
    R1 == R2, R1 \== B,
    % the game's board may begin with CR LF after a computer move
    format(string(V), "validaJogada(7,4,6,3,\r\n~w,1).\n", [B]),
    enviar(Out, V), resposta(In, R3),
    sub_string(R3, 0, 2, _, "[["), R3 \== B,
    format(string(T), "verificaTerminacao(1,0,~w).\n", [B]),
    enviar(Out, T), resposta(In, R4), R4 == "1",
    enviar(Out, "nada.\n"), resposta(In, R5), R5 == "erro",
    enviar(Out, "quit.\n"), resposta(In, R6), R6 == "ok",
    fechada(In),
    fechar(In, Out).

test(pedido_aos_bocados_e_pedidos_juntos) :-
    ligar(In, Out),
    inicial_texto(B),
    format(string(T), "verificaTerminacao(2,3,~w).\n", [B]),
    sub_string(T, 0, 30, _, A), sub_string(T, 30, _, 0, Z),
    enviar(Out, A), sleep(0.05), enviar(Out, Z),
    resposta(In, R1), R1 == "1",
    enviar(Out, "x.\nquit.\n"),
    resposta(In, R2), R2 == "erro",
    resposta(In, R3), R3 == "ok",
    fechar(In, Out).

test(pedido_grande_fecha_a_ligacao) :-
    ligar(In, Out),
    length(Xs, 5000), maplist(=(0'a), Xs),
    format(Out, "~s", [Xs]), flush_output(Out),
    resposta(In, R), R == "erro",
    fechada(In),
    fechar(In, Out).

test(cliente_que_desaparece_nao_derruba_o_servidor) :-
    ligar(In, Out),
    enviar(Out, "validaJogada(1,2,"),
    fechar(In, Out),
    ligar(In2, Out2),
    enviar(Out2, "quit.\n"), resposta(In2, R), R == "ok",
    fechar(In2, Out2).

test(ligacoes_em_paralelo) :-
    ligar(In1, Out1),
    ligar(In2, Out2),
    inicial_texto(B),
    format(string(P), "obtemJogadaPC2(1,~w).\n", [B]),
    enviar(Out1, P),
    enviar(Out2, "quit.\n"), resposta(In2, R2), R2 == "ok",
    resposta(In1, R1), string_length(R1, 145),
    enviar(Out1, "quit.\n"), resposta(In1, R3), R3 == "ok",
    fechar(In1, Out1), fechar(In2, Out2).

test(porta_ocupada, throws(error(socket_error(eaddrinuse, _), _))) :-
    servidor(P),
    escutar(P, _).

:- end_tests(rede).

%   The server as the game starts it for its windows, a process of its
%   own, which ends itself once no window is left.

servidor_pl(Servidor) :-
    source_file(servidor_pl(_), Aqui),
    file_directory_name(Aqui, Dir),
    directory_file_path(Dir, '../servidor.pl', Servidor).

processo(Opcoes, Pid, Porta) :-
    servidor_pl(Servidor),
    process_create(path(swipl), [Servidor, '--port=0'|Opcoes],
                   [stdout(pipe(Saida)), stderr(null), process(Pid)]),
    read_line_to_string(Saida, Linha),
    close(Saida),
    split_string(Linha, ":", " ", Partes),
    last(Partes, PS),
    number_string(Porta, PS).

ligar_a(Porta, In, Out) :-
    tcp_connect('127.0.0.1':Porta, Par, []),
    stream_pair(Par, In, Out),
    set_stream(In, timeout(20)).

%   Its exit status once it ends within Segundos, or vivo.  process_wait/3
%   waits either not at all or for ever on this system, so it is polled.
vivo_apos(Pid, Segundos, Estado) :-
    get_time(T0),
    Limite is T0 + Segundos,
    repeat,
    process_wait(Pid, Estado0, [timeout(0)]),
    get_time(Agora),
    (   Estado0 \== timeout
    ->  !, Estado = Estado0
    ;   Agora >= Limite
    ->  !, Estado = vivo
    ;   sleep(0.05),
        fail
    ).

parar(Pid) :-
    catch(process_kill(Pid), _, true),
    catch(process_wait(Pid, _), _, true).

:- begin_tests(sai_sem_clientes).

test(serve_ate_o_ultimo_cliente_partir) :-
    processo(['--sai-sem-clientes=0.5'], Pid, Porta),
    call_cleanup(
        ( ligar_a(Porta, In1, Out1),
          ligar_a(Porta, In2, Out2),
          inicial_texto(B),
          format(string(T), "verificaTerminacao(1,0,~w).\n", [B]),
          % the first window goes, saying quit as the game does
          enviar(Out1, "quit.\n"), resposta(In1, R1), R1 == "ok",
          fechar(In1, Out1),
          vivo_apos(Pid, 1.5, vivo),
          enviar(Out2, T), resposta(In2, R2), R2 == "1",
          % the last one hangs up without a word
          fechar(In2, Out2),
          vivo_apos(Pid, 15, Estado),
          Estado == exit(0) ),
        parar(Pid)).

test(sem_cliente_nenhum_tambem_sai) :-
    processo(['--sai-sem-clientes=0.5'], Pid, _),
    call_cleanup(( vivo_apos(Pid, 15, Estado), Estado == exit(0) ),
                 parar(Pid)).

test(sem_a_opcao_fica) :-
    processo([], Pid, _),
    call_cleanup(vivo_apos(Pid, 1.5, vivo), parar(Pid)).

test(opcao_fora_dos_limites) :-
    forall(member(O, ['--sai-sem-clientes=0', '--sai-sem-clientes=nunca']),
           ( servidor_pl(Servidor),
             process_create(path(swipl), [Servidor, O],
                            [stdout(null), stderr(null), process(Pid)]),
             process_wait(Pid, Estado),
             Estado == exit(2) )).

:- end_tests(sai_sem_clientes).
