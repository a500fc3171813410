; The setup program of the VORTAQ Tesh Ulma Optical software. It installs the staged
; program directory for the current user, without administrator rights, into the
; user's local programs folder (the programs keep their settings files beside them, so
; the folder must stay writable), starts the monitor at logon and at the end of setup,
; and makes the Start menu entries and the entry in the user's installed programs.
; An upgrade closes the running programs, replaces the program files and keeps the
; user's settings files. Made by the build (installer/CMakeLists.txt):
;   makensis -DGENERATED=DIR -DOUTFILE=SETUP.exe TeshUlmaOptical.nsi
; DIR holds names.nsh (names and titles) and files.nsh (the staged files).
;
; Command line: /S silent; /D=FOLDER the program folder (last, unquoted).
; The uninstaller: /S silent; /REMOVESETTINGS removes the user's settings files too.
; Exit codes: 0 done, 1 cancelled, 2 failed, 3 a program did not close.

Target amd64-unicode  ; the programs are 64-bit, and Wine without 32-bit support runs it
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "${GENERATED}/names.nsh"  ; from the programs' headers and setup_names.h
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh

Name "${PRODUCT_NAME}"
OutFile "${OUTFILE}"
InstallDir "${DEFAULT_FOLDER}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT_NAME} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT_NAME} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

Var Upgrade  ; 1 when the product is installed already: its folder is kept

!define MUI_WELCOMEPAGE_TEXT "This installs ${PRODUCT_NAME} ${VERSION} for you, without \
    administrator rights. Its programs that are running are closed first; your settings \
    stay as they are."
!define MUI_PAGE_CUSTOMFUNCTION_SHOW NameInstallOnUpgrade
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "${PRODUCT_NAME} is installed. Its monitor is running and \
    starts whenever you log on; the configuration application is in the Start menu."
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_HEADER_TEXT "Your settings"
!define MUI_PAGE_HEADER_SUBTEXT "Keep them for a later installation, or remove them."
!define MUI_COMPONENTSPAGE_TEXT_TOP "The programs are removed. Your settings files (profiles, \
    macros, timers, statistics) stay unless you tick the box."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

!include "close_programs.nsh"
!insertmacro TESH_CLOSE_PROGRAM_FUNCTIONS ""
!insertmacro TESH_CLOSE_PROGRAM_FUNCTIONS "un."
!include "${GENERATED}/files.nsh"
!include "uninstall.nsh"

Function .onInit
    StrCpy $Upgrade 0
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\${MONITOR_PROGRAM}"
        StrCpy $Upgrade 1
    ${EndIf}
FunctionEnd

; On an upgrade the folder page is skipped: the welcome page's button installs.
Function NameInstallOnUpgrade
    ${If} $Upgrade = 1
        GetDlgItem $0 $HWNDPARENT 1
        SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^InstallBtn)"
    ${EndIf}
FunctionEnd

Function SkipFolderOnUpgrade
    ${If} $Upgrade = 1
        Abort
    ${EndIf}
FunctionEnd

Section "-Programs" SectionPrograms
    Call ClosePrograms
    !insertmacro TESH_INSTALL_PROGRAM_FILES
    !insertmacro TESH_INSTALL_SETTINGS_FILES
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"

    ; The shortcuts start in the program folder (the current output folder).
    CreateDirectory "${START_MENU_FOLDER}"
    CreateShortCut "${START_MENU_FOLDER}\${OPTION_SHORTCUT}" "$INSTDIR\${OPTION_PROGRAM}"
    CreateShortCut "${START_MENU_FOLDER}\${UNINSTALL_SHORTCUT}" "$INSTDIR\${UNINSTALLER}"

    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\${MONITOR_PROGRAM}"'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${MONITOR_PROGRAM}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    SectionGetSize ${SectionPrograms} $0  ; in KiB, as EstimatedSize counts
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    DetailPrint "Starting the monitor"
    Exec '"$INSTDIR\${MONITOR_PROGRAM}"'
SectionEnd
