# Debian's hardening flags for everything built here, the installed programs most of all:
# rusk-mdb-dump parses whatever file it is given. The flags are the ones dpkg-buildflags gives a
# package with every hardening feature on (stack protector, _FORTIFY_SOURCE, format checks, RELRO
# and BIND_NOW; PIE is the compiler's default on Debian), without its optimisation and debug
# flags, which the build type chooses. Off for sanitizer and fuzz builds, which instrument on
# their own terms; _FORTIFY_SOURCE only where the build optimises.
option(RUSK_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)" ON)
if(RUSK_HARDENING AND NOT RUSK_SANITIZE AND NOT RUSK_FUZZ)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  set(hardening_compile)
  set(hardening_link)
  if(DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      list(FILTER flags EXCLUDE REGEX "^-(g|O.*|f(file|debug|macro)-prefix-map=.*)$")
      if(kind STREQUAL "LDFLAGS")
        list(APPEND hardening_link ${flags})
      else()
        list(APPEND hardening_compile ${flags})
      endif()
    endforeach()
  else()
    set(hardening_compile -fstack-protector-strong -Wformat -Werror=format-security
        -D_FORTIFY_SOURCE=2)
    set(hardening_link -Wl,-z,relro -Wl,-z,now)
  endif()
  foreach(flag IN LISTS hardening_compile)
    if(flag MATCHES "^-D_FORTIFY_SOURCE")
      # A compiler that defines its own level first would warn about the redefinition.
      add_compile_options($<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE>
                          $<$<NOT:$<CONFIG:Debug>>:${flag}>)
    else()
      add_compile_options(${flag})
    endif()
  endforeach()
  add_link_options(${hardening_link})
  set(RUSK_HARDENED ON)
  message(STATUS "Hardening: ${hardening_compile} ${hardening_link}")
endif()
