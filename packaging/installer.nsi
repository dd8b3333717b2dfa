; The Windows installer: the zip's files into the user's own programs folder
; (no administrator prompt), a Start-menu shortcut, a desktop one if asked
; for, an entry in Apps & features, and an uninstaller that removes exactly
; what was put there. scripts/build-windows.sh makes it with makensis,
; defining VERSION, STAGE (the zip's folder), FILES and UNFILES (the lists
; of what to install and remove, made from that folder), ICON and OUT.
Target amd64-unicode ; the game is 64-bit, and so is its installer
SetCompressor /SOLID lzma
SetDateSave off ; the same bytes from every build
RequestExecutionLevel user
!include MUI2.nsh

!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\vorkkeli"
Name "vorkkeli ${VERSION}"
OutFile "${OUT}"
InstallDir "$LOCALAPPDATA\Programs\vorkkeli"
InstallDirRegKey HKCU "${KEY}" "InstallLocation"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\vorkkeli.exe"

!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "vorkkeli" SecGame
  SectionIn RO
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\vorkkeli.lnk" "$INSTDIR\vorkkeli.exe"
  WriteRegStr HKCU "${KEY}" "DisplayName" "vorkkeli"
  WriteRegStr HKCU "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${KEY}" "DisplayIcon" "$INSTDIR\vorkkeli.exe"
  WriteRegStr HKCU "${KEY}" "Publisher" "vorkkeli developers"
  WriteRegStr HKCU "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${KEY}" "NoRepair" 1
  SectionGetSize ${SecGame} $0
  WriteRegDWORD HKCU "${KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Desktop shortcut" SecDesktop
  SetShellVarContext current
  CreateShortCut "$DESKTOP\vorkkeli.lnk" "$INSTDIR\vorkkeli.exe"
SectionEnd

; Only what the installer put there: the game's own files by name, what the
; game itself leaves beside it (stdout.txt, stderr.txt), the shortcuts and
; the key; the folder goes only if nothing else is left in it.
Section "Uninstall"
  SetShellVarContext current
  !include "${UNFILES}"
  Delete "$INSTDIR\stdout.txt"
  Delete "$INSTDIR\stderr.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\vorkkeli.lnk"
  Delete "$DESKTOP\vorkkeli.lnk"
  DeleteRegKey HKCU "${KEY}"
SectionEnd
