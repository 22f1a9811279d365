# 3D LUT: resampling 17 -> 33 and 17 -> 65 against the plain rules and a
# copy of the output's size; a whole 17-node upload's modelled link time
# beside the wire floor.
dvc_bench(bench_lut3d SOURCES lut3d_resample.cpp LIBS dvc_core)
set_source_files_properties(lut3d_resample.cpp PROPERTIES COMPILE_OPTIONS -ffp-contract=off)
if(TARGET dvcsim)
  dvc_bench(bench_lut3d_upload SOURCES lut3d_upload.cpp LIBS dvc_core dvcsim)
endif()
