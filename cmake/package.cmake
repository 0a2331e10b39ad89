# Installs the toolkit as the Tabard package: its layers' static libraries, their
# public headers under include/tabard/<layer>, and a CMake package with a version
# file, so that a program takes it with find_package(Tabard CONFIG REQUIRED). Of the
# platform layer only the header of the system's types is installed: the others
# are the toolkit's own business, and so are the internal headers listed in
# public_headers.cmake.
# Nothing of the demo, its tests or its examples is installed.
include(CMakePackageConfigHelpers)

set(tabard_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Tabard)

get_property(tabard_layers GLOBAL PROPERTY TABARD_LAYERS)
install(TARGETS ${tabard_layers} EXPORT TabardTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT TabardTargets NAMESPACE Tabard:: DESTINATION ${tabard_cmake_dir})

include(${CMAKE_CURRENT_LIST_DIR}/public_headers.cmake)
list(JOIN TABARD_PRIVATE_HEADERS "|" private_names)
string(REPLACE "." "\\." private_names "${private_names}")
foreach(layer ${TABARD_PUBLIC_LAYERS})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/${layer}/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
          FILES_MATCHING PATTERN "*.h" REGEX "/(${private_names})$" EXCLUDE)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/platform/include/tabard/platform/system_types.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tabard/platform)

write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TabardConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/TabardConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/TabardConfigVersion.cmake
        DESTINATION ${tabard_cmake_dir})
