# Delay-loaded system libraries for the Windows programs. Windows loads every DLL a
# program imports before its first line runs, and under Wine each costs tens of
# milliseconds at every start. A library that only a rare command needs (the share
# request's sockets, certificates, digest and UUID) is linked through a delay-import
# library instead, made here with dlltool from mingw's own import library: the DLL is
# then loaded at its first call.
#
#   tesh_delay_import(ws2_32)   defines the target tesh_delay_ws2_32
function(tesh_delay_import name)
    set(target tesh_delay_${name})
    if(TARGET ${target})
        return()
    endif()
    find_program(TESH_DLLTOOL NAMES x86_64-w64-mingw32-dlltool REQUIRED)
    find_program(TESH_MINGW_NM NAMES x86_64-w64-mingw32-nm REQUIRED)
    find_library(import_${name} NAMES ${name} REQUIRED)
    find_library(TESH_DELAYIMP NAMES delayimp REQUIRED)
    set(dir ${CMAKE_BINARY_DIR}/delay-imports)
    set(lib ${dir}/lib${name}_delay.a)
    if(NOT EXISTS ${lib} OR ${import_${name}} IS_NEWER_THAN ${lib})
        file(MAKE_DIRECTORY ${dir})
        execute_process(COMMAND ${TESH_DLLTOOL} --identify ${import_${name}}
            OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        string(REGEX REPLACE "\n.*" "" dll "${dll}")
        execute_process(COMMAND ${TESH_MINGW_NM} ${import_${name}}
            OUTPUT_VARIABLE symbols ERROR_QUIET)
        # Every function the import library names ("I __imp_Name").
        string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
        list(TRANSFORM imports REPLACE " I __imp_" "")
        list(REMOVE_DUPLICATES imports)
        list(JOIN imports "\n" exports)
        file(WRITE ${dir}/${name}.def "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
        execute_process(COMMAND ${TESH_DLLTOOL} --input-def ${dir}/${name}.def --dllname ${dll}
            --output-delaylib ${lib} COMMAND_ERROR_IS_FATAL ANY)
    endif()
    add_library(${target} STATIC IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES IMPORTED_LOCATION ${lib}
        INTERFACE_LINK_LIBRARIES ${TESH_DELAYIMP})
endfunction()
