; The Windows installer: Orbelo under Program Files, its Start-menu entry and its uninstaller.
; scripts/windows passes VERSION, STAGE (the folder to install) and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Orbelo"

Name "Orbelo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Orbelo"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Orbelo ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Orbelo"
VIAddVersionKey /LANG=0 "FileDescription" "Instalador de Orbelo"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"

!define MUI_ICON "${STAGE}\orbelo.ico"
!define MUI_UNICON "${STAGE}\orbelo.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\LEEME.txt"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Orbelo necesita Windows de 64 bits." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Orbelo"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\Desinstalar.exe"
  CreateDirectory "$SMPROGRAMS\Orbelo"
  CreateShortcut "$SMPROGRAMS\Orbelo\Orbelo.lnk" "$INSTDIR\orbelo.exe" "" "$INSTDIR\orbelo.exe" 0
  CreateShortcut "$SMPROGRAMS\Orbelo\Orbelo (modo servicio).lnk" "$INSTDIR\orbelo.exe" "--servicio" "$INSTDIR\orbelo.exe" 0
  CreateShortcut "$SMPROGRAMS\Orbelo\Léame de Orbelo.lnk" "$INSTDIR\LEEME.txt"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Orbelo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Orbelo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\orbelo.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes; the technician's port assignments (HKCU\Software\Orbelo)
; and traces stay.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Orbelo\Orbelo.lnk"
  Delete "$SMPROGRAMS\Orbelo\Orbelo (modo servicio).lnk"
  Delete "$SMPROGRAMS\Orbelo\Léame de Orbelo.lnk"
  RMDir "$SMPROGRAMS\Orbelo"
  !include "${FILE_LIST}"
  Delete "$INSTDIR\Desinstalar.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
