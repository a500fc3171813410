# The setup program's listing of a staged directory (installer/stage_files.cmake): which
# files are the user's settings (installed only where missing, kept by the uninstaller)
# and which are program files (replaced and removed), the maker's featlink.dll in place
# of every staged one, and paths that the script language would misread. With makensis
# at hand, the listing is compiled too.
#   cmake -DSOURCE=REPO -DWORK=DIR [-DMAKENSIS=PATH] -P stage_files_test.cmake
cmake_minimum_required(VERSION 3.25)
set(dist ${WORK}/dist)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${dist})

# Path in the staged directory, and what it must be.
set(cases
    "config.ini|settings"
    "DeviceInfo.ini|settings"
    "RUNSSTART.INI|settings"
    "My profile.qfm|settings"
    "config/Timer.ini|settings"
    "config/Preset_sequence.dat|settings"
    "config/sub/Default0.qfm|settings"
    "FWUpdate/config.ini|program"
    "FWUpdate/featlink.dll|maker"
    "featlink.dll|maker"
    "TeshUlmaOpticalMonitor.exe|program"
    "qfm.txt|program"
    "Wave/Volume/go.wav|program"
    "configs/x.ini|program"
    "cost $1.txt|program"
)
foreach(case ${cases})
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 path)
    file(WRITE "${dist}/${path}" "${path}")
endforeach()
file(MAKE_DIRECTORY ${dist}/help)
file(WRITE ${WORK}/maker.dll "maker")
file(WRITE ${WORK}/names.cmake [[
set(SETTINGS_FILES "config.ini;DeviceInfo.ini;RunsStart.ini")
set(SETTINGS_FOLDER "config")
set(PROFILE_FILES "*.qfm")
]])

execute_process(COMMAND ${CMAKE_COMMAND} -DDIST=${dist} -DNAMES=${WORK}/names.cmake
                -DFEATLINK=${WORK}/maker.dll -DOUT=${WORK}/files.nsh
                -P ${SOURCE}/installer/stage_files.cmake RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "stage_files.cmake failed: ${result}")
endif()
file(READ ${WORK}/files.nsh listing)
string(REGEX MATCH "TESH_INSTALL_PROGRAM_FILES\n(.*)!macroend\n!macro TESH_INSTALL_SETTINGS" programs
       "${listing}")
string(REGEX MATCH "TESH_INSTALL_SETTINGS_FILES\n(.*)!macroend\n!macro TESH_REMOVE" settings
       "${listing}")
string(REGEX MATCH "TESH_REMOVE_PROGRAM_FILES\n(.*)!macroend" removal "${listing}")

set(failures "")
# Notes a failure when `value` (TRUE or FALSE) is not `wanted`.
function(expect value wanted what)
    if((value AND NOT wanted) OR (wanted AND NOT value))
        set(failures "${failures}\n  ${what}" PARENT_SCOPE)
    endif()
endfunction()
function(contains out text part)
    string(FIND "${text}" "${part}" at)
    if(at EQUAL -1)
        set(${out} FALSE PARENT_SCOPE)
    else()
        set(${out} TRUE PARENT_SCOPE)
    endif()
endfunction()

foreach(case ${cases})
    string(REPLACE "|" ";" case "${case}")
    list(GET case 0 path)
    list(GET case 1 kind)
    string(REPLACE "/" "\\" target "${path}")
    string(REPLACE "$" "$$" target "${target}")
    get_filename_component(name "${path}" NAME)
    string(REPLACE "$" "$$" name "${name}")
    set(source "${dist}/${path}")
    if(kind STREQUAL "maker")
        set(source "${WORK}/maker.dll")
    endif()
    set(file_line "File \"/oname=${name}\" \"${source}\"")
    set(guard "\${IfNot} \${FileExists} \"$INSTDIR\\${target}\"")
    set(delete "Delete \"$INSTDIR\\${target}\"")
    contains(in_programs "${programs}" "${file_line}")
    contains(in_settings "${settings}" "${file_line}")
    contains(guarded "${settings}" "${guard}")
    contains(removed "${removal}" "${delete}")
    if(kind STREQUAL "settings")
        expect(${in_settings} TRUE "${path}: not installed as a settings file")
        expect(${guarded} TRUE "${path}: installed over the user's")
        expect(${in_programs} FALSE "${path}: installed as a program file")
        expect(${removed} FALSE "${path}: removed by the uninstaller")
    else()
        expect(${in_programs} TRUE "${path}: not installed as a program file from ${source}")
        expect(${in_settings} FALSE "${path}: installed as a settings file")
        expect(${removed} TRUE "${path}: not removed by the uninstaller")
    endif()
endforeach()
# Program folders go, deepest first, the settings folder stays.
string(FIND "${removal}" "RMDir \"$INSTDIR\\Wave\\Volume\"" volume)
string(FIND "${removal}" "RMDir \"$INSTDIR\\Wave\"" wave)
set(ordered FALSE)
if(volume GREATER -1 AND volume LESS wave)
    set(ordered TRUE)
endif()
expect(${ordered} TRUE "Wave\\Volume not removed before Wave")
contains(help_removed "${removal}" "RMDir \"$INSTDIR\\help\"")
expect(${help_removed} TRUE "the empty program folder help is not removed")
contains(config_removed "${removal}" "RMDir \"$INSTDIR\\config\"")
expect(${config_removed} FALSE "the settings folder is removed")

if(failures)
    message(FATAL_ERROR "The listing is wrong:${failures}\n--- files.nsh:\n${listing}")
endif()

if(MAKENSIS)
    file(WRITE ${WORK}/listing.nsi "Unicode true
RequestExecutionLevel user
OutFile \"${WORK}/listing.exe\"
InstallDir \"$TEMP\\listing\"
!include LogicLib.nsh
!include \"${WORK}/files.nsh\"
Section
    !insertmacro TESH_INSTALL_PROGRAM_FILES
    !insertmacro TESH_INSTALL_SETTINGS_FILES
    WriteUninstaller \"$INSTDIR\\u.exe\"
SectionEnd
Section un.Remove
    !insertmacro TESH_REMOVE_PROGRAM_FILES
SectionEnd
")
    execute_process(COMMAND ${MAKENSIS} -V2 -WX ${WORK}/listing.nsi RESULT_VARIABLE result
                    OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "makensis does not take the listing:\n${output}")
    endif()
endif()
message(STATUS "The listing of ${dist} is right")
