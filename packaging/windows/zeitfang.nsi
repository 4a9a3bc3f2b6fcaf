; The Windows installer: zeitfang.exe in the program folder, a Start-menu entry and an
; uninstaller listed under Apps, with the help beside the program, which F1 opens.
; makensis -DVERSION=1.4.0.17 -DEXE=zeitfang.exe -DCHM=zeitfang.chm -DOUT=setup.exe
Unicode true
!include "MUI2.nsh"
!include "x64.nsh"

Name "Zeitfang"
OutFile "${OUT}"
InstallDir "$PROGRAMFILES64\Zeitfang"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1031 "ProductName" "Zeitfang"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileDescription" "Zeitfang Setup"
VIAddVersionKey /LANG=1031 "LegalCopyright" "Orvikwerk, MIT"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zeitfang"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Section
  SetRegView 64
  SetOutPath "$INSTDIR"
  File "/oname=zeitfang.exe" "${EXE}"
  File "/oname=zeitfang.chm" "${CHM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  SetShellVarContext all
  CreateShortcut "$SMPROGRAMS\Zeitfang.lnk" "$INSTDIR\zeitfang.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zeitfang"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Orvikwerk"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zeitfang.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's settings stay in the registry, as a reinstall expects them.
Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Delete "$SMPROGRAMS\Zeitfang.lnk"
  Delete "$INSTDIR\zeitfang.exe"
  Delete "$INSTDIR\zeitfang.chm"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
