# Compiles through ccache when it is installed (DVC_CCACHE=OFF to stop), set
# up so that clones of the project in different folders share one cache:
# paths under the source root are rewritten relative to the build folder
# (base_dir) and the build folder itself is left out of the hash (hash_dir).
# The sloppiness lets ccache take compiles that use a precompiled header.
# The rest of the configuration (cache folder, size) is the user's; CI sets
# CCACHE_MAXSIZE in .ci/run.
#
# A compile definition that holds an absolute path of the source or build
# folder differs from clone to clone: every file of its target then misses
# ccache's direct mode (one preprocessor run each) and the files that use it
# are compiled again. Give such a definition to the one source file that
# reads it.
option(DVC_CCACHE "Compile through ccache when it is installed" ON)

if(DVC_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER AND NOT CMAKE_C_COMPILER_LAUNCHER)
  find_program(DVC_CCACHE_PROGRAM ccache)
  find_program(DVC_ENV_PROGRAM env)
  if(DVC_CCACHE_PROGRAM AND DVC_ENV_PROGRAM)
    set(dvc_launcher ${DVC_ENV_PROGRAM} CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=1
                     CCACHE_SLOPPINESS=pch_defines,time_macros ${DVC_CCACHE_PROGRAM})
    set(CMAKE_C_COMPILER_LAUNCHER ${dvc_launcher})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${dvc_launcher})
    message(STATUS "Compiling through ccache (${DVC_CCACHE_PROGRAM})")
  else()
    message(STATUS "ccache not found: compiling without it")
  endif()
endif()
