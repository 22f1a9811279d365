# Strict warnings for our own targets only (third-party headers come in as
# SYSTEM includes and are not held to them). Warnings fail the build only
# with DVC_WERROR=ON, as the presets (and so CI) set it: a plain
# `cmake -B build` on a newer or older compiler still builds.
option(DVC_WERROR "Treat compiler warnings in libdvc's own targets as errors" OFF)

function(dvc_strict target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wcast-align
    $<$<COMPILE_LANGUAGE:CXX>:-Woverloaded-virtual>
    $<$<BOOL:${DVC_WERROR}>:-Werror>)
endfunction()

# A shared library with hidden symbols: only what a linker version script
# names is exported.
function(dvc_hidden target)
  set_target_properties(${target} PROPERTIES
    C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# Version script and soname for one of the five ABI libraries.
function(dvc_abi_library target output version soversion mapfile)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${output} VERSION ${version} SOVERSION ${soversion}
    LINK_DEPENDS ${mapfile})
  target_link_options(${target} PRIVATE
    -Wl,--version-script=${mapfile} -Wl,--no-undefined -Wl,-z,defs)
  dvc_hidden(${target})
  dvc_strict(${target})
endfunction()
