; The Windows installer: the programs, skins, language files and guide under Program Files, a
; Start-menu entry, an optional start with Windows (the program then starts hidden or not as
; its configuration's NeedPassword says) and an uninstaller. The user's data folder is left.
; A running copy (usually only in the notification area) is asked to exit first, since its files
; cannot be replaced or removed while it runs; neither side reports success with files left.
; makensis -DVERSION=x.y.z -DSOURCE=<bin folder> -DPROGRAMS=<stripped programs' folder>
;          -DOUTFILE=<setup.exe> pelorin.nsi
; The programs are 64-bit, and so is the installer (it also runs where only 64-bit Wine is).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define NAME "Pelorin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The running copy's main window class, its single-instance mutex, and its exit command (the
; notification menu's exit, taken as WM_COMMAND, which MUI2 defines).
!define MAIN_CLASS "Pelorin_KVX"
!define MUTEX "20210610 Mouse 33XX"
!define EXIT_COMMAND 2076
!define SYNCHRONIZE 0x00100000

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!include "MUI2.nsh"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

; CLOSE_RUNNING prefix: asks a running copy to exit and waits up to 15 s for its process to end
; (its mutex to go); then asks the user to close it, and gives up when the user cancels.
!macro CLOSE_RUNNING prefix
Function ${prefix}closeRunning
  Push $0
  Push $1
  again:
    FindWindow $0 "${MAIN_CLASS}"
    IntCmp $0 0 +2
      System::Call 'user32::PostMessageW(p r0, i ${WM_COMMAND}, p ${EXIT_COMMAND}, p 0)'
    StrCpy $1 0
  wait:
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${MUTEX}") p .r0'
    IntPtrCmp $0 0 closed
    System::Call 'kernel32::CloseHandle(p r0)'
    IntCmp $1 75 ask
    IntOp $1 $1 + 1
    Sleep 200
    Goto wait
  ask:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${NAME} is running. Close it (notification area, Exit) and choose Retry." \
      /SD IDCANCEL IDRETRY again
    Abort "${NAME} is still running."
  closed:
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING ""
!insertmacro CLOSE_RUNNING "un."

Function .onInit
  Call closeRunning
FunctionEnd

Function un.onInit
  Call un.closeRunning
FunctionEnd

Section "${NAME}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${PROGRAMS}\pelorin.exe"
  File "${PROGRAMS}\pelorinctl.exe"
  File /r /x .rendered "${SOURCE}\skins"
  SetOutPath "$INSTDIR\lang"
  File "${SOURCE}\lang\*.txt"
  SetOutPath "$INSTDIR\guide"
  File "${SOURCE}\guide\*.html"

  ; A shortcut starts in the folder last set as the output path.
  SetOutPath "$INSTDIR"
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\${NAME}"
  CreateShortcut "$SMPROGRAMS\${NAME}\${NAME}.lnk" "$INSTDIR\pelorin.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}\Uninstall ${NAME}.lnk" "$INSTDIR\uninstall.exe"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pelorin.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Start with Windows" SecAutostart
  WriteRegStr HKLM "${RUN_KEY}" "${NAME}" '"$INSTDIR\pelorin.exe"'
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  RMDir /r "$SMPROGRAMS\${NAME}"
  RMDir /r "$INSTDIR\skins"
  RMDir /r "$INSTDIR\lang"
  RMDir /r "$INSTDIR\guide"
  Delete "$INSTDIR\pelorin.exe"
  Delete "$INSTDIR\pelorinctl.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  IfFileExists "$INSTDIR\*.*" 0 +3
    MessageBox MB_OK|MB_ICONSTOP "Some files in $INSTDIR could not be removed." /SD IDOK
    Abort "Some files in $INSTDIR could not be removed."
  ; Only a complete removal takes the program off the system's list.
  DeleteRegValue HKLM "${RUN_KEY}" "${NAME}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
