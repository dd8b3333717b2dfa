# The platform: how the game is compiled and linked there, its libraries,
# and its own edge (src/i_*.cpp), one set of files per platform; the core
# links none of them, nor the platform's own libraries.
option(VORKKELI_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(WIN32)
  # Cross-built with mingw-w64 (scripts/build-windows.sh): hardened as far as
  # PE goes, no time stamp in the executables, and the compiler's own
  # runtime linked in, so they import only the SDL DLLs and Windows' own.
  add_compile_options(-fstack-protector-strong -D_FORTIFY_SOURCE=2)
  add_link_options(-static-libgcc -static-libstdc++
                   -Wl,--dynamicbase,--nxcompat,--high-entropy-va,--no-insert-timestamp)
  link_libraries(-Wl,-Bstatic ssp -Wl,-Bdynamic)
elseif(EMSCRIPTEN)
  # In the browser the page's sandbox bounds the program's memory; this
  # Emscripten's C library has no stack protector to link.
elseif(VORKKELI_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
else()
  # Hardened as Debian builds its packages.
  add_compile_options(-fstack-protector-strong -D_FORTIFY_SOURCE=2)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()


find_package(PkgConfig REQUIRED)
# The edge (src/i_*.h) is one set of i_*.cpp files per platform; the core
# links none of them, nor the platform's own libraries.
if(WIN32)
  pkg_check_modules(SDLLIBS REQUIRED IMPORTED_TARGET sdl12_compat SDL_image SDL_gfx SDL_mixer)
  set(PLATFORM_SOURCES src/i_system_win.cpp src/i_input.cpp src/i_video.cpp src/i_display_win.cpp)
  set(PLATFORM_LIBS winmm) # timeBeginPeriod
elseif(EMSCRIPTEN)
  # scripts/build-web-libs.sh's prefix, named by PKG_CONFIG_LIBDIR (scripts/build-web.sh).
  pkg_check_modules(SDLLIBS REQUIRED IMPORTED_TARGET sdl SDL_image SDL_gfx SDL_mixer)
  set(PLATFORM_SOURCES src/i_system_web.cpp src/i_input.cpp src/i_video_web.cpp)
  set(PLATFORM_LIBS)
else()
  pkg_check_modules(SDLLIBS REQUIRED IMPORTED_TARGET sdl SDL_image SDL_gfx SDL_mixer)
  pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11)
  # The frozen SDL 1.2.15 draws the turned car in a black box and, with no
  # display, runs unseen; only SDL 1.2 on SDL2 (sdl12-compat) is supported.
  if(SDLLIBS_sdl_VERSION VERSION_LESS 1.2.50)
    message(FATAL_ERROR "SDL ${SDLLIBS_sdl_VERSION} is the old SDL 1.2; vorkkeli needs SDL 1.2 on SDL2: install libsdl1.2-compat-dev.")
  endif()
  set(PLATFORM_SOURCES src/i_system_posix.cpp src/i_input.cpp src/i_video.cpp src/i_display_x11.cpp)
  set(PLATFORM_LIBS PkgConfig::X11)
endif()
pkg_check_modules(PNG REQUIRED IMPORTED_TARGET libpng)

# Everything but main and the platform edge (src/i_system.h, i_timer.h,
