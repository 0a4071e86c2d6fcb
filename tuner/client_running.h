// The game client rewrites game.cfg when it closes and reads system.yaml while it
// runs, and it can run without the launcher: a change made under a running client is
// undone or half-read, so the actions that change those files wait for it to close.
#pragma once

namespace tuner {

// True, after telling the user to close the client, while any of the client's
// processes runs.
bool refuse_while_client_runs();

}  // namespace tuner
