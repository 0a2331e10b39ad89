# tabard_add_layer(NAME SOURCES <files...> [BELOW <targets...>] [INCLUDE_FROM <folder>])
# Adds the static library tabard_NAME (Tabard::NAME, libtabard_NAME.a) whose headers
# are reached as <tabard/...> from INCLUDE_FROM/include (default: this folder's),
# in the tree and after install alike. A layer sees only its own headers and those
# of the layers it names in BELOW, so an include that runs up the stack or across to
# a sibling fails to compile.
include(GNUInstallDirs)

function(tabard_add_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 layer "" "INCLUDE_FROM" "SOURCES;BELOW")
  if(NOT layer_INCLUDE_FROM)
    set(layer_INCLUDE_FROM ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  add_library(tabard_${name} STATIC ${layer_SOURCES})
  add_library(Tabard::${name} ALIAS tabard_${name})
  target_include_directories(tabard_${name} PUBLIC $<BUILD_INTERFACE:${layer_INCLUDE_FROM}/include>
                                                   $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_link_libraries(tabard_${name} PUBLIC ${layer_BELOW})
  set_target_properties(tabard_${name} PROPERTIES EXPORT_NAME ${name})
  set_property(GLOBAL APPEND PROPERTY TABARD_LAYERS tabard_${name})
endfunction()
