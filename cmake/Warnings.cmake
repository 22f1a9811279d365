# Strict warnings for our own targets only (third-party headers come in as
# SYSTEM includes and are not held to them).
function(dvc_strict target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Werror -Wshadow -Wnon-virtual-dtor -Wcast-align
    $<$<COMPILE_LANGUAGE:CXX>:-Woverloaded-virtual>)
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
