; The Windows installer of velmora, built by scripts/windows/make-installer.sh with makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.00 -DVERSION_FIXED=1.0.0.0 -DPUBLISHER=...
;            -DEXE=velmora.exe -DCLI=velmora-cli.exe -DLICENSE=LICENSE.txt -DICON=velmora.ico
;            -DOUTFILE=velmora-1.00-setup.exe velmora.nsi
; Installs for the current user, without administrator rights, unless /ALLUSERS is given: then for
; every user of the machine, asking for an administrator's consent when it runs without it. The
; uninstaller takes its scope from the install it belongs to, whatever its command line says. /S
; installs and uninstalls without a question. Exit codes: 0 done; 32 velmora is running (seen by
; its mutex; nothing changed); 5 velmora.exe could not be replaced or deleted, as a velmora that
; holds no mutex (an older release) running from the folder makes it (nothing changed); 740
; administrator rights needed and not to be had; 1223 cancelled; 2 any other failure, named in a
; message.
;   -DTEST_NOT_ELEVATED   a build for the checks under Wine, whose user is always an
;                         administrator: it believes it runs without the rights and cannot get them.
; A 64-bit installer for the 64-bit program: it runs wherever the program can.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"

!define TITLE "カセグレン副反射鏡 計算プログラム"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\velmora"
!define PER_USER_DIR "$LOCALAPPDATA\Programs\velmora"
!define ERROR_ACCESS_DENIED 5
!define ERROR_SHARING_VIOLATION 32
!define ERROR_ELEVATION_REQUIRED 740
!define ERROR_CANCELLED 1223
; The relaunched process carries this, so that a second refusal ends the chain.
!define RELAUNCHED "/ELEVATED"

Name "${TITLE}"
OutFile "${OUTFILE}"
; Rights are asked for by the machine-wide paths only (a relaunch, below): a per-user install
; never sees a consent prompt.
RequestExecutionLevel user
ManifestDPIAware true
ManifestDPIAwareness "PerMonitorV2,System"
InstallDir "${PER_USER_DIR}"
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
Var Failed    ; the first failure's exit code, "" while all went well

; Per machine: the program folder, the common Start menu and HKLM; per user: the user's own.
; SHCTX, the registry root below, follows the shell context.
!macro UseScope
  ${If} $AllUsers == "1"
    SetShellVarContext all
    SetRegView 64
  ${Else}
    SetShellVarContext current
  ${EndIf}
!macroend

; Ends the program with a message (none under /S) and an exit code.
!macro Refuse CODE TEXT
  MessageBox MB_ICONSTOP "${TEXT}" /SD IDOK
  SetErrorLevel ${CODE}
  Quit
!macroend

; The functions that installer and uninstaller share; NSIS wants each compiled once for each.
!macro SharedFunctions un
; $0 = "1" when this process has an administrator's rights.
Function ${un}IsElevated
  !ifdef TEST_NOT_ELEVATED
    StrCpy $0 "0"
  !else
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 == "Admin"
      StrCpy $0 "1"
    ${Else}
      StrCpy $0 "0"
    ${EndIf}
  !endif
FunctionEnd

; Machine-wide work needs an administrator: without the rights, this program is started again
; with the "runas" verb (Windows asks for consent), waited for, and its exit code becomes ours.
; $R0: the command line for the relaunch.
Function ${un}NeedAdministrator
  Call ${un}IsElevated
  ${If} $0 == "1"
    Return
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "${RELAUNCHED}" $2
  ${IfNot} ${Errors}
    ; Already relaunched and still without the rights: consent cannot give them.
    !insertmacro Refuse ${ERROR_ELEVATION_REQUIRED} \
      "すべてのユーザー用のインストールとアンインストールには管理者権限が必要です。$\r$\n管理者のアカウントで実行してください。"
  ${EndIf}
  ; SHELLEXECUTEINFOW of 64-bit Windows, padding spelt out: SEE_MASK_NOCLOSEPROCESS (0x40)
  ; for the process handle, SEE_MASK_NOASYNC (0x100) since the call is followed by a wait.
  System::Call '*(i 112, i 0x140, p $HWNDPARENT, w "runas", w "$EXEPATH", w "$R0", p 0, i 1, i 0, p 0, p 0, p 0, p 0, i 0, i 0, p 0, p 0) p .r3'
  System::Call 'shell32::ShellExecuteExW(p r3) i .r4 ?e'
  Pop $5  ; the last error
  ${If} $4 == 0
    System::Free $3
    ${If} $5 == ${ERROR_CANCELLED}
      !insertmacro Refuse ${ERROR_CANCELLED} \
        "管理者権限が許可されなかったため、中止しました。$\r$\nすべてのユーザー用のインストールとアンインストールには管理者権限が必要です。"
    ${EndIf}
    !insertmacro Refuse ${ERROR_ELEVATION_REQUIRED} \
      "管理者として起動できませんでした (エラー $5)。$\r$\nすべてのユーザー用のインストールとアンインストールには管理者権限が必要です。"
  ${EndIf}
  System::Call '*$3(i, i, p, p, p, p, p, i, i, p, p, p, p, i, i, p, p .r6)'
  System::Free $3
  System::Call 'kernel32::WaitForSingleObject(p r6, i -1)'
  System::Call 'kernel32::GetExitCodeProcess(p r6, *i .r7)'
  System::Call 'kernel32::CloseHandle(p r6)'
  SetErrorLevel $7
  Quit
