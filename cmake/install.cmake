# What `cmake --install` puts in a prefix: the programs, the library and its
# public headers, a CMake package (find_package(Geoweave CONFIG) gives
# Geoweave::geoweave), a pkg-config file, the man pages, the licence and
# geoweave's shell completions.
include(CMakePackageConfigHelpers)

install(TARGETS GeoweaveTest geoweave_program RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS geoweave EXPORT GeoweaveTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${GEOWEAVE_PUBLIC_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/geoweave)

set(GEOWEAVE_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Geoweave)
install(EXPORT GeoweaveTargets NAMESPACE Geoweave:: DESTINATION ${GEOWEAVE_CMAKE_DIR})
configure_package_config_file(cmake/GeoweaveConfig.cmake.in
                              ${CMAKE_CURRENT_BINARY_DIR}/GeoweaveConfig.cmake
                              INSTALL_DESTINATION ${GEOWEAVE_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/GeoweaveConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/GeoweaveConfig.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/GeoweaveConfigVersion.cmake
        DESTINATION ${GEOWEAVE_CMAKE_DIR})

file(RELATIVE_PATH GEOWEAVE_PC_TO_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
configure_file(cmake/geoweave.pc.in ${CMAKE_CURRENT_BINARY_DIR}/geoweave.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/geoweave.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

install(FILES man/GeoweaveTest.1 man/geoweave.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/geoweave)
# Where bash-completion and zsh look by default under a prefix.
install(FILES completions/geoweave.bash
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions RENAME geoweave)
install(FILES completions/_geoweave DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/zsh/site-functions)
