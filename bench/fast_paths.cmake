# What the transports' caches and read-ahead save: steady calls, tagged
# reads, discovery and dvctl get, each beside its floor.
if(TARGET dvcsim)
  dvc_bench(bench_fast_paths SOURCES fast_paths.cpp LIBS dvc_core dvcsim)
  if(TARGET dvctl)
    target_compile_definitions(bench_fast_paths PRIVATE DVCTL_PATH="$<TARGET_FILE:dvctl>")
    add_dependencies(bench_fast_paths dvctl)
  endif()
endif()
