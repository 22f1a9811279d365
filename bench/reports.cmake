# Reports under load: four monitors reporting while four threads call in.
if(TARGET dvcsim)
  dvc_bench(bench_reports SOURCES reports.cpp LIBS dvc dvcsim)
endif()
