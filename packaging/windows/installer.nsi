; Tovira幫你算's installer for Windows: installs tovira.exe for the current user only, with no
; administrator rights, into %LOCALAPPDATA%\Programs\Tovira, with a Start menu shortcut and an entry
; in Settings' list of apps. Installing again, the same version or a newer one, replaces the program
; where it is. The customer's saved details (HKCU\Software\VB and VBA Program Settings\Tovira\
; Information) survive upgrades and uninstalling: the uninstaller deletes them only when the user
; ticks that choice, and never when it runs silently.
;
; Built by scripts/windows-package.sh:
;   makensis -WX -DVERSION=0.1 -DEXE=path\to\tovira.exe -DICON=tovira.ico
;            -DOUTFILE=tovira-setup-0.1.exe [-DSIGN=scripts/windows-sign] installer.nsi
; The file is UTF-8 with a byte-order mark, which makensis reads as UTF-8 in any locale.

!ifndef VERSION | EXE | ICON | OUTFILE
  !error "Define VERSION, EXE, ICON and OUTFILE with /D"
!endif

Target amd64-unicode
SetCompressor /SOLID lzma
; Stored files keep no time of their own, so the same inputs make the same installer.
SetDateSave off

!define PRODUCT "Tovira幫你算"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tovira"
!define DETAILS_KEY "Software\VB and VBA Program Settings\Tovira"

; The installer's version is the program's own, read from its version details; VERSION must agree.
!getdllversion "${EXE}" EXE_VERSION_
!if "${VERSION}" != "${EXE_VERSION_1}.${EXE_VERSION_2}"
  !if "${VERSION}" != "${EXE_VERSION_1}.${EXE_VERSION_2}.${EXE_VERSION_3}"
    !if "${VERSION}" != "${EXE_VERSION_1}.${EXE_VERSION_2}.${EXE_VERSION_3}.${EXE_VERSION_4}"
      !error "VERSION ${VERSION} is not the version of ${EXE}"
    !endif
  !endif
!endif

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; SIGN signs a program in place: the uninstaller as it is written into the installer, then the installer.
!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"' = 0
  !finalize '"${SIGN}" "%1"' = 0
!endif
BrandingText "Tovira"
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true
InstallDir "$LOCALAPPDATA\Programs\Tovira"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!include MUI2.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "這會在您的電腦上安裝 ${PRODUCT} ${VERSION}。$\r$\n$\r$\n\
若已安裝過，會換成這個版本，您用「儲存我的資料」存下的資料都會保留。$\r$\n$\r$\n\
若 ${PRODUCT} 正開著，請先關閉它。$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipDirectoryWhenInstalled
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\tovira.exe"
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "這會從您的電腦移除 ${PRODUCT}。$\r$\n\
您用「儲存我的資料」存下的資料會保留在這台電腦上，再次安裝後就能直接使用；\
若也要刪除這些資料，請勾選下面第二項。"
!define MUI_COMPONENTSPAGE_TEXT_COMPLIST "要移除的項目："
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.HideSpaceRequired
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "TradChinese"

VIProductVersion "${EXE_VERSION_1}.${EXE_VERSION_2}.${EXE_VERSION_3}.${EXE_VERSION_4}"
VIAddVersionKey /LANG=${LANG_TRADCHINESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_TRADCHINESE} "CompanyName" "Tovira"
VIAddVersionKey /LANG=${LANG_TRADCHINESE} "LegalCopyright" "© 2026 Tovira"
VIAddVersionKey /LANG=${LANG_TRADCHINESE} "FileDescription" "${PRODUCT} 安裝程式"
VIAddVersionKey /LANG=${LANG_TRADCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_TRADCHINESE} "ProductVersion" "${VERSION}"

; Deletes FILE, asking the user to close the program and retry while Windows holds it because it
; runs. Cancel, and a silent run, stop the installer or uninstaller with the program left as it was.
!macro DeleteUnlessRunning FILE
  !define /redef DELETE_ID ${__COUNTER__}
  retry_${DELETE_ID}:
    ClearErrors
    Delete "${FILE}"
    IfErrors 0 deleted_${DELETE_ID}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} 正在執行中。$\r$\n請先關閉 ${PRODUCT}，再按「重試」。" \
      /SD IDCANCEL IDRETRY retry_${DELETE_ID}
    Abort "${PRODUCT} 正在執行中，已停止。"
  deleted_${DELETE_ID}:
!macroend

Function SkipDirectoryWhenInstalled
  ; An installed copy is replaced where it is.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  StrCmp $0 "" +2
    Abort
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  !insertmacro DeleteUnlessRunning "$INSTDIR\tovira.exe"
  File "/oname=tovira.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\tovira.exe" "" "$INSTDIR\tovira.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tovira"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tovira.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.HideSpaceRequired
  ; "Space required: 0.0 KB" means nothing when removing.
  FindWindow $0 "#32770" "" $HWNDPARENT
  GetDlgItem $0 $0 1023
  ShowWindow $0 ${SW_HIDE}
FunctionEnd

Section "un.${PRODUCT} 程式"
  SectionIn RO
  !insertmacro DeleteUnlessRunning "$INSTDIR\tovira.exe"
  ; This runs from a copy of the uninstaller, started by the one in the folder, which may still be
  ; ending and holding its file: it is tried again for up to five seconds.
  StrCpy $0 0
  retry_uninstaller:
    ClearErrors
    Delete "$INSTDIR\uninstall.exe"
    IfErrors 0 uninstaller_deleted
    IntOp $0 $0 + 1
    Sleep 100
    IntCmp $0 50 uninstaller_deleted retry_uninstaller uninstaller_deleted
  uninstaller_deleted:
  ; Only if empty: anything the user put there stays.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

; Unticked unless the user ticks it, and so never run by a silent uninstall.
Section /o "un.一併刪除您用「儲存我的資料」存下的資料"
  DeleteRegKey HKCU "${DETAILS_KEY}\Information"
  DeleteRegKey /ifempty HKCU "${DETAILS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\VB and VBA Program Settings"
SectionEnd
