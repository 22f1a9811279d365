# ddclink's hardware backend on the emulated bus, with real displays'
# timing: a steady-state Get, and discovery of 1, 4 and 16 displays, each
# beside the protocol's own floor (the pauses a display requires).
if(TARGET ddc_emulated)
  dvc_bench(bench_ddc SOURCES ddc_link.cpp LIBS ddc_emulated)
endif()
