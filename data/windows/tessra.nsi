; tessra.nsi: the Windows installer. For the current user, without
; administrator rights, into %LOCALAPPDATA%\Programs\Tessra: the game, its
; sample pictures and licence, a Start menu shortcut, and an uninstaller
; registered under HKCU. Pages in Japanese.
; makensis -DVERSION=1.0.0 -DEXE=... -DSOURCE=... -DOUTFILE=... tessra.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware false

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessra"

Name "Tessra"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tessra"
BrandingText "Tessra ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tessra.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "Tessra"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "Tessra のインストーラー"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "Tessra Project"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "© 2026 Tessra Project"

Section "Tessra"
  SetOutPath "$INSTDIR"
  File "/oname=tessra.exe" "${EXE}"
  File "/oname=LICENSE.txt" "${SOURCE}\LICENSE"
  SetOutPath "$INSTDIR\samples"
  File "${SOURCE}\samples\*.bmp"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Tessra.lnk" "$INSTDIR\tessra.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tessra"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tessra Project"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tessra.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, as Windows shows it.
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\Tessra.lnk"
  Delete "$INSTDIR\samples\*.bmp"
  RMDir "$INSTDIR\samples"
  Delete "$INSTDIR\tessra.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
