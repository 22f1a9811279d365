# A key/value set (the store read, then written whole) on each path, beside
# the floor of the tagged transfer.
if(TARGET dvcsim)
  dvc_bench(bench_storage SOURCES storage.cpp LIBS dvc_core dvcsim)
endif()
