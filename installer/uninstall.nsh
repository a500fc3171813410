; The uninstaller: closes the running programs, removes the program files, the logon
; start, the Start menu entries and the installed-programs entry, and keeps the user's
; settings files unless "Remove my settings" is ticked (/REMOVESETTINGS when silent).

Section "-un.Programs"
    Call un.ClosePrograms
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    Delete "${START_MENU_FOLDER}\${OPTION_SHORTCUT}"
    Delete "${START_MENU_FOLDER}\${UNINSTALL_SHORTCUT}"
    RMDir "${START_MENU_FOLDER}"
    ; Made by the monitor, not the user's: it goes with the programs.
    Delete "$INSTDIR\${SENSOR_BITMAP}"
    !insertmacro TESH_REMOVE_PROGRAM_FILES
    Delete "$INSTDIR\${UNINSTALLER}"
SectionEnd

Section /o "un.Remove my settings" SectionRemoveSettings
    Delete "$INSTDIR\${CONFIG_INI}"
    Delete "$INSTDIR\${DEVICE_INFO_INI}"
    Delete "$INSTDIR\${RUNS_START_INI}"
    Delete "$INSTDIR\${PROFILE_FILES}"
    ; The temporary files that an interrupted write of a settings file left
    ; ("config.ini.tmp123_4").
    Delete "$INSTDIR\*.tmp*"
    RMDir /r "$INSTDIR\${CONFIG_DIR}"
SectionEnd

; Last, so that a removal that stops early leaves the entry to try again with.
Section "-un.Entry"
    RMDir "$INSTDIR"
    ${If} $INSTDIR == "${DEFAULT_FOLDER}"
        RMDir "${DEFAULT_PARENT}"
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; After the sections: it selects one.
Function un.onInit
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "${REMOVE_SETTINGS_SWITCH}" $1
    ${IfNot} ${Errors}
        !insertmacro SelectSection ${SectionRemoveSettings}
    ${EndIf}
FunctionEnd
