cmake_minimum_required(VERSION 3.25)

# The layer check's own test. The sources are copied, and one file of every
# layer is given an include of a header of each layer it may not use (the
# layers' own table decides which); the check must name every planted include
# and nothing else.
#   cmake -DROOT=<source root> -DSCRATCH=<folder to copy into> -P planted_includes.cmake

include(${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake)

if(NOT DEFINED ROOT OR NOT DEFINED SCRATCH)
  message(FATAL_ERROR "usage: cmake -DROOT=<source root> -DSCRATCH=<folder> -P planted_includes.cmake")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
foreach(folder IN LISTS TAMWICK_LAYER_FOLDERS)
  file(COPY "${ROOT}/${folder}" DESTINATION "${SCRATCH}")
endforeach()

# The first source and the first header of each layer.
tamwick_layer_sources("${SCRATCH}" sources)
set(layers)
foreach(source IN LISTS sources)
  tamwick_layer_of("${source}" rank name)
  if(name STREQUAL "")
    message(FATAL_ERROR "${source}: in no layer")
  endif()
  if(NOT DEFINED source_of_${name})
    set(source_of_${name} "${source}")
    set(rank_of_${name} ${rank})
    list(APPEND layers ${name})
  endif()
  if(NOT DEFINED header_of_${name} AND source MATCHES "\\.h$")
    set(header_of_${name} "${source}")
  endif()
endforeach()

set(expected)
foreach(from IN LISTS layers)
  get_filename_component(from_folder "${source_of_${from}}" DIRECTORY)
  set(planted "")
  foreach(to IN LISTS layers)
    if(NOT DEFINED header_of_${to})
      continue()
    endif()
    tamwick_layer_allows(${rank_of_${from}} ${from} ${rank_of_${to}} ${to} allowed)
    if(allowed)
      continue()
    endif()
    # A header in the same folder is included by its name alone.
    set(header "${header_of_${to}}")
    get_filename_component(to_folder "${header}" DIRECTORY)
    if(from_folder STREQUAL to_folder)
      get_filename_component(header "${header}" NAME)
    endif()
    string(APPEND planted "#include \"${header}\"\n")
    list(APPEND expected "${source_of_${from}}: ${from} includes ${to} (${header})")
  endforeach()
  file(APPEND "${SCRATCH}/${source_of_${from}}" "${planted}")
endforeach()

# The planted includes must cover the faults the layers exist to prevent.
foreach(needed IN ITEMS " ground includes menus " " rules includes drawing " " rules includes display "
                        " media includes controls ")
  string(FIND "${expected}" "${needed}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "nothing planted for \"${needed}\"; the layer table has changed")
  endif()
endforeach()

tamwick_check_layers("${SCRATCH}" found)
list(SORT expected)
list(SORT found)
set(missed ${expected})
list(REMOVE_ITEM missed ${found})
set(extra ${found})
list(REMOVE_ITEM extra ${expected})
file(REMOVE_RECURSE "${SCRATCH}")
if(missed OR extra)
  list(JOIN missed "\n  " missed)
  list(JOIN extra "\n  " extra)
  message(FATAL_ERROR "planted but not found:\n  ${missed}\nfound but not planted:\n  ${extra}")
endif()
list(LENGTH expected count)
message(STATUS "all ${count} planted includes found")
