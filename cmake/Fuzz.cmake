# libFuzzer targets, built only in a folder of their own configured with
# -DQUORVANE_FUZZ=ON and clang (`make fuzz` does both), so the normal build
# never needs clang.
option(QUORVANE_FUZZ "Build the libFuzzer targets, with AddressSanitizer and UBSan" OFF)

if(QUORVANE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUORVANE_FUZZ needs clang++ (libFuzzer); this build uses ${CMAKE_CXX_COMPILER_ID}")
  endif()

  # Everything is built with both sanitizers, and any UB halts at once, so
  # libFuzzer sees it as a crash. Only the program's own code carries the
  # coverage hooks libFuzzer steers by: in the helpers that check its work
  # they would only slow every input and reward the fuzzer for nothing.
  set(QUORVANE_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  foreach(library IN ITEMS quorvane_logic quorvane_ui)
    target_compile_options(${library} PUBLIC ${QUORVANE_FUZZ_SANITIZERS} PRIVATE -fsanitize=fuzzer-no-link)
    target_link_options(${library} PUBLIC ${QUORVANE_FUZZ_SANITIZERS})
  endforeach()

  # Shared by the targets: their scratch folders, the bytes a save may
  # change in, and the fixture saves the tests build too.
  add_library(quorvane_fuzz_support STATIC
    fuzz/ScratchFolder.cpp
    fuzz/SaveRegions.cpp
    tests/support/FixtureSave.cpp)
  target_include_directories(quorvane_fuzz_support PUBLIC
    ${CMAKE_CURRENT_SOURCE_DIR}/fuzz ${CMAKE_CURRENT_SOURCE_DIR}/tests)
  target_link_libraries(quorvane_fuzz_support PUBLIC quorvane_logic)

  set(QUORVANE_FUZZ_TARGETS)
  function(quorvane_fuzz_target name source)
    add_executable(${name} ${source} ${ARGN})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE quorvane_fuzz_support)
    set(QUORVANE_FUZZ_TARGETS ${QUORVANE_FUZZ_TARGETS} ${name} PARENT_SCOPE)
  endfunction()

  quorvane_fuzz_target(fuzz_load_save fuzz/LoadSaveFuzzer.cpp fuzz/OffscreenEditor.cpp)
  target_link_libraries(fuzz_load_save PRIVATE quorvane_ui)
  quorvane_fuzz_target(fuzz_member_file fuzz/MemberFileFuzzer.cpp fuzz/OffscreenEditor.cpp)
  target_link_libraries(fuzz_member_file PRIVATE quorvane_ui)
  quorvane_fuzz_target(fuzz_name_codec fuzz/NameCodecFuzzer.cpp)

  # Each target's seed corpus is written by the build into corpus/<target>/;
  # libFuzzer adds what it learns to the same folder on later runs.
  add_executable(make_seed_corpora fuzz/MakeSeedCorpora.cpp)
  target_link_libraries(make_seed_corpora PRIVATE quorvane_fuzz_support)
  add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/corpus/seeded
    COMMAND make_seed_corpora ${CMAKE_CURRENT_BINARY_DIR}/corpus
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_CURRENT_BINARY_DIR}/corpus/seeded
    DEPENDS make_seed_corpora
    COMMENT "Writing the fuzz seed corpora")
  add_custom_target(fuzz_seeds DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/corpus/seeded)

  add_custom_target(fuzzers DEPENDS ${QUORVANE_FUZZ_TARGETS} fuzz_seeds)
endif()
