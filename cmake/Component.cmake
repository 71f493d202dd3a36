# difusao_component(<target> [DEPENDS <targets>...] [SOURCES <files>...])
# A static library of the listed sources (an interface library when there
# are none). Its headers are included as "<folder>/<header>.h", the folder
# named from the project's root, through an include root of its own: a folder
# of the build tree holding a link to the component's folder. A component
# sees its own root and those of the components it depends on, nothing else,
# so that a layer including a header of a layer above it fails to build.
function(difusao_component target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "DEPENDS;SOURCES")
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  if(arg_SOURCES)
    add_library(${target} STATIC ${arg_SOURCES})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${arg_DEPENDS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${root})
    target_link_libraries(${target} INTERFACE ${arg_DEPENDS})
  endif()
endfunction()
