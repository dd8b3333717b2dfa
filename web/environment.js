// The replay under node sees the process's environment as a native program
// does (SDL_VIDEODRIVER, SDL_AUDIODRIVER and the rest).
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  Object.assign(ENV, process.env);
});
