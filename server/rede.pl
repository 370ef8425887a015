/*  The rules server's network side: one listening socket on the loopback
    address, one thread per connection, one reply per request.

    The game's window waits for every reply, so a reply goes out as one
    write on a socket with Nagle's algorithm off.

    Several windows may share one server.  Started for them, it may end
    itself once none is left, so that it outlives every window and none
    has to stop it.
*/

:- module(rede,
          [ escutar/2,                % ?Porta, -Socket
            servir/1,                 % +Socket
            servir/2,                 % +Socket, +Opcoes
            clientes/1,               % -N
            atender_ligacao/2,        % +In, +Out
            ler_pedido/4,             % +In, +Pendente0, -Pedido, -Pendente
            tamanho_maximo/1          % -Bytes
          ]).

:- use_module(library(socket)).
:- use_module(protocolo).

:- set_prolog_flag(optimise, true).

%!  tamanho_maximo(-Bytes)
%   The longest request, its "." included.  A board request is under 200
%   bytes; anything past this limit is not a client of ours.

tamanho_maximo(4096).

%!  escutar(?Porta, -Socket) is det.
%   Listens on 127.0.0.1:Porta, and never on other interfaces.  With Porta
%   unbound the system picks a free port, and Porta is bound to it.
%   Throws the socket error when the port cannot be had.

escutar(Porta, Socket) :-
    (   var(Porta) -> true ; P = Porta ),
    tcp_socket(Socket),
    catch(( tcp_setopt(Socket, reuseaddr),
            tcp_bind(Socket, '127.0.0.1':P),
            tcp_listen(Socket, 64) ),
          E,
          ( tcp_close_socket(Socket), throw(E) )),
    Porta = P.

%!  servir(+Socket)
%   Accepts clients for ever, each in a thread of its own.  A failure to
%   start one thread closes that connection only.

servir(Socket) :-
    servir(Socket, []).

%!  servir(+Socket, +Opcoes)
%   As servir/1.  With sai_sem_clientes(Segundos) in Opcoes the process
%   ends (halt(0)) once it has had no client for Segundos seconds on end,
%   counted from the start or from the last client's leaving.  Must run in
%   the process's main thread, which the ending interrupts.

servir(Socket, Opcoes) :-
    (   memberchk(sai_sem_clientes(Segundos), Opcoes)
    ->  vigiar(Segundos)
    ;   true
    ),
    repeat,
    catch(aceitar(Socket), E, ( print_message(warning, E), sleep(0.05) )),
    fail.

aceitar(Socket) :-
    tcp_accept(Socket, Cliente, _Par),
    setup_call_cleanup(
        ( tcp_open_socket(Cliente, In, Out), chegou ),
        arrancar(Cliente, In, Out, Arrancou),
        ( Arrancou == true -> true ; fechar(In, Out), partiu )).

arrancar(Cliente, In, Out, true) :-
    catch(tcp_setopt(Cliente, nodelay), _, true),
    thread_create(call_cleanup(atender_ligacao(In, Out), partiu), _,
                  [detached(true)]).

%!  clientes(-N) is det.
%   The number of connections being served now.

clientes(N) :-
    flag(rede_clientes, N, N).

chegou :-
    flag(rede_clientes, N, N+1).

partiu :-
    get_time(Agora),
    with_mutex(rede_clientes,
               ( flag(rede_ultima_saida, _, Agora),
                 flag(rede_clientes, N, N-1) )).

%   A watcher thread sees the server idle; the ending itself runs in the
%   main thread, the only one that takes clients in, so a client accepted
%   meanwhile is never dropped by it.

vigiar(Segundos) :-
    get_time(Agora),
    flag(rede_ultima_saida, _, Agora),
    thread_self(Principal),
    Passo is max(0.05, min(1.0, Segundos / 4)),
    thread_create(vigia(Principal, Segundos, Passo), _,
                  [detached(true), alias(rede_vigia)]).

vigia(Principal, Segundos, Passo) :-
    repeat,
    sleep(Passo),
    ocioso(Segundos),
    thread_signal(Principal, sair_se_ocioso(Segundos)),
    fail.

ocioso(Segundos) :-
    with_mutex(rede_clientes,
               ( flag(rede_clientes, 0, 0),
                 flag(rede_ultima_saida, Desde, Desde) )),
    get_time(Agora),
    Agora - Desde >= Segundos.

sair_se_ocioso(Segundos) :-
    (   ocioso(Segundos)
    ->  halt(0)
    ;   true
    ).

%!  atender_ligacao(+In, +Out)
%   Talks to one client until it says quit, hangs up, sends an oversized
%   request or the connection fails.  Only this thread ends with it.

atender_ligacao(In, Out) :-
    catch(( set_stream(In, encoding(octet)),
            set_stream(Out, encoding(octet)),
            set_stream(In, record_position(false)),
            set_stream(Out, record_position(false)),
            set_stream(Out, buffer(full)),
            cache_vazia(Cache),
            conversar(In, Out, [], Cache) ),
          _,
          true),
    fechar(In, Out).

conversar(In, Out, Pendente0, Cache0) :-
    ler_pedido(In, Pendente0, Pedido, Pendente),
    (   Pedido == fim                   % the client hung up
    ->  true
    ;   Pedido == grande
    ->  enviar(Out, `erro`),
        close(Out, [force(true)]),      % the client sees the end at once
        esgotar(In)
    ;   responder(Pedido, Cache0, Cache, Resposta),
        (   Resposta = resposta(Texto)
        ->  enviar(Out, Texto),
            conversar(In, Out, Pendente, Cache)
        ;   Resposta = fim(Texto),
            enviar(Out, Texto)
        )
    ).

enviar(Out, Texto) :-
    format(Out, "~s.\r\n", [Texto]),
    flush_output(Out).

%   Closing a socket with unread input makes the system reset the
%   connection, and the client may then lose the "erro" it was sent.  So
%   what the client is still sending is read and dropped first, for a
%   bounded time and amount.

esgotar(In) :-
    catch(( set_stream(In, timeout(1)),
            esgotar(In, 4 000 000) ),
          _, true).

esgotar(In, Resta) :-
    (   Resta =< 0
    ->  true
    ;   at_end_of_stream(In)
    ->  true
    ;   read_pending_codes(In, Codes, []),
        length(Codes, N),
        Resta1 is Resta - N,
        esgotar(In, Resta1)
    ).

fechar(In, Out) :-
    catch(close(Out, [force(true)]), _, true),
    catch(close(In, [force(true)]), _, true).

%!  ler_pedido(+In, +Pendente0, -Pedido, -Pendente) is det.
%   Reads the next request from In, starting with the bytes Pendente0 left
%   over from the previous one.  Pedido is as separar/4 gives it, or fim
%   at the end of input; Pendente holds the bytes after it.  Whatever the
%   client has already sent is taken in one go, so requests that arrive
%   together are answered one by one, in order.

ler_pedido(In, Pendente0, Pedido, Pendente) :-
    tamanho_maximo(Max),
    (   Pendente0 == []
    ->  Pedido0 = falta
    ;   separar(Pendente0, Max, Pedido0, Resto)
    ),
    (   Pedido0 \== falta
    ->  Pedido = Pedido0,
        Pendente = Resto
    ;   at_end_of_stream(In)            % waits for input, fills the buffer
    ->  Pedido = fim,
        Pendente = []
    ;   read_pending_codes(In, Novos, []),
        append(Pendente0, Novos, Pendente1),
        ler_pedido(In, Pendente1, Pedido, Pendente)
    ).
