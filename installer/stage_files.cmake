# Writes the NSIS macros that install and remove the staged program directory, from
# what it holds when the setup program is made:
#   cmake -DDIST=DIR -DNAMES=settings_names.cmake -DOUT=files.nsh [-DFEATLINK=FILE]
#         -P stage_files.cmake
# The user's settings files (NAMES: the files at the top, the settings folder, the
# profile copies) are installed only where the user has none, so that an upgrade keeps
# the user's, and the uninstaller leaves them. Every other file is a program file: an
# upgrade replaces it, the uninstaller removes it. FEATLINK, when given, is packed as
# every featlink.dll. OUT names each file's size and time and is rewritten only when it
# changes, so makensis runs again exactly when a packed file changed.
cmake_minimum_required(VERSION 3.25)
foreach(var DIST NAMES OUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "stage_files.cmake: -D${var}= is missing")
    endif()
endforeach()
if(NOT IS_DIRECTORY ${DIST})
    message(FATAL_ERROR "stage_files.cmake: no staged directory ${DIST}")
endif()
include(${NAMES})
set(featlink_name featlink.dll)
string(TOLOWER "${SETTINGS_FILES}" settings_files)
string(TOLOWER "${SETTINGS_FOLDER}" settings_folder)
string(REPLACE "*" "" profile_suffix "${PROFILE_FILES}")
string(TOLOWER "${profile_suffix}" profile_suffix)
string(REPLACE "." "\\." profile_suffix "${profile_suffix}")  # a pattern

# True in `out` when the staged path `rel` (with "/") is one of the user's settings:
# the settings folder and all in it, and the settings files at the top.
function(is_setting out rel)
    string(TOLOWER "${rel}" name)
    string(REGEX REPLACE "/.*" "" top "${name}")
    set(result FALSE)
    if(top STREQUAL settings_folder)
        set(result TRUE)
    elseif(top STREQUAL name AND NOT IS_DIRECTORY ${DIST}/${rel})
        if(name IN_LIST settings_files OR name MATCHES "${profile_suffix}$")
            set(result TRUE)
        endif()
    endif()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

# A path as the script writes it: Windows separators, "$" doubled.
function(nsis_path out path)
    string(REPLACE "/" "\\" path "${path}")
    string(REPLACE "$" "$$" path "${path}")
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE entries LIST_DIRECTORIES true RELATIVE ${DIST} ${DIST}/*)
list(SORT entries)
set(install_programs "")
set(install_settings "")
set(remove_files "")
set(program_dirs "")
set(last_dir "-")
foreach(rel ${entries})
    is_setting(setting "${rel}")
    if(IS_DIRECTORY ${DIST}/${rel})
        nsis_path(dir "${rel}")
        if(setting)
            string(APPEND install_settings "  CreateDirectory \"$INSTDIR\\${dir}\"\n")
        else()
            list(APPEND program_dirs "${dir}")
        endif()
        continue()
    endif()
    get_filename_component(name "${rel}" NAME)
    get_filename_component(parent "${rel}" DIRECTORY)
    set(source ${DIST}/${rel})
    string(TOLOWER "${name}" lower_name)
    if(FEATLINK AND lower_name STREQUAL featlink_name)
        set(source ${FEATLINK})
    endif()
    file(SIZE ${source} size)
    file(TIMESTAMP ${source} time "%Y-%m-%dT%H:%M:%S" UTC)
    nsis_path(target "${rel}")
    set(out_dir "$INSTDIR")
    if(parent)
        nsis_path(parent_text "${parent}")
        string(APPEND out_dir "\\${parent_text}")
    endif()
    string(REPLACE "$" "$$" name_text "${name}")
    # The source is taken as it stands when the setup program is made; the name is
    # expanded when it is installed.
    set(file_line "File \"/oname=${name_text}\" \"${source}\" ; ${size} ${time}\n")
    if(setting)
        string(APPEND install_settings "  \${IfNot} \${FileExists} \"$INSTDIR\\${target}\"\n"
            "    SetOutPath \"${out_dir}\"\n    ${file_line}  \${EndIf}\n")
    else()
        if(NOT parent STREQUAL last_dir)
            string(APPEND install_programs "  SetOutPath \"${out_dir}\"\n")
            set(last_dir "${parent}")
        endif()
        string(APPEND install_programs "  ${file_line}")
        string(APPEND remove_files "  Delete \"$INSTDIR\\${target}\"\n")
    endif()
endforeach()
# Deepest first: a folder is removed after the folders in it, and only when empty.
list(SORT program_dirs ORDER DESCENDING)
set(remove_dirs "")
foreach(dir ${program_dirs})
    string(APPEND remove_dirs "  RMDir \"$INSTDIR\\${dir}\"\n")
endforeach()

set(text "; Made by installer/stage_files.cmake from ${DIST}.
!macro TESH_INSTALL_PROGRAM_FILES
${install_programs}!macroend
!macro TESH_INSTALL_SETTINGS_FILES
${install_settings}!macroend
!macro TESH_REMOVE_PROGRAM_FILES
${remove_files}${remove_dirs}!macroend
")
file(WRITE ${OUT}.new "${text}")
file(COPY_FILE ${OUT}.new ${OUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUT}.new)
