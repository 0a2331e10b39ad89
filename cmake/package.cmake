# Installs the toolkit as the Tabard package: the public headers under
# include/tabard, the static libraries, and a CMake package with a version file, so
# that a program takes it with find_package(Tabard CONFIG REQUIRED).
# The platform layer's library is installed because the others link it, but its
# headers, the test hooks and the toolkit's internal headers are not.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(tabard_include_dir ${CMAKE_INSTALL_INCLUDEDIR}/tabard)
set(tabard_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Tabard)

# Target in this tree, and the name a consumer links it by (Tabard::<name>).
set(tabard_targets platform_core core runtime_win32 dialogs control_packing program_globals controls)
set_target_properties(platform_core PROPERTIES EXPORT_NAME platform)
set_target_properties(core PROPERTIES EXPORT_NAME core)
set_target_properties(runtime_win32 PROPERTIES EXPORT_NAME runtime)
set_target_properties(dialogs PROPERTIES EXPORT_NAME dialogs)
set_target_properties(controls PROPERTIES EXPORT_NAME controls)
set_target_properties(control_packing PROPERTIES EXPORT_NAME control_packing)
# The wrappers keep their two receive buffers among the program's globals.
set_target_properties(program_globals PROPERTIES EXPORT_NAME program_globals)
foreach(target ${tabard_targets})
  get_target_property(name ${target} EXPORT_NAME)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME tabard_${name})
  target_include_directories(${target} INTERFACE $<INSTALL_INTERFACE:${tabard_include_dir}>)
endforeach()

install(TARGETS ${tabard_targets} EXPORT TabardTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(EXPORT TabardTargets NAMESPACE Tabard:: DESTINATION ${tabard_cmake_dir})

# Headers a program includes. Everything else in these folders is the toolkit's
# own business.
set(tabard_private_headers
  dialogs/consumed_text.h
  dialogs/window_slots.h
  controls/item_text.h
  controls/message_shapes.h
  text/mask_field.h
  text/number_fpu.h
)
foreach(folder text runtime dialogs controls)
  file(GLOB headers RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.h)
  list(REMOVE_ITEM headers ${tabard_private_headers})
  install(FILES ${headers} DESTINATION ${tabard_include_dir}/${folder})
endforeach()

write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TabardConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/TabardConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/TabardConfigVersion.cmake
        DESTINATION ${tabard_cmake_dir})
