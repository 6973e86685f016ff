; SPDX-FileCopyrightText: 2026 The Quorvane developers
; SPDX-License-Identifier: GPL-3.0-or-later

; The Windows setup program, made by scripts/release with makensis:
;   makensis -DVERSION=1.0 -DVERSION_QUAD=1.0.0.0 -DSTAGE=<folder holding
;            quorvane.exe, LICENSE.txt and THIRD-PARTY.txt> -DICON=quorvane.ico
;            -DOUTFILE=quorvane-1.0-setup.exe quorvane-setup.nsi
; It installs for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Quorvane, and its uninstaller removes exactly what
; it wrote: the user's own files in that folder stay, and so does the folder.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Quorvane"
!define SHORTCUT "Quorvane 贷款计算器"
!define PUBLISHER "The Quorvane developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"
!define WINDOW_CAPTION "Quorvane ${VERSION}"

Name "${PRODUCT} ${VERSION}"
Caption "${PRODUCT} ${VERSION} 安装"
UninstallCaption "${PRODUCT} ${VERSION} 卸载"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quorvane"
; An installation already there is upgraded where it is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} ${VERSION} 安装程序（个人购房贷款还款方法计算）"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "运行 Quorvane"
; The finish page's second box makes the desktop shortcut, only when ticked.
!define MUI_FINISHPAGE_SHOWREADME ""
!define MUI_FINISHPAGE_SHOWREADME_TEXT "在桌面上创建快捷方式"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION CreateDesktopShortcut
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "SimpChinese"

; Waits until no Quorvane window is open: asks the user to close it, or in a
; silent run waits up to two minutes. Files of a running program cannot be
; replaced or removed, and stopping half-way would leave a broken folder.
!macro WAIT_FOR_QUORVANE_TO_CLOSE UN
Function ${UN}WaitForQuorvaneToClose
  StrCpy $1 0
  ${Do}
    FindWindow $0 "" "${WINDOW_CAPTION}"
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    ${If} ${Silent}
      ${If} $1 >= 120
        SetErrorLevel 2
        Quit
      ${EndIf}
      IntOp $1 $1 + 1
      Sleep 1000
    ${Else}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
        "Quorvane 正在运行。请先关闭 Quorvane 的窗口，再点“重试”继续；点“取消”退出。" \
        IDRETRY retry
      SetErrorLevel 2
      Quit
      retry:
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro WAIT_FOR_QUORVANE_TO_CLOSE ""
!insertmacro WAIT_FOR_QUORVANE_TO_CLOSE "un."

Function CreateDesktopShortcut
  CreateShortCut "$DESKTOP\${SHORTCUT}.lnk" "$INSTDIR\quorvane.exe" "" "$INSTDIR\quorvane.exe" 0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "DesktopShortcut" 1
FunctionEnd

Section "Quorvane"
  Call WaitForQuorvaneToClose
  SetOutPath "$INSTDIR"
  File "${STAGE}\quorvane.exe"
  File "${STAGE}\LICENSE.txt"
  File "${STAGE}\THIRD-PARTY.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${SHORTCUT}.lnk" "$INSTDIR\quorvane.exe" "" "$INSTDIR\quorvane.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${SHORTCUT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quorvane.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/M=*.* /S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Call un.WaitForQuorvaneToClose
  Delete "$INSTDIR\quorvane.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\THIRD-PARTY.txt"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\${SHORTCUT}.lnk"
  ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "DesktopShortcut"
  ${If} $0 == 1
    Delete "$DESKTOP\${SHORTCUT}.lnk"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Only when nothing of the user's is left in it.
  RMDir "$INSTDIR"
SectionEnd
