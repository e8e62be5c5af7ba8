; The per-user installer of the Windows program, built by
; scripts/package-windows.sh with Debian's makensis, which defines:
;   VERSION   the project's version, e.g. 3.2 (from CMake)
;   EXE64     the 64-bit ombrelk.exe, installed on 64-bit Windows
;   EXE32     the 32-bit ombrelk.exe, installed everywhere else
;   ICON      the program's icon as .ico
;   LICENSE   the licence text
;   OUTFILE   where the installer goes
;   TARGET    optional: amd64-unicode for a 64-bit installer (the shipped one
;             is 32-bit, so that it starts on every Windows)
; Nothing here depends on the time or the machine it is built on (no
; !define /date, the files' times not kept), so the same inputs give the
; same installer.
;
; Command line, besides NSIS's own /S (silent) and /D=folder:
;   /LOGIN   with /S: also start the calendar at login
; The uninstaller keeps Ombrelk.ini unless its page's box is ticked, or, with
; /S, unless /PURGE is given.

Unicode true
!ifdef TARGET
Target ${TARGET}
!endif
SetCompressor /SOLID lzma
SetDateSave off
RequestExecutionLevel user
ManifestDPIAware true

!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh
!include Sections.nsh
!include WinMessages.nsh
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ombrelk"
; The class the calendar registers for its windows.
!define WINDOW_CLASS "OmbrelkForm"
; The Startup shortcut the calendar's own option makes: same name, same
; working folder.
!define LOGIN_LINK "$SMSTARTUP\Ombrelk.lnk"
!define SETTINGS_DIR "$APPDATA\Ombrelk"

Name "Ombrelk ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Ombrelk"
; An upgrade goes where the last install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Ombrelk ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "Ombrelk"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileDescription" "Ombrelk ${VERSION} Setup"
VIAddVersionKey /LANG=1041 "CompanyName" "Trevask"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Copyright (c) 2026 The Ombrelk developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\ombrelk.exe"
!define MUI_FINISHPAGE_RUN_FUNCTION StartCalendar
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Japanese"

; Closes every window of a running calendar (its calendar window ends it and
; saves its settings, as its close button does; its other windows only hide)
; and waits for them to go.
; Silent, a calendar that does not close stops the setup with exit code 2;
; otherwise the user is asked to end it and retry.
!macro CLOSE_RUNNING un
Function ${un}CloseRunning
  retry:
  StrCpy $R1 0
  loop:
    FindWindow $R0 "${WINDOW_CLASS}"
    StrCmp $R0 0 closed
    IntCmp $R1 50 stuck 0 stuck
    next:
      SendMessage $R0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
      FindWindow $R0 "${WINDOW_CLASS}" "" 0 $R0
      StrCmp $R0 0 0 next
    Sleep 200
    IntOp $R1 $R1 + 1
    Goto loop
  stuck:
    IfSilent 0 ask
    SetErrorLevel 2
    Quit
  ask:
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Ombrelk を終了できませんでした。終了してから再試行してください。$\n(Ombrelk is still running: end it, then retry.)" IDRETRY retry
    SetErrorLevel 2
    Quit
  closed:
  ; The process ends a moment after its window.
  Sleep 500
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING ""
!insertmacro CLOSE_RUNNING "un."

Function StartCalendar
  SetOutPath "${SETTINGS_DIR}"
  Exec '"$INSTDIR\ombrelk.exe"'
FunctionEnd

Section "Ombrelk" SecProgram
  SectionIn RO
  Call CloseRunning
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File /oname=ombrelk.exe "${EXE64}"
  ${Else}
    File /oname=ombrelk.exe "${EXE32}"
  ${EndIf}
  File /oname=LICENSE.txt "${LICENSE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; The calendar keeps Ombrelk.ini in the folder it starts in: its shortcuts
  ; start it in the user's settings folder (the working folder of a shortcut
  ; is the output path when it is made).
  CreateDirectory "${SETTINGS_DIR}"
  SetOutPath "${SETTINGS_DIR}"
  CreateShortcut "$SMPROGRAMS\Ombrelk.lnk" "$INSTDIR\ombrelk.exe" "" "$INSTDIR\ombrelk.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Ombrelk"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Trevask"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ombrelk.exe,0"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "ログイン時に起動 (start at login)" SecLogin
  SetOutPath "${SETTINGS_DIR}"
  CreateShortcut "${LOGIN_LINK}" "$INSTDIR\ombrelk.exe"
SectionEnd

; Unticked on an upgrade: the user turned starting at login off.
Section "-LoginOff"
  ${IfNot} ${SectionIsSelected} ${SecLogin}
    Delete "${LOGIN_LINK}"
  ${EndIf}
SectionEnd

Function .onInit
  ; Starting at login stays as it was: ticked when the shortcut is there.
  ${If} ${FileExists} "${LOGIN_LINK}"
    !insertmacro SelectSection ${SecLogin}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LOGIN" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecLogin}
  ${EndIf}
FunctionEnd

Section "un.Ombrelk" UnSecProgram
  SectionIn RO
  Call un.CloseRunning
  Delete "$INSTDIR\ombrelk.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Ombrelk.lnk"
  Delete "${LOGIN_LINK}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.設定 (Ombrelk.ini) も削除する (remove the settings)" UnSecSettings
  Delete "${SETTINGS_DIR}\Ombrelk.ini"
  Delete "${SETTINGS_DIR}\Ombrelk.ini.bak*"
  ; Only when nothing else is left there (a list of days off, say).
  RMDir "${SETTINGS_DIR}"
SectionEnd

Function un.onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/PURGE" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${UnSecSettings}
  ${EndIf}
FunctionEnd
