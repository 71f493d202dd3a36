# The Windows package, as a user gets it: cpack makes the ZIP, which is
# unpacked into a fresh folder; it holds the program, the example and the
# plot scripts and the text on how to run it; the program imports no DLL
# beside the system's own; run from the unpacked folder on the shipped
# example, it writes the expected files byte for byte.
#
#   cmake -D BUILD=... -D PACKAGE=... -D CPACK=... -D OBJDUMP=... -D LAUNCHER=...
#         -D STAND_IN=... -D EXPECTED=... -D EMULATOR=... -P package_test.cmake
set(work ${BUILD}/package-test)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
execute_process(COMMAND ${CPACK} -B ${work} WORKING_DIRECTORY ${BUILD} RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed OR NOT EXISTS ${work}/${PACKAGE}.zip)
  message(FATAL_ERROR "cpack made no ${PACKAGE}.zip")
endif()
file(MAKE_DIRECTORY ${work}/unpacked)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${work}/${PACKAGE}.zip WORKING_DIRECTORY ${work}/unpacked)
set(folder ${work}/unpacked/${PACKAGE})
file(GLOB shipped RELATIVE ${folder} ${folder}/*)
list(SORT shipped)
set(wanted LEIA-ME.txt LICENSE.txt convergencia.gnu dados.txt difusao1d.exe temp.gnu temp_med.gnu terminal.gnu)
if(NOT shipped STREQUAL wanted)
  message(FATAL_ERROR "the package holds ${shipped}, not ${wanted}")
endif()

execute_process(COMMAND ${OBJDUMP} -p ${folder}/difusao1d.exe OUTPUT_VARIABLE headers)
string(REGEX MATCHALL "DLL Name: [^\n]*" imports "${headers}")
foreach(import ${imports})
  string(TOLOWER "${import}" import)
  if(NOT import MATCHES "dll name: (kernel32|msvcrt|user32|advapi32|ntdll)\\.dll")
    message(FATAL_ERROR "difusao1d.exe needs ${import}, which Windows does not ship")
  endif()
endforeach()

execute_process(COMMAND ${EMULATOR} ${LAUNCHER} COMSPEC=${STAND_IN} -- difusao1d.exe
                WORKING_DIRECTORY ${folder} RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "the run ended with ${status}: ${errors}")
endif()
foreach(name saida.txt temp.dat temp_med.dat)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${folder}/${name} ${EXPECTED}/${name} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} of the packaged program differs from ${EXPECTED}/${name}")
  endif()
endforeach()
message(STATUS "${PACKAGE}.zip: ${shipped}; the shipped example runs from it byte for byte")
