# difusao_component(<target> [DEPENDS <targets>...] [SOURCES <files>...])
# A static library of every source in the calling folder (a program's
# main.cpp excepted) and of the generated SOURCES, seen by the rest of the
# project through headers included from the project root.
function(difusao_component target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "DEPENDS;SOURCES")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  list(APPEND sources ${arg_SOURCES})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${arg_DEPENDS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${target} INTERFACE ${arg_DEPENDS})
  endif()
endfunction()
