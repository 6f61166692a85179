; The Windows installer, in French, for the current user only (no administrator rights):
; the program's folder under %LOCALAPPDATA%\Programs, a Start menu entry, an entry in the list
; of installed programs, and the team and orders files known by name, the team file opening in
; the program. The file types follow Windows' conventions for sharing them: the program is
; named among those that open each extension, takes the double-click of team files only, never
; takes orders files from another program, and takes back only what it added. Made by
; tools/windows:
;   makensis -INPUTCHARSET UTF8 -DVERSION=... -DICON=... -DFOLDER=... -DFILES=... -DOUTFILE=... installer.nsi
; FOLDER is the program's folder; FILES lists its files and folders for the uninstaller, so that
; anything else a player put there stays.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PROGRAM "Rédaction des Ordres"
!define EXE "redaction-des-ordres.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\redaction-des-ordres"
!define TEAM_TYPE "RedactionDesOrdres.Equipe"
!define ORDERS_TYPE "RedactionDesOrdres.Ordres"

Name "${PROGRAM}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PROGRAM}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "${PROGRAM}"
VIAddVersionKey /LANG=1036 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de ${PROGRAM}"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "Rédaction des Ordres"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${FOLDER}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PROGRAM}.lnk" "$INSTDIR\${EXE}"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PROGRAM}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    WriteRegStr HKCU "Software\Classes\${TEAM_TYPE}" "" "Fichier d'équipe"
    WriteRegStr HKCU "Software\Classes\${TEAM_TYPE}\DefaultIcon" "" "$INSTDIR\${EXE},0"
    WriteRegStr HKCU "Software\Classes\${TEAM_TYPE}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
    WriteRegNone HKCU "Software\Classes\.cyc\OpenWithProgids" "${TEAM_TYPE}"
    WriteRegStr HKCU "Software\Classes\.cyc" "" "${TEAM_TYPE}"
    ; The program does not open orders files: their type only names and shows them, and is made
    ; the default of .ord only if no program, for this user or for all users, has it yet.
    WriteRegStr HKCU "Software\Classes\${ORDERS_TYPE}" "" "Fichier d'ordres"
    WriteRegStr HKCU "Software\Classes\${ORDERS_TYPE}\DefaultIcon" "" "$INSTDIR\${EXE},0"
    WriteRegNone HKCU "Software\Classes\.ord\OpenWithProgids" "${ORDERS_TYPE}"
    ReadRegStr $0 HKCU "Software\Classes\.ord" ""
    ReadRegStr $1 HKCR ".ord" ""
    ${If} "$0$1" == ""
        WriteRegStr HKCU "Software\Classes\.ord" "" "${ORDERS_TYPE}"
    ${EndIf}
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'  ; associations changed
SectionEnd

; What the program added to an extension is taken back: its name among the programs that open
; it, the extension's default only if it is still the program's, and the keys only once empty,
; so that another program's association stays whole.
!macro ForgetType extension type
    DeleteRegValue HKCU "Software\Classes\${extension}\OpenWithProgids" "${type}"
    DeleteRegKey /ifempty HKCU "Software\Classes\${extension}\OpenWithProgids"
    ReadRegStr $0 HKCU "Software\Classes\${extension}" ""
    ${If} $0 == "${type}"
        DeleteRegValue HKCU "Software\Classes\${extension}" ""
    ${EndIf}
    DeleteRegKey /ifempty HKCU "Software\Classes\${extension}"
    DeleteRegKey HKCU "Software\Classes\${type}"
!macroend

Section "Uninstall"
    SetShellVarContext current
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PROGRAM}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    !insertmacro ForgetType ".cyc" "${TEAM_TYPE}"
    !insertmacro ForgetType ".ord" "${ORDERS_TYPE}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
