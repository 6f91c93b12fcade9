# Makes a delay-load import library for one system DLL from its ordinary MinGW import
# library: every function it exports, loaded at the first call instead of at start-up.
# cmake -DNM= -DDLLTOOL= -DIMPORT_LIB= -DDLL= -DOUT= [-DX86=ON] -P delay_import.cmake
# X86: 32-bit names, which carry a leading underscore and, for stdcall, @ and the
# argument bytes (_ShellExecuteExW@4); the DLL itself exports the bare name.
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
    if(X86)
      string(REGEX REPLACE "^_" "" name "${name}")
    endif()
    string(APPEND def "${name}\n")
  endif()
endforeach()
get_filename_component(dir ${OUT} DIRECTORY)
file(WRITE ${dir}/${DLL}.def "${def}")
set(kill_at)
if(X86)
  set(kill_at --kill-at)
endif()
execute_process(COMMAND ${DLLTOOL} --input-def ${dir}/${DLL}.def --dllname ${DLL} ${kill_at} --output-delaylib ${OUT}
                RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "dlltool could not make ${OUT}")
endif()
