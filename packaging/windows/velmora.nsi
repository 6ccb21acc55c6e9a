; The Windows installer of velmora, built by scripts/windows/package.sh with makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.00 -DPUBLISHER=... -DEXE=velmora.exe
;            -DLICENSE=LICENSE -DOUTFILE=velmora-1.00-setup.exe velmora.nsi
; Installs for the current user, without administrator rights, unless /ALLUSERS is given (then
; for every user of the machine, with the rights of an administrator). /S installs and
; uninstalls without a question.
; A 64-bit installer for the 64-bit program: it runs wherever the program can.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"

!define TITLE "カセグレン副反射鏡 計算プログラム"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\velmora"

Name "${TITLE}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\velmora"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "velmora ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\velmora.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION_FIXED}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "velmora"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "${TITLE} (setup)"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "${PUBLISHER}"

Var AllUsers  ; "1" when installed for every user of the machine

; Per machine: the program folder, the common Start menu and HKLM; per user: the user's own.
!macro UseScope
  ${If} $AllUsers == "1"
    SetShellVarContext all
    SetRegView 64
  ${Else}
    SetShellVarContext current
  ${EndIf}
!macroend

Function .onInit
  StrCpy $LANGUAGE ${LANG_JAPANESE}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "/ALLUSERS: installing for every user needs administrator rights." \
        /SD IDOK
      SetErrorLevel 740  ; ERROR_ELEVATION_REQUIRED
      Quit
    ${EndIf}
    StrCpy $AllUsers "1"
    ; /D= given on the command line wins over the default folder.
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\velmora"
      StrCpy $INSTDIR "$PROGRAMFILES64\velmora"
    ${EndIf}
  ${EndIf}
  !insertmacro UseScope
FunctionEnd

Section "velmora"
  SetOutPath "$INSTDIR"
  File "/oname=velmora.exe" "${EXE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\velmora.exe" "" "$INSTDIR\velmora.exe" 0

  ${If} $AllUsers == "1"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmora.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /ALLUSERS'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /ALLUSERS /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${Else}
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\velmora.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${EndIf}
SectionEnd

Function un.onInit
  StrCpy $LANGUAGE ${LANG_JAPANESE}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    StrCpy $AllUsers "1"
  ${EndIf}
  !insertmacro UseScope
FunctionEnd

Section "Uninstall"
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  Delete "$INSTDIR\velmora.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ${If} $AllUsers == "1"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ${Else}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${EndIf}
SectionEnd
