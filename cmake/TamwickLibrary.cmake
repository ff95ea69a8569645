# One static library per source folder, holding every .cpp file in it.
# frame/main.cpp is the process entry and belongs to the executable only.
function(tamwick_library folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/frame/main.cpp)
  if(NOT sources)
    set(sources ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(tamwick_${folder} STATIC ${sources})
  target_include_directories(tamwick_${folder} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(tamwick_${folder} PUBLIC
    PkgConfig::ALLEGRO fmt::fmt Boost::headers ZLIB::ZLIB Threads::Threads)
endfunction()
