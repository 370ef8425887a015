/*  Cantos 3D rules server.

        swipl server/servidor.pl              listens on 127.0.0.1:60070
        swipl server/servidor.pl --port=N     another port (tests); 0 picks
                                              a free one
        swipl server/servidor.pl --sai-sem-clientes=S
                                              ends by itself once no client
                                              has been connected for S
                                              seconds (0.1 to 86400)

    On start it prints the address it listens on.  When the port is taken it
    says so on standard error and exits with status 1.
*/

:- use_module(library(main)).
:- use_module(rede).

:- initialization(main, main).

porta_padrao(60070).

main(Argv) :-
    argv_options(Argv, _, Opcoes),
    (   porta(Opcoes, Porta),
        servico(Opcoes, Servico)
    ->  arrancar(Porta, Servico)
    ;   format(user_error, "Server: usage: swipl servidor.pl [--port=N] [--sai-sem-clientes=S], N from 0 to 65535, S seconds from 0.1 to 86400~n", []),
        halt(2)
    ).

porta(Opcoes, Porta) :-
    (   memberchk(port(P), Opcoes)
    ->  integer(P), P >= 0, P =< 65535,
        ( P =:= 0 -> true ; Porta = P )
    ;   porta_padrao(Porta)
    ).

%   A server the game starts for its windows ends a while after the last
%   of them has gone.

servico(Opcoes, Servico) :-
    (   memberchk(sai_sem_clientes(S), Opcoes)
    ->  number(S), S >= 0.1, S =< 86400,
        Servico = [sai_sem_clientes(S)]
    ;   Servico = []
    ).

arrancar(Porta, Servico) :-
    catch(escutar(Porta, Socket), E, true),
    (   var(E)
    ->  format("Server: listening on 127.0.0.1:~d~n", [Porta]),
        flush_output,
        servir(Socket, Servico)
    ;   E = error(socket_error(eaddrinuse, _), _)
    ->  format(user_error, "Server: port ~w on 127.0.0.1 is already in use; is another rules server running?~n", [Porta]),
        halt(1)
    ;   message_to_codes(E, Texto),
        format(user_error, "Server: cannot listen on 127.0.0.1:~w: ~s~n", [Porta, Texto]),
        halt(1)
    ).

message_to_codes(E, Codes) :-
    message_to_codes(E, [], Codes0), !, Codes = Codes0.
message_to_codes(E, Codes) :-
    format(codes(Codes), "~q", [E]).
