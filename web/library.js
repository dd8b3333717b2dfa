// The JavaScript SDL 2's Emscripten code calls, which this Emscripten cannot
// learn from SDL itself: pulled into the link by this one name.
mergeInto(LibraryManager.library, {
  vorkkeli_sdl2_deps__deps: ['$autoResumeAudioContext', '$dynCall'],
  vorkkeli_sdl2_deps: function () {},
});
