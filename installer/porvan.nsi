; The Porvan client's installer: a per-user install that closes a running client first and keeps
; the user's settings. Built by CMake with makensis; the version comes from cmake/version.cmake.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
; A file that cannot be replaced fails the install: skipping it would leave the old program in
; place behind a run reported as a success (a silent run skips without asking).
AllowSkipFiles off

!ifndef PORVAN_VERSION | PORVAN_EXE | PORVAN_HISTORY | OUTFILE
  !error "makensis needs -DPORVAN_VERSION, -DPORVAN_EXE, -DPORVAN_HISTORY and -DOUTFILE"
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Porvan"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Porvan"
!define WM_APP_QUIT 0x8083
; SYNCHRONIZE and PROCESS_QUERY_LIMITED_INFORMATION: enough to read a process's image and wait.
!define QUERY_AND_WAIT 0x00101000
; How long a running client may take to close its open access and end.
!define CLOSE_WAIT_MS 20000

Name "Porvan 접근통제 시스템"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Porvan"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
VIProductVersion "${PORVAN_VERSION}"
VIAddVersionKey /LANG=1042 "ProductName" "Porvan 접근통제 시스템"
VIAddVersionKey /LANG=1042 "FileVersion" "${PORVAN_VERSION}"
VIAddVersionKey /LANG=1042 "FileDescription" "Porvan 접근통제 시스템 설치"
VIAddVersionKey /LANG=1042 "LegalCopyright" "Porvan"

!define MUI_ABORTWARNING
; No folder page: the program lives in the user's own programs folder (a silent install takes
; another with /D), and an update must land where the running client is.
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Korean"

LangString ClientStillRunning 1042 "실행 중인 Porvan 접근통제 시스템이 종료되지 않았습니다.$\r$\n프로그램을 직접 종료한 후 [다시 시도]를 누르십시오."
LangString RemoveSettings 1042 "설정 파일(Porvan.ini)도 삭제하시겠습니까?"

; Asks every running client of this install to end the way an update needs: WM_APP_QUIT makes
; it close open access without a question. Only windows whose process runs this install's
; Porvan.exe are asked, so another install's client, or any program that registers the same
; window class, is left alone. A client with the update alert up is asked through the alert
; (its quit result closes the main window), any other through its main window; each asked
; process is waited for before the next is looked for.
!macro CLOSE_RUNNING_CLIENT UN
; In: $R9 this install's Porvan.exe, $R8 a window class. Out: $R7 the first top-level window of
; that class whose process runs $R9, and $R6 a handle to wait for that process; both 0 if none.
Function ${UN}FindOwnClientWindow
  Push $0
  Push $1
  Push $2
  StrCpy $R7 0
  StrCpy $R6 0
  next_window:
    FindWindow $R7 $R8 "" 0 $R7
    StrCmp $R7 0 done
    StrCpy $0 0
    System::Call 'user32::GetWindowThreadProcessId(p R7, *i .r0) i'
    System::Call 'kernel32::OpenProcess(i ${QUERY_AND_WAIT}, i 0, i r0) p .R6'
    StrCmp $R6 0 next_window
    StrCpy $2 ${NSIS_MAX_STRLEN}
    StrCpy $1 ""
    System::Call 'kernel32::QueryFullProcessImageNameW(p R6, i 0, w .r1, *i r2) i .r0'
    ; StrCmp compares without case, as Windows compares paths.
    ${If} $0 != 0
    ${AndIf} $1 == $R9
      Goto done
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p R6)'
    StrCpy $R6 0
    Goto next_window
  done:
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

Function ${UN}CloseRunningClient
  Push $0
  Push $R6
  Push $R7
  Push $R8
  Push $R9
  StrCpy $R9 "$INSTDIR\Porvan.exe"
  ; The process image is named by its long path; the install folder may be given short.
  System::Call 'kernel32::GetLongPathNameW(w R9, w .r0, i ${NSIS_MAX_STRLEN}) i .R7'
  ${If} $R7 != 0
    StrCpy $R9 $0
  ${EndIf}
  StrCpy $R8 "TfmUpdateAlert"
  next_client:
    Call ${UN}FindOwnClientWindow
    ${If} $R7 != 0
      System::Call 'user32::PostMessageW(p R7, i ${WM_APP_QUIT}, p 0, p 0) i'
      wait:
      System::Call 'kernel32::WaitForSingleObject(p R6, i ${CLOSE_WAIT_MS}) i .r0'
      ${If} $0 != 0
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ClientStillRunning)" /SD IDCANCEL IDRETRY wait
        System::Call 'kernel32::CloseHandle(p R6)'
        Abort
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p R6)'
      Goto next_client
    ${EndIf}
    ${If} $R8 == "TfmUpdateAlert"
      StrCpy $R8 "TfmMain"
      Goto next_client
    ${EndIf}
  Pop $R9
  Pop $R8
  Pop $R7
  Pop $R6
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_CLIENT ""
!insertmacro CLOSE_RUNNING_CLIENT "un."

