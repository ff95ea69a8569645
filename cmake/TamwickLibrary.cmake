# The program's libraries form layers: each one may use the layers below it and
# never one above. A source folder may hold two layers; a file goes to the
# layer whose name pattern it matches (see tamwick_layer's FILES argument).

set(TAMWICK_COMMON_DEPS PkgConfig::ALLEGRO fmt::fmt Boost::headers ZLIB::ZLIB Threads::Threads)

# tamwick_layer(<name> FOLDER <folder> [INCLUDE <regex>] [EXCLUDE <regex>] [DEPENDS <libs...>])
# Builds tamwick_<name> from the .cpp files of <folder> whose base names match
# INCLUDE (all when absent) and do not match EXCLUDE.
function(tamwick_layer name)
  cmake_parse_arguments(L "" "FOLDER;INCLUDE;EXCLUDE" "DEPENDS" ${ARGN})
  file(GLOB candidates CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/*.cpp)
  set(sources)
  foreach(file IN LISTS candidates)
    get_filename_component(stem ${file} NAME_WE)
    if(L_INCLUDE AND NOT stem MATCHES "${L_INCLUDE}")
      continue()
    endif()
    if(L_EXCLUDE AND stem MATCHES "${L_EXCLUDE}")
      continue()
    endif()
    list(APPEND sources ${file})
  endforeach()
  if(NOT sources)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(tamwick_${name} STATIC ${sources})
  target_include_directories(tamwick_${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tamwick_${name} PUBLIC ${TAMWICK_COMMON_DEPS} ${L_DEPENDS})
  # The simulation must give the same floats on every build.
  target_compile_options(tamwick_${name} PRIVATE -ffp-contract=off)
endfunction()
