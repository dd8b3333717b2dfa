// The game's loop sleeps under Asyncify, so main first returns to the page
// long before the game ends. When it really returns, the program exits as a
// native one does: the runtime shut down and the page's onExit told.
addOnPostRun(function () {
  if (!Asyncify.currData) {
    return;
  }
  Asyncify.whenDone().then(function (status) {
    try {
      exit(status);
    } catch (e) {
      if (!(e instanceof ExitStatus)) {
        throw e;
      }
    }
  });
});
