# Table exports against virtual monitors with the link timing model on:
# transactions and simulated link time per call.
if(TARGET dvcsim)
  dvc_bench(bench_features SOURCES features_links.cpp LIBS dvc_core dvcsim)
endif()