;  In: $0 the command line's parameters. Out: $1 the value of /SERVERURL=, empty when none.
; The value runs to the next " /" (NSIS's own /D= comes last) or the end, quotes removed; the
; library's option parser would cut it at the "/" of "https://".
Function ServerUrlOption
  Push $2
  Push $3
  Push $4
  StrCpy $1 ""
  StrCpy $0 " $0 "
  StrLen $2 $0
  StrCpy $3 0
  find:
    IntCmp $3 $2 found 0 found
    ; StrCmp compares without case, so /serverurl= counts as well.
    StrCpy $4 $0 12 $3
    StrCmp $4 " /SERVERURL=" 0 +4
      IntOp $3 $3 + 12
      StrCpy $1 $0 "" $3
      Goto cut
    IntOp $3 $3 + 1
    Goto find
  cut:
    StrCpy $3 0
    next:
      StrCpy $4 $1 2 $3
      StrCmp $4 " /" +4
      StrCmp $4 "" +3
      IntOp $3 $3 + 1
      Goto next
    StrCpy $1 $1 $3
    ; Blanks at the end and quotes around the value go.
    trim:
      StrCpy $4 $1 1 -1
      StrCmp $4 " " 0 +3
        StrCpy $1 $1 -1
        Goto trim
    StrCpy $4 $1 1
    StrCmp $4 '"' 0 found
      StrCpy $1 $1 "" 1
      StrCpy $4 $1 1 -1
      StrCmp $4 '"' 0 found
        StrCpy $1 $1 -1
  found:
  Pop $4
  Pop $3
  Pop $2
FunctionEnd

; An administrator's roll-out names the server: /SERVERURL=<url> writes ServerURL into the
; section "config" of Porvan.ini, creating the file when there is none and replacing only that
; key when there is; the profile functions keep every other line as it stands.
Function WriteServerUrlSwitch
  Push $0
  Push $1
  ${GetParameters} $0
  Call ServerUrlOption
  ${If} $1 != ""
    ClearErrors
    WriteINIStr "$INSTDIR\Porvan.ini" "config" "ServerURL" $1
    ${If} ${Errors}
      SetErrorLevel 3
      Abort
    ${EndIf}
    ; Written now, not when the profile cache is dropped; Wine reports this flush as failed.
    FlushINI "$INSTDIR\Porvan.ini"
  ${EndIf}
  Pop $1
  Pop $0
FunctionEnd

Section "Porvan" SecMain
  Call CloseRunningClient
  SetOutPath "$INSTDIR"
  ; Porvan.ini is never shipped: without /SERVERURL= an update keeps the user's settings as they are.
  File "/oname=Porvan.exe" "${PORVAN_EXE}"
  File "/oname=history.txt" "${PORVAN_HISTORY}"
  Call WriteServerUrlSwitch
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Porvan"
  CreateShortcut "$SMPROGRAMS\Porvan\Porvan 접근통제 시스템.lnk" "$INSTDIR\Porvan.exe" "" "$INSTDIR\Porvan.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Porvan 접근통제 시스템"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${PORVAN_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Porvan.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Call un.CloseRunningClient
  Delete "$INSTDIR\Porvan.exe"
  Delete "$INSTDIR\history.txt"
  Delete "$SMPROGRAMS\Porvan\Porvan 접근통제 시스템.lnk"
  RMDir "$SMPROGRAMS\Porvan"
  ; The settings stay unless the user asks otherwise; a silent uninstall keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveSettings)" /SD IDNO IDNO keep_settings
    Delete "$INSTDIR\Porvan.ini"
  keep_settings:
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