FunctionEnd

; $0 = "1" when a mutex of the name $2 exists. Another user's may be closed to us: access denied
; (5) still says it exists.
Function ${un}MutexExists
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w r2) p .r3 ?e'
  Pop $4
  StrCpy $0 "0"
  ${If} $3 != 0
    System::Call 'kernel32::CloseHandle(p r3)'
    StrCpy $0 "1"
  ${ElseIf} $4 == 5
    StrCpy $0 "1"
  ${EndIf}
FunctionEnd

; velmora holds a mutex while it runs (Local\velmora in its session, Global\velmora for the
; machine): its files cannot be replaced or deleted under it. Asks the user to close it; under /S,
; or when the user cancels, ends with nothing changed.
Function ${un}WaitUntilClosed
  check:
  StrCpy $2 "Local\velmora"
  Call ${un}MutexExists
  ${If} $0 == "0"
  ${AndIf} $AllUsers == "1"
    StrCpy $2 "Global\velmora"  ; other users' sessions run the machine-wide program too
    Call ${un}MutexExists
  ${EndIf}
  ${If} $0 == "0"
    Return
  ${EndIf}
  ${If} ${Silent}
    SetErrorLevel ${ERROR_SHARING_VIOLATION}
    Quit
  ${EndIf}
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "velmora (${TITLE}) が実行中です。$\r$\nvelmora を終了してから「再試行」を押してください。" \
    IDRETRY check
  SetErrorLevel ${ERROR_CANCELLED}
  Quit
FunctionEnd
!macroend
!insertmacro SharedFunctions ""
!insertmacro SharedFunctions "un."

Function .onInit
  StrCpy $LANGUAGE ${LANG_JAPANESE}
  ; The default folder, read before the shell context changes what $LOCALAPPDATA names: any
  ; other folder came from /D=.
  StrCpy $R1 "${PER_USER_DIR}"
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${IfNot} ${Errors}
    StrCpy $AllUsers "1"
    ; The relaunch keeps the folder only when one was given (/D=, which must come last).
    StrCpy $R0 "/ALLUSERS ${RELAUNCHED}"
    ${If} ${Silent}
      StrCpy $R0 "/S $R0"
    ${EndIf}
    ${If} $INSTDIR != $R1
      StrCpy $R0 "$R0 /D=$INSTDIR"
    ${EndIf}
    Call NeedAdministrator
  ${EndIf}
  !insertmacro UseScope
  ; An install of the same scope is upgraded where it is, unless /D= names another folder.
  ${If} $INSTDIR == $R1
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $1 != ""
      StrCpy $INSTDIR $1
    ${ElseIf} $AllUsers == "1"
      StrCpy $INSTDIR "$PROGRAMFILES64\velmora"
    ${EndIf}
  ${EndIf}
FunctionEnd

; Ends the section at a failure: the message, the exit code, no further step.
!macro FailWith CODE TEXT
  MessageBox MB_ICONSTOP "${TEXT}" /SD IDOK
  SetErrorLevel ${CODE}
  Abort
!macroend

; Puts FILE.new in FILE's place, keeping the old file as FILE.old until the install is complete.
; Sets the error flag, and undoes itself, when either rename fails.
!macro SwapIn FILE
  ClearErrors
  ${If} ${FileExists} "$INSTDIR\${FILE}"
    Rename "$INSTDIR\${FILE}" "$INSTDIR\${FILE}.old"
  ${EndIf}
  ${IfNot} ${Errors}
    Rename "$INSTDIR\${FILE}.new" "$INSTDIR\${FILE}"
    ${If} ${Errors}
      Rename "$INSTDIR\${FILE}.old" "$INSTDIR\${FILE}"
      SetErrors
    ${EndIf}
  ${EndIf}
