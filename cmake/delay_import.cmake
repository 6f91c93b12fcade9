# Makes a delay-load import library for one system DLL from its ordinary MinGW import
# library: every function it exports, loaded at the first call instead of at start-up.
# cmake -DNM= -DDLLTOOL= -DIMPORT_LIB= -DDLL= -DOUT= -P delay_import.cmake
execute_process(COMMAND ${NM} -g --defined-only ${IMPORT_LIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "cannot list ${IMPORT_LIB}")
endif()
# Functions have both an import thunk (T name) and a pointer (I __imp_name); data only the pointer.
string(REGEX MATCHALL "[^\n]* T [A-Za-z_][A-Za-z0-9_@]*" thunks "${symbols}")
set(def "LIBRARY ${DLL}\nEXPORTS\n")
foreach(line IN LISTS thunks)
  string(REGEX REPLACE ".* T " "" name "${line}")
  if(symbols MATCHES " I __imp_${name}\n")
    string(APPEND def "${name}\n")
  endif()
endforeach()
get_filename_component(dir ${OUT} DIRECTORY)
file(WRITE ${dir}/${DLL}.def "${def}")
execute_process(COMMAND ${DLLTOOL} --input-def ${dir}/${DLL}.def --dllname ${DLL} --output-delaylib ${OUT}
                RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "dlltool could not make ${OUT}")
endif()
