# libcurl for the configuration application's share request, as the target tesh_curl.
# Natively it is Debian's libcurl. For Windows it is a static libcurl cross-built with
# Schannel from Debian's curl source package by scripts/curl-mingw.sh, once: the build
# is kept in TESH_CURL_CACHE (beside the build folders, so a new build folder reuses it).
if(TARGET tesh_curl)
    return()
endif()

if(NOT WIN32)
    find_package(CURL REQUIRED)
    add_library(tesh_curl INTERFACE)
    target_link_libraries(tesh_curl INTERFACE CURL::libcurl)
    return()
endif()

set(TESH_CURL_CACHE ${PROJECT_SOURCE_DIR}/build/curl-mingw CACHE PATH
    "Where the static mingw libcurl is built and kept, one folder per source version")
message(STATUS "libcurl for Windows: looking in ${TESH_CURL_CACHE}")
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/curl-mingw.sh ${TESH_CURL_CACHE}
    RESULT_VARIABLE curl_result OUTPUT_VARIABLE curl_output)
if(NOT curl_result EQUAL 0)
    message(FATAL_ERROR "The static libcurl for Windows could not be built:\n${curl_output}")
endif()
string(REGEX MATCH "curl-mingw: (using|built) ([^ \n]+)" curl_line "${curl_output}")
set(curl_dir ${CMAKE_MATCH_2})
if(NOT EXISTS ${curl_dir}/lib/libcurl.a)
    message(FATAL_ERROR "No libcurl.a after scripts/curl-mingw.sh:\n${curl_output}")
endif()
message(STATUS "libcurl for Windows: ${curl_dir}")

include(${CMAKE_CURRENT_LIST_DIR}/DelayImports.cmake)
tesh_delay_import(ws2_32)
tesh_delay_import(crypt32)
tesh_delay_import(bcrypt)
add_library(tesh_curl_static STATIC IMPORTED GLOBAL)
set_target_properties(tesh_curl_static PROPERTIES
    IMPORTED_LOCATION ${curl_dir}/lib/libcurl.a
    INTERFACE_INCLUDE_DIRECTORIES ${curl_dir}/include
    INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB
    # Sockets, certificates and random numbers, loaded at the first transfer; libcurl
    # loads Schannel's secur32 itself.
    INTERFACE_LINK_LIBRARIES "tesh_delay_ws2_32;tesh_delay_crypt32;tesh_delay_bcrypt;advapi32")
add_library(tesh_curl INTERFACE)
target_link_libraries(tesh_curl INTERFACE tesh_curl_static)