!macroend

; Puts the old FILE back (or removes the new one of a first install).
!macro SwapBack FILE
  ${If} ${FileExists} "$INSTDIR\${FILE}.old"
    Delete "$INSTDIR\${FILE}"
    Rename "$INSTDIR\${FILE}.old" "$INSTDIR\${FILE}"
  ${Else}
    Delete "$INSTDIR\${FILE}"
  ${EndIf}
!macroend

; Writes one value of the entry in the installed programs; a failure is remembered.
!macro EntryValue KIND NAME VALUE
  ClearErrors
  WriteReg${KIND} SHCTX "${UNINSTALL_KEY}" "${NAME}" `${VALUE}`
  ${If} ${Errors}
    StrCpy $Failed 2
  ${EndIf}
!macroend

Section "velmora"
  Call WaitUntilClosed
  ClearErrors
  CreateDirectory "$INSTDIR"
  SetOutPath "$INSTDIR"
  ${If} ${Errors}
    !insertmacro FailWith 2 "フォルダー $INSTDIR を作れませんでした。"
  ${EndIf}
  ; The new files go in beside the old ones first; the old ones are replaced only when all are
  ; written, and put back if any cannot be. The command-line program (velmora-cli.exe) is not put
  ; on the PATH: it is called by its path in the folder.
  Delete "$INSTDIR\velmora.exe.new"
  Delete "$INSTDIR\velmora-cli.exe.new"
  Delete "$INSTDIR\uninstall.exe.new"
  ClearErrors
  File "/oname=velmora.exe.new" "${EXE}"
  File "/oname=velmora-cli.exe.new" "${CLI}"
  WriteUninstaller "$INSTDIR\uninstall.exe.new"
  ${If} ${Errors}
    Delete "$INSTDIR\velmora.exe.new"
    Delete "$INSTDIR\velmora-cli.exe.new"
    Delete "$INSTDIR\uninstall.exe.new"
    RMDir "$INSTDIR"  ; only if a first install left it empty
    !insertmacro FailWith 2 "$INSTDIR にファイルを書き込めませんでした。以前のインストールはそのままです。"
  ${EndIf}

  ; Windows renames a running program but does not delete it: the old file's deletion is the
  ; proof that no velmora runs from it.
  Delete "$INSTDIR\velmora.exe.old"
  Delete "$INSTDIR\velmora-cli.exe.old"
  Delete "$INSTDIR\uninstall.exe.old"
  !insertmacro SwapIn "velmora.exe"
  ${IfNot} ${Errors}
    !insertmacro SwapIn "velmora-cli.exe"
    ${If} ${Errors}
      !insertmacro SwapBack "velmora.exe"
      SetErrors
    ${EndIf}
  ${EndIf}
  ${IfNot} ${Errors}
    !insertmacro SwapIn "uninstall.exe"
    ${If} ${Errors}
      !insertmacro SwapBack "velmora-cli.exe"
      !insertmacro SwapBack "velmora.exe"
      SetErrors
    ${EndIf}
  ${EndIf}
  ${IfNot} ${Errors}
  ${AndIf} ${FileExists} "$INSTDIR\velmora.exe.old"
    Delete "$INSTDIR\velmora.exe.old"
    ${If} ${FileExists} "$INSTDIR\velmora.exe.old"
      !insertmacro SwapBack "velmora.exe"
      !insertmacro SwapBack "velmora-cli.exe"
      !insertmacro SwapBack "uninstall.exe"
      SetErrors
    ${EndIf}
  ${EndIf}
  ${If} ${Errors}
    Delete "$INSTDIR\velmora.exe.new"
    Delete "$INSTDIR\velmora-cli.exe.new"
    Delete "$INSTDIR\uninstall.exe.new"
    RMDir "$INSTDIR"
    !insertmacro FailWith ${ERROR_ACCESS_DENIED} \
      "$INSTDIR\velmora.exe を置き換えられませんでした。velmora が実行中かもしれません。$\r$\nvelmora を終了してから、もう一度インストールしてください。以前のインストールはそのままです。"
  ${EndIf}
  Delete /REBOOTOK "$INSTDIR\uninstall.exe.old"
  Delete /REBOOTOK "$INSTDIR\velmora-cli.exe.old"

  StrCpy $Failed ""
  ClearErrors
  CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\velmora.exe" "" "$INSTDIR\velmora.exe" 0
  ${If} ${Errors}
    StrCpy $Failed 2
  ${EndIf}
  ; The uninstall strings name the scope for whoever reads them; the uninstaller itself takes it
  ; from InstallLocation.
  ${If} $AllUsers == "1"
    StrCpy $0 " /ALLUSERS"
  ${Else}
    StrCpy $0 ""
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  !insertmacro EntryValue Str "DisplayName" "${TITLE}"
  !insertmacro EntryValue Str "DisplayVersion" "${VERSION}"
  !insertmacro EntryValue Str "Publisher" "${PUBLISHER}"
  !insertmacro EntryValue Str "DisplayIcon" "$INSTDIR\velmora.exe,0"
  !insertmacro EntryValue Str "InstallLocation" "$INSTDIR"
  !insertmacro EntryValue Str "UninstallString" '"$INSTDIR\uninstall.exe"$0'
  !insertmacro EntryValue Str "QuietUninstallString" '"$INSTDIR\uninstall.exe"$0 /S'
  !insertmacro EntryValue DWORD "EstimatedSize" $1
  !insertmacro EntryValue DWORD "NoModify" 1
  !insertmacro EntryValue DWORD "NoRepair" 1
  ${If} $Failed != ""
    !insertmacro FailWith $Failed \
      "velmora はインストールされましたが、スタートメニューまたは「アプリ」への登録に失敗しました。"
  ${EndIf}
