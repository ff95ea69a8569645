# The program's libraries form layers: each one may use the layers below it and
# never one above. Each layer is one source folder.

set(TAMWICK_COMMON_DEPS PkgConfig::ALLEGRO fmt::fmt Boost::headers ZLIB::ZLIB Threads::Threads)

# tamwick_layer(<name> FOLDER <folder> [DEPENDS <libs...>])
# Builds tamwick_<name> from the .cpp files directly in <folder>. A folder's
# main.cpp is a program's entry point, built by its executable, not the library.
function(tamwick_layer name)
  cmake_parse_arguments(L "" "FOLDER" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${L_FOLDER}/*.cpp)
  list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${L_FOLDER}/main.cpp)
  if(NOT sources)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(tamwick_${name} STATIC ${sources})
  target_include_directories(tamwick_${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tamwick_${name} PUBLIC ${TAMWICK_COMMON_DEPS} ${L_DEPENDS})
  # The simulation must give the same floats on every build.
  target_compile_options(tamwick_${name} PRIVATE -ffp-contract=off)
endfunction()
