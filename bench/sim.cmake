# The simulator's link timing model: a DDC/CI read costs its reply delay
# when the model is on, microseconds when it is off.
if(TARGET dvcsim)
  dvc_bench(bench_sim SOURCES sim_link.cpp LIBS dvcsim ddclink hidlink)
  # A tagged item read by the library in each model's block mode.
  dvc_bench(bench_sim_tags SOURCES sim_tags.cpp LIBS dvc_core dvcsim)
endif()
