# What other builds find once libdvc is installed: a pkg-config file, a
# CMake package (find_package(libdvc) gives libdvc::libdvc), and a Debian
# package made by `cpack -G DEB`.
include(CMakePackageConfigHelpers)

set(LIBDVC_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/libdvc)
# The config file finds the prefix relative to itself, so that an installed
# tree can move.
file(RELATIVE_PATH LIBDVC_CONFIG_TO_PREFIX /prefix/${LIBDVC_CMAKE_DIR} /prefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/package/libdvcConfig.cmake.in
               ${CMAKE_BINARY_DIR}/package/libdvcConfig.cmake @ONLY)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package/libdvcConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package/libdvcConfig.cmake ${CMAKE_BINARY_DIR}/package/libdvcConfigVersion.cmake
        DESTINATION ${LIBDVC_CMAKE_DIR})

# The pkg-config file names the prefix given at install time.
install(CODE "
  set(CMAKE_INSTALL_PREFIX \"\${CMAKE_INSTALL_PREFIX}\")
  set(CMAKE_INSTALL_LIBDIR \"${CMAKE_INSTALL_LIBDIR}\")
  set(CMAKE_INSTALL_INCLUDEDIR \"${CMAKE_INSTALL_INCLUDEDIR}\")
  set(PROJECT_VERSION \"${PROJECT_VERSION}\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/package/libdvc.pc.in\"
                 \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/libdvc.pc\" @ONLY)
  message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/libdvc.pc\")
")

set(CPACK_PACKAGE_NAME libdvc)
set(CPACK_PACKAGE_VENDOR "libdvc")
set(CPACK_PACKAGE_CONTACT "libdvc maintainers <libdvc@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reads and changes the settings of computer monitors over DDC/CI and USB HID")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_GENERATOR DEB)
include(CPack)
