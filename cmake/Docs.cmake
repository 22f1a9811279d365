# `docs`: the API reference of the public headers, written by Doxygen into
# build/<preset>/docs/html; the warnings (undocumented functions among them)
# land in docs/warnings.txt.
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
  return()
endif()
set(DVC_DOCS_OUTPUT ${CMAKE_BINARY_DIR}/docs)
configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${DVC_DOCS_OUTPUT}/Doxyfile @ONLY)
add_custom_target(docs
  COMMAND ${DOXYGEN_EXECUTABLE} ${DVC_DOCS_OUTPUT}/Doxyfile
  WORKING_DIRECTORY ${DVC_DOCS_OUTPUT}
  COMMENT "Writing the API reference with Doxygen"
  VERBATIM)

# Every public function has its documentation: the test names any that has none.
if(DVC_BUILD_TESTS)
  add_test(NAME api_reference_complete
           COMMAND sh -c "${DOXYGEN_EXECUTABLE} Doxyfile && ! grep 'Member DvCtrl.* is not documented' warnings.txt"
           WORKING_DIRECTORY ${DVC_DOCS_OUTPUT})
endif()
