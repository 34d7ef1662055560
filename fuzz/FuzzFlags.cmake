# The fuzz build (RUSK_FUZZ=ON), included by the top-level CMakeLists.txt before any target:
# every object is instrumented for libFuzzer's coverage and checked by ASan and UBSan; only the
# targets in fuzz/ link libFuzzer itself (-fsanitize=fuzzer). Build it in a folder of its own
# (scripts/fuzz.sh uses build-fuzz/).
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "RUSK_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
if(RUSK_SANITIZE)
  message(FATAL_ERROR "RUSK_FUZZ brings its own sanitizers: leave RUSK_SANITIZE empty")
endif()
# UBSan's check of indirect calls through the function's type (-fsanitize=function) cannot be
# emitted for coroutines by this clang ("Cannot represent a difference across sections"): the
# link's waits are coroutines, so that one check is left out.
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize=function
                    -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined -fno-sanitize=function -fno-sanitize-recover=all)
message(STATUS "Fuzz build: libFuzzer coverage, ASan and UBSan")
