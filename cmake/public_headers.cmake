# Which headers are public: every header under a layer's include/ but the layer's
# own business listed here, and of the platform layer only the system's types.
# The package installs exactly these, and the reference documents exactly these.
set(TABARD_PRIVATE_HEADERS
  consumed_text.h
  window_slots.h
  item_text.h
  message_shapes.h
  mask_field.h
  mask_sizing.h
  number_fpu.h
)
set(TABARD_PUBLIC_LAYERS base text runtime dialogs controls)

# Sets `out` to the full paths of the public headers, layer by layer, sorted.
function(tabard_public_headers out)
  set(headers)
  foreach(layer ${TABARD_PUBLIC_LAYERS})
    file(GLOB layer_headers ${PROJECT_SOURCE_DIR}/${layer}/include/tabard/${layer}/*.h)
    list(SORT layer_headers)
    foreach(header ${layer_headers})
      get_filename_component(name ${header} NAME)
      if(NOT name IN_LIST TABARD_PRIVATE_HEADERS)
        list(APPEND headers ${header})
      endif()
    endforeach()
  endforeach()
  list(APPEND headers ${PROJECT_SOURCE_DIR}/platform/include/tabard/platform/system_types.h)
  set(${out} ${headers} PARENT_SCOPE)
endfunction()
