# Benchmarks (`make bench`): off in everyday builds, which then need neither
# Google Benchmark nor the X libraries the start-up watch uses.
option(QUORVANE_BENCH "Build the benchmarks and the bare Qt window they compare the editor with" OFF)

if(QUORVANE_BENCH)
  if(NOT TARGET quorvane_test_support)
    message(FATAL_ERROR "The benchmarks build their saves with the test support library; configure with BUILD_TESTING=ON")
  endif()
  find_package(benchmark REQUIRED)
  find_package(X11 REQUIRED)
  if(NOT X11_Xdamage_FOUND)
    message(FATAL_ERROR "The start-up watch needs the X DAMAGE library (Debian: libxdamage-dev)")
  endif()

  add_executable(quorvane_bare_window bench/BareWindow.cpp)
  target_link_libraries(quorvane_bare_window PRIVATE Qt6::Widgets)

  file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/bench/*.cpp)
  list(FILTER BENCH_SOURCES EXCLUDE REGEX "/BareWindow\\.cpp$")
  add_executable(quorvane_bench ${BENCH_SOURCES})
  target_link_libraries(quorvane_bench PRIVATE
    quorvane_ui quorvane_test_support benchmark::benchmark X11::X11 X11::Xdamage)
  # The two programs whose start it times, and a folder on the build's own
  # disk, so a write's flush reaches a real device.
  target_compile_definitions(quorvane_bench PRIVATE
    QUORVANE_EDITOR_PROGRAM="$<TARGET_FILE:quorvane>"
    QUORVANE_BARE_WINDOW_PROGRAM="$<TARGET_FILE:quorvane_bare_window>"
    QUORVANE_BENCH_WORK_PARENT="${CMAKE_BINARY_DIR}")
  add_dependencies(quorvane_bench quorvane quorvane_bare_window)
endif()
