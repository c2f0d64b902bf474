; The Windows installer: the programs, skins, language files and guide under Program Files, a
; Start-menu entry, an optional start with Windows (the program then starts hidden or not as
; its configuration's NeedPassword says) and an uninstaller. The user's data folder is left.
; makensis -DVERSION=x.y.z -DSOURCE=<bin folder> -DOUTFILE=<setup.exe> pelorin.nsi
; The programs are 64-bit, and so is the installer (it also runs where only 64-bit Wine is).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define NAME "Pelorin"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"

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

Section "${NAME}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${SOURCE}\pelorin.exe"
  File "${SOURCE}\pelorinctl.exe"
  File /r /x .rendered "${SOURCE}\skins"
  SetOutPath "$INSTDIR\lang"
  File "${SOURCE}\lang\*.txt"
  SetOutPath "$INSTDIR\guide"
  File "${SOURCE}\guide\*.html"

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
  DeleteRegValue HKLM "${RUN_KEY}" "${NAME}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  SetShellVarContext all
  RMDir /r "$SMPROGRAMS\${NAME}"
  RMDir /r "$INSTDIR\skins"
  RMDir /r "$INSTDIR\lang"
  RMDir /r "$INSTDIR\guide"
  Delete "$INSTDIR\pelorin.exe"
  Delete "$INSTDIR\pelorinctl.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
