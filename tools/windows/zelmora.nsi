; The Windows installer: per user, without an administrator, into
; %LOCALAPPDATA%\Programs\zelmora, with a Start-menu entry, .qvr rosters
; opening in the window, and an entry in the installed programs list.
; tools/windows/build.sh runs makensis with:
;   VERSION   the program's version (1.0)
;   STAGE     the folder the zip holds, laid out as installed
;   INSTALL   a list of the files to install, UNINSTALL the same files to
;             remove (both written from STAGE by build.sh)
;   SIZE_KB   the installed size, for the programs list
;   ICON      the installer's own icon
;   OUTFILE   the installer to write
; /S installs or uninstalls silently; /D=FOLDER (last) picks another folder.

Unicode true
; Debian's Wine runs 64-bit programs only, and the program is 64-bit.
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh

!define PRODUCT "ZELMORA 確率計算プログラム"
!define PUBLISHER "ZELMORA calculator developers"
!define PROGRAM "zelmora.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\zelmora"
!define CLASSES "Software\Classes"
; The roster type: the program's own name for it, which .qvr points to.
!define PROG_ID "zelmora.roster"
; The roster's media type, as the Linux desktop knows it too.
!define CONTENT_TYPE "application/x-zelmora-roster"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
; Tells Explorer that associations changed, so that rosters show the icon
; and open at once (SHCNE_ASSOCCHANGED).
!define NotifyAssociationsChanged "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\zelmora"
; An update goes where the installed version is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} のインストーラー"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "© ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!define MUI_FINISHPAGE_RUN_TEXT "${PRODUCT} を起動する"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section "Install"
  SetShellVarContext current

  ; A version already installed is removed by its own uninstaller first, so
  ; that none of its files stays behind beside the new ones. `_?=` keeps the
  ; uninstaller in place and waits for it.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\${UNINSTALLER}"
    DetailPrint "以前の版を削除しています: $0"
    ExecWait '"$0\${UNINSTALLER}" /S _?=$0'
    Delete "$0\${UNINSTALLER}"
    RMDir "$0"
  ${EndIf}

  !include "${INSTALL}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; The working folder is the user's documents, where the file dialogs
  ; start, not the program's folder.
  SetOutPath "$DOCUMENTS"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0 SW_SHOWNORMAL \
      "" "${PRODUCT}"
  SetOutPath "$INSTDIR"

  WriteRegStr HKCU "${CLASSES}\.qvr" "" "${PROG_ID}"
  WriteRegStr HKCU "${CLASSES}\.qvr" "Content Type" "${CONTENT_TYPE}"
  WriteRegStr HKCU "${CLASSES}\.qvr\OpenWithProgids" "${PROG_ID}" ""
  WriteRegStr HKCU "${CLASSES}\${PROG_ID}" "" "ZELMORA 名簿"
  WriteRegStr HKCU "${CLASSES}\${PROG_ID}\DefaultIcon" "" "$INSTDIR\${PROGRAM},0"
  WriteRegStr HKCU "${CLASSES}\${PROG_ID}\shell\open\command" "" '"$INSTDIR\${PROGRAM}" "%1"'
  WriteRegStr HKCU "${CLASSES}\Applications\${PROGRAM}" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr HKCU "${CLASSES}\Applications\${PROGRAM}\SupportedTypes" ".qvr" ""
  WriteRegStr HKCU "${CLASSES}\Applications\${PROGRAM}\shell\open\command" "" \
      '"$INSTDIR\${PROGRAM}" "%1"'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  ${NotifyAssociationsChanged}
SectionEnd

; Removes exactly what the installer made. The user's rosters, the kept
; table and the settings live in the user's own folders and stay; a file
; the user put into the program's folder stays too, and with it the folder.
Section "Uninstall"
  SetShellVarContext current

  !include "${UNINSTALL}"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  Delete "${SHORTCUT}"

  ; What another program has written into .qvr since stays.
  ReadRegStr $0 HKCU "${CLASSES}\.qvr" ""
  ${If} $0 == "${PROG_ID}"
    DeleteRegValue HKCU "${CLASSES}\.qvr" ""
  ${EndIf}
  ReadRegStr $0 HKCU "${CLASSES}\.qvr" "Content Type"
  ${If} $0 == "${CONTENT_TYPE}"
    DeleteRegValue HKCU "${CLASSES}\.qvr" "Content Type"
  ${EndIf}
  DeleteRegValue HKCU "${CLASSES}\.qvr\OpenWithProgids" "${PROG_ID}"
  DeleteRegKey /ifempty HKCU "${CLASSES}\.qvr\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "${CLASSES}\.qvr"
  DeleteRegKey HKCU "${CLASSES}\${PROG_ID}"
  DeleteRegKey HKCU "${CLASSES}\Applications\${PROGRAM}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ${NotifyAssociationsChanged}
SectionEnd
