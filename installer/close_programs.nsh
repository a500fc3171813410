; Closing the running programs before their files are replaced or removed: each is
; asked by WM_CLOSE to its window, found by title, and given a bounded time to end.
; The upgrader goes first (after a finished upload it would start the monitor again),
; the monitor last (it would start the others).

!define CLOSE_WAIT_MS 10000  ; the monitor's shutdown waits up to 2 s for its threads
!define CLOSE_POLL_MS 100
!define SYNCHRONIZE 0x00100000
!define WAIT_TIMEOUT 258

; Defines the functions for the installer (PREFIX "") or the uninstaller ("un.").
!macro TESH_CLOSE_PROGRAM_FUNCTIONS PREFIX

; Stack in: a window title. Stack out: "closed" when no window of that title is left
; and its program has ended, "running" when it did not end in time.
Function ${PREFIX}CloseProgram
    Exch $0  ; the title
    Push $1  ; the window
    Push $2  ; its process id, then the process
    Push $3  ; the time waited
    Push $4
    FindWindow $1 "" "$0"
    ${If} $1 <> 0
        DetailPrint "Closing $0"
        System::Call 'user32::GetWindowThreadProcessId(p r1, *i .r2)'
        System::Call 'kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p .r2'
        System::Call 'user32::PostMessage(p r1, i ${WM_CLOSE}, p 0, p 0)'
        StrCpy $3 0
        ${Do}
            System::Call 'user32::IsWindow(p r1) i .r4'
            ${If} $4 = 0
                ${If} $2 P<> 0
                    ; The window has gone; the process ends right after it.
                    IntOp $4 ${CLOSE_WAIT_MS} - $3
                    System::Call 'kernel32::WaitForSingleObject(p r2, i r4) i .r4'
                    ${If} $4 = ${WAIT_TIMEOUT}
                        StrCpy $3 ${CLOSE_WAIT_MS}
                    ${EndIf}
                ${EndIf}
                ${Break}
            ${EndIf}
            ${If} $3 >= ${CLOSE_WAIT_MS}
                ${Break}
            ${EndIf}
            Sleep ${CLOSE_POLL_MS}
            IntOp $3 $3 + ${CLOSE_POLL_MS}
        ${Loop}
        ${If} $2 P<> 0
            System::Call 'kernel32::CloseHandle(p r2)'
        ${EndIf}
    ${EndIf}
    ; Another window of the title (a second copy), or this one still there.
    FindWindow $1 "" "$0"
    ${If} $1 <> 0
    ${OrIf} $3 >= ${CLOSE_WAIT_MS}
        StrCpy $0 "running"
    ${Else}
        StrCpy $0 "closed"
    ${EndIf}
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Exch $0
FunctionEnd

; Closes every program of the product; when one does not end, the user may close it and
; try again, or give up (at once when silent): the setup or removal is aborted then.
Function ${PREFIX}ClosePrograms
    Push $0
    Push $1
    retry:
    StrCpy $0 "closed"
    !insertmacro TESH_CLOSE_ONE "${PREFIX}" "${UPGRADER_TITLE}"
    !insertmacro TESH_CLOSE_ONE "${PREFIX}" "${OPTION_TITLE}"
    !insertmacro TESH_CLOSE_ONE "${PREFIX}" "${OSD_TITLE}"
    !insertmacro TESH_CLOSE_ONE "${PREFIX}" "${MONITOR_TITLE}"
    ${If} $0 == "running"
        DetailPrint "$1 does not close"
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "$1 does not close.$\r$\nClose it, then try again." /SD IDCANCEL IDRETRY retry
        SetErrorLevel ${ERROR_PROGRAM_RUNNING}
        Abort
    ${EndIf}
    Pop $1
    Pop $0
FunctionEnd

!macroend

; One program, unless an earlier one did not close ($0); $1 names the one that did not.
!macro TESH_CLOSE_ONE PREFIX TITLE
    ${If} $0 == "closed"
        Push "${TITLE}"
        Call ${PREFIX}CloseProgram
        Pop $0
        StrCpy $1 "${TITLE}"
    ${EndIf}
!macroend
