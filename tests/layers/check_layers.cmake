cmake_minimum_required(VERSION 3.25)

# The program's layers, checked on the #include lines of its sources.
#   cmake -DROOT=<source root> -P check_layers.cmake
# lists every include that runs against the layers and fails when there is one.

# The layers from the bottom: rank, name, and the files the layer holds as a
# regular expression over the path from the source root. A file belongs to the
# LAST line it matches, so a narrower pattern follows the wider one it carves
# from. A file may include its own layer and lower ranks; two layers of one
# rank never include each other.
set(TAMWICK_LAYERS
  "0 platform ^platform/"
  "1 ground   ^frame/"
  "2 media    ^media/"
  "2 controls ^controls/"
  "3 display  ^frame/display/"
  "3 rules    ^game/"
  "4 drawing  ^game/draw/"
  "5 session  ^session/"
  "6 menus    ^menus/"
  "7 program  ^frame/program/"
)
# Includes refused whatever the ranks say: the game rules draw nothing.
set(TAMWICK_LAYER_BANS "rules drawing" "rules display")
# The folders searched for sources; every source in them must have a layer.
set(TAMWICK_LAYER_FOLDERS platform frame media controls game session menus)

# <out_rank> and <out_name> of the layer of <path> (relative to the root), or
# empty when no layer holds it.
function(tamwick_layer_of path out_rank out_name)
  set(rank "")
  set(name "")
  foreach(entry IN LISTS TAMWICK_LAYERS)
    string(REGEX MATCH "^([0-9]+) +([a-z]+) +(.+)$" parsed "${entry}")
    set(entry_rank ${CMAKE_MATCH_1})
    set(entry_name ${CMAKE_MATCH_2})
    if(path MATCHES "${CMAKE_MATCH_3}")
      set(rank ${entry_rank})
      set(name ${entry_name})
    endif()
  endforeach()
  set(${out_rank} "${rank}" PARENT_SCOPE)
  set(${out_name} "${name}" PARENT_SCOPE)
endfunction()

# True in <out> when a file of layer <from> may include one of layer <to>.
function(tamwick_layer_allows from_rank from to_rank to out)
  set(allowed TRUE)
  if(NOT from STREQUAL to)
    if(to_rank GREATER_EQUAL from_rank OR "${from} ${to}" IN_LIST TAMWICK_LAYER_BANS)
      set(allowed FALSE)
    endif()
  endif()
  set(${out} ${allowed} PARENT_SCOPE)
endfunction()

# The sources of the layer folders under <root>, relative to it and sorted.
function(tamwick_layer_sources root out)
  set(sources)
  foreach(folder IN LISTS TAMWICK_LAYER_FOLDERS)
    file(GLOB_RECURSE found RELATIVE "${root}" "${root}/${folder}/*.h" "${root}/${folder}/*.cpp")
    list(APPEND sources ${found})
  endforeach()
  list(SORT sources)
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# Every fault of the tree under <root>, one line each, into <out>: a source
# without a layer, or an include that runs against the layers. An include
# without a folder names a neighbour in the including file's folder.
function(tamwick_check_layers root out)
  tamwick_layer_sources("${root}" sources)
  set(faults)
  foreach(source IN LISTS sources)
    tamwick_layer_of("${source}" rank name)
    if(name STREQUAL "")
      list(APPEND faults "${source}: in no layer")
      continue()
    endif()
    get_filename_component(folder "${source}" DIRECTORY)
    file(STRINGS "${root}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    foreach(line IN LISTS includes)
      string(REGEX MATCH "\"([^\"]+)\"" quoted "${line}")
      set(written "${CMAKE_MATCH_1}")
      set(target "${written}")
      if(NOT target MATCHES "/")
        set(target "${folder}/${target}")
      endif()
      tamwick_layer_of("${target}" to_rank to_name)
      if(to_name STREQUAL "")
        continue()
      endif()
      tamwick_layer_allows(${rank} ${name} ${to_rank} ${to_name} allowed)
      if(NOT allowed)
        list(APPEND faults "${source}: ${name} includes ${to_name} (${written})")
      endif()
    endforeach()
  endforeach()
  set(${out} "${faults}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  if(NOT DEFINED ROOT)
    message(FATAL_ERROR "usage: cmake -DROOT=<source root> -P check_layers.cmake")
  endif()
  tamwick_check_layers("${ROOT}" faults)
  if(faults)
    list(JOIN faults "\n" text)
    list(LENGTH faults count)
    message("${text}")
    message(FATAL_ERROR "${count} faults against the layers")
  endif()
  message(STATUS "layers hold")
endif()