SectionEnd

Function un.onInit
  StrCpy $LANGUAGE ${LANG_JAPANESE}
  ; The install's own scope: machine-wide when the machine's entry names this folder. The command
  ; line does not decide it, so Settings > Apps, a double-click and a script remove alike.
  SetRegView 64
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  SetRegView default
  ${If} $0 == $INSTDIR
    StrCpy $AllUsers "1"
    StrCpy $R0 "${RELAUNCHED} _?=$INSTDIR"
    ${If} ${Silent}
      StrCpy $R0 "/S $R0"
    ${EndIf}
    Call un.NeedAdministrator
  ${EndIf}
  !insertmacro UseScope
FunctionEnd

; Deletes a file of the install; a failure is remembered.
!macro UnDelete PATH
  ${If} ${FileExists} "${PATH}"
    ClearErrors
    Delete "${PATH}"
    ${If} ${Errors}
      StrCpy $Failed "${PATH}"
    ${EndIf}
  ${EndIf}
!macroend

Section "Uninstall"
  Call un.WaitUntilClosed
  ; The program first: while it cannot go (a velmora that holds no mutex, started from here),
  ; nothing else goes either.
  ${If} ${FileExists} "$INSTDIR\velmora.exe"
    ClearErrors
    Delete "$INSTDIR\velmora.exe"
    ${If} ${Errors}
      !insertmacro FailWith ${ERROR_ACCESS_DENIED} \
        "$INSTDIR\velmora.exe を削除できませんでした。velmora を終了してから、もう一度アンインストールしてください。"
    ${EndIf}
  ${EndIf}
  StrCpy $Failed ""
  !insertmacro UnDelete "$SMPROGRAMS\${TITLE}.lnk"
  !insertmacro UnDelete "$INSTDIR\velmora-cli.exe"
  Delete "$INSTDIR\velmora.exe.old"
  Delete "$INSTDIR\velmora.exe.new"
  Delete "$INSTDIR\velmora-cli.exe.old"
  Delete "$INSTDIR\velmora-cli.exe.new"
  Delete "$INSTDIR\uninstall.exe.new"
  ${If} $EXEDIR == $INSTDIR
    ; Run in place (_?=): the uninstaller cannot delete itself, Windows does at the next start.
    Delete /REBOOTOK "$INSTDIR\uninstall.exe"
    RMDir /REBOOTOK "$INSTDIR"
  ${Else}
    !insertmacro UnDelete "$INSTDIR\uninstall.exe"
    ClearErrors
    RMDir "$INSTDIR"
    ${If} ${Errors}
      StrCpy $Failed "$INSTDIR"
    ${EndIf}
  ${EndIf}
  ; The entry goes only if it is this install's: another folder's install keeps its own.
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    ClearErrors
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    ${If} ${Errors}
      StrCpy $Failed "${UNINSTALL_KEY}"
    ${EndIf}
  ${EndIf}
  ${If} $Failed != ""
    !insertmacro FailWith 2 "velmora は削除されましたが、$Failed を削除できませんでした。"
  ${EndIf}
SectionEnd
