#pragma once
// The desktop's session manager talks to the game over an ICE connection,
// which Qt opens and watches. When the manager goes away (it ended or
// crashed while the desktop stays), libICE's default handler ends the whole
// program with exit(1). Nothing of the game depends on the manager: it plays
// on without one.

/// Installs an ICE error handler that lets a broken connection go quiet
/// instead of ending the program. Nothing where there is no ICE.
void outliveSessionManager();
