; installer/: the setup and the uninstaller of Quillet, built with NSIS (makensis) from the
; staged application folder. The build runs makensis (installer/CMakeLists.txt); by hand:
;   makensis -DVERSION=1.0.0 -DARCH=32|64 -DDIST=<staged folder> -DSKINS=<skins.nsh>
;            -DOUTFILE=<setup.exe> -DROOT=<source folder> installer/quillet.nsi
; ARCH 32 makes an x86 setup of the 32-bit build (its dist holds Vantrix.dll and, for
; 64-bit Windows, Vantrix64.dll); ARCH 64 an amd64 setup of the 64-bit build (Vantrix.dll
; and Vantrix32.dll). SKINS names the generated list of the installed skins (skins.nsh:
; the macros InstallSkins and RemoveInstalledSkins).
;
; Silent use: Quillet-<version>-setup.exe /S [/D=<folder>]   (/D= last, without quotes)
;             uninstall.exe /S [_?=<folder>]   (silent answers: keep the editor settings
;                                               and the skins of the user's own)

!macro Needs Name
  !ifndef ${Name}
    !error "quillet.nsi needs -D${Name}=... (see the top of the file)"
  !endif
!macroend
!insertmacro Needs VERSION
!insertmacro Needs ARCH
!insertmacro Needs DIST
!insertmacro Needs SKINS
!insertmacro Needs OUTFILE
!insertmacro Needs ROOT

!if ${ARCH} == 64
  Target amd64-unicode
!else if ${ARCH} == 32
  Target x86-unicode
!else
  !error "ARCH is 32 or 64"
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh
!include x64.nsh
!include ${SKINS}

!define PRODUCT "Quillet"
!define PUBLISHER "Fellbrook Studios"
; The install folder, as the Explorer extension (shellext/vantrix_menu.cpp) and the
; launcher (launcher/lanchet.cpp) read it: the default value, with or without a trailing
; backslash (they accept both); written without one.
!define SHELLEXT_FOLDER_KEY "Software\Quillet"
!define LAUNCHER_FOLDER_KEY "Software\Fellbrook Studios\Quillet"
!define MAKER_KEY "Software\Fellbrook Studios"
; The editor settings (docs/editor_settings.cpp): kept unless the user asks otherwise.
!define SETTINGS_KEY "Software\Brightmoor\Quillet"
!define SETTINGS_MAKER_KEY "Software\Brightmoor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillet"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
!if ${ARCH} == 64
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif
; An upgrade goes where the last setup put the program.
InstallDirRegKey HKLM "${LAUNCHER_FOLDER_KEY}" ""
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ROOT}/app/res/quillet.ico"
!define MUI_UNICON "${ROOT}/app/res/quillet.ico"
; Drawn by toolartgen (tools/art/), like the about picture.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ROOT}/app/res/setup_side.bmp"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quillet.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Quillet"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; --- shared by the setup and the uninstaller ------------------------------------------

; Refuses to go on while an editor runs (its main window: class and title "Quillet"):
; its files could not be replaced, and it writes Config.ini when it ends. Silent: quits
; with exit code 2.
!macro RefuseWhileTheEditorRuns
  ${Do}
    FindWindow $0 "Quillet" "Quillet"
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Quillet is running. Close it, then press Retry." /SD IDCANCEL IDRETRY retryAfterClosing
    SetErrorLevel 2
    Quit
    retryAfterClosing:
  ${Loop}
!macroend

; Writes (or, with Delete, removes) the default value of both install-folder keys; on
; 64-bit Windows in both registry views, since 32-bit and 64-bit programs each read
; their own.
!macro InstallFolderKeys Action
  ${If} ${RunningX64}
    SetRegView 64
    !insertmacro InstallFolderKeysInView ${Action}
    SetRegView 32
    !insertmacro InstallFolderKeysInView ${Action}
    SetRegView ${ARCH}  ; the setup's own view again
  ${Else}
    !insertmacro InstallFolderKeysInView ${Action}
  ${EndIf}
!macroend
!macro InstallFolderKeysInView Action
  !if ${Action} == Write
    WriteRegStr HKLM "${SHELLEXT_FOLDER_KEY}" "" "$INSTDIR"
    WriteRegStr HKLM "${LAUNCHER_FOLDER_KEY}" "" "$INSTDIR"
  !else
    DeleteRegValue HKLM "${SHELLEXT_FOLDER_KEY}" ""
    DeleteRegKey /ifempty HKLM "${SHELLEXT_FOLDER_KEY}"
    DeleteRegValue HKLM "${LAUNCHER_FOLDER_KEY}" ""
    DeleteRegKey /ifempty HKLM "${LAUNCHER_FOLDER_KEY}"
    DeleteRegKey /ifempty HKLM "${MAKER_KEY}"
  !endif
!macroend

; Registers (Action "") or unregisters (Action "/u") the Explorer extension of Windows'
; own architecture, through regsvr32 of that architecture — what the Options page does
; with DllRegisterServer and DllUnregisterServer (options::SetShellExtension).
!macro ShellExtension Action
  !if ${ARCH} == 64
    !insertmacro RegServer "${Action}" "$SYSDIR\regsvr32.exe" "$INSTDIR\Vantrix.dll"
  !else
    ${If} ${RunningX64}
      ; A 32-bit process reaches the 64-bit System32 as Sysnative.
      !insertmacro RegServer "${Action}" "$WINDIR\Sysnative\regsvr32.exe" "$INSTDIR\Vantrix64.dll"
    ${Else}
      !insertmacro RegServer "${Action}" "$SYSDIR\regsvr32.exe" "$INSTDIR\Vantrix.dll"
    ${EndIf}
  !endif
!macroend
!macro RegServer Action Program Library
  ${If} ${FileExists} "${Library}"
    ExecWait '"${Program}" /s ${Action} "${Library}"' $0
    ${If} $0 != 0
      DetailPrint "regsvr32 ${Action} ${Library} ended with $0"
    ${EndIf}
  ${EndIf}
!macroend

; The other architecture's copy of the Explorer extension, when the build made one:
; Vantrix64.dll beside a 32-bit program, for 64-bit Windows; Vantrix32.dll beside a 64-bit one.
!if ${ARCH} == 64
  !if /FileExists "${DIST}/Vantrix32.dll"
    !define OTHER_EXTENSION "Vantrix32.dll"
  !endif
!else
  !if /FileExists "${DIST}/Vantrix64.dll"
    !define OTHER_EXTENSION "Vantrix64.dll"
  !endif
!endif

; An Explorer extension stays loaded in Explorer after it was unregistered, and a loaded
; library cannot be overwritten or deleted, but it can be renamed: the old copy moves
; aside and is deleted now or, while still loaded, when Windows restarts.
!macro MoveLoadedLibraryAside Name
  ${If} ${FileExists} "$INSTDIR\${Name}"
    Delete "$INSTDIR\${Name}.old"
    Rename "$INSTDIR\${Name}" "$INSTDIR\${Name}.old"
    Delete /REBOOTOK "$INSTDIR\${Name}.old"
  ${EndIf}
!macroend

; --- the setup ---------------------------------------------------------------------

Function .onInit
  !if ${ARCH} == 64
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "This setup installs the 64-bit Quillet, which needs 64-bit Windows." /SD IDOK
      SetErrorLevel 1
      Quit
    ${EndIf}
    SetRegView 64
  !endif
  !insertmacro RefuseWhileTheEditorRuns
  Call OfferTheExtensionOnlyWhenPacked
FunctionEnd

Section "Quillet" SecProgram
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${DIST}/Quillet.exe"
  File "${DIST}/Corvex.dll"
  !insertmacro MoveLoadedLibraryAside "Vantrix.dll"
  File "${DIST}/Vantrix.dll"
  !ifdef OTHER_EXTENSION
    !insertmacro MoveLoadedLibraryAside "${OTHER_EXTENSION}"
    File "${DIST}/${OTHER_EXTENSION}"
  !endif
  File "${DIST}/Lanchet.exe"
  File /nonfatal "${DIST}/Help.chm"
  ; An upgrade keeps the user's settings.
  SetOverwrite off
  File "${DIST}/Config.ini"
  SetOverwrite on
  ; The installed skins are replaced; skins of the user's own stay as they are.
  SetOutPath "$INSTDIR\Skin"
  !insertmacro InstallSkins
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  !insertmacro InstallFolderKeys Write
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Quillet.exe" "" "$INSTDIR\Quillet.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillet.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Explorer context menu (Open with Quillet)" SecShellExtension
SectionEnd

; A 32-bit setup made without the 64-bit extension cannot give 64-bit Explorer its menu:
; the choice is shown unticked and cannot be made, rather than ticked and doing nothing.
Function OfferTheExtensionOnlyWhenPacked
  !if ${ARCH} == 32
    !ifndef OTHER_EXTENSION
      ${If} ${RunningX64}
        SectionSetFlags ${SecShellExtension} ${SF_RO}
        SectionSetText ${SecShellExtension} "Explorer context menu (not in this setup for 64-bit Windows)"
      ${EndIf}
    !endif
  !endif
FunctionEnd

; The context menu as chosen. The editor registers or unregisters the extension at every
; start as Config.ini [Editor] ShellEx says, so the choice is written there too.
Section "-ShellExtensionChoice"
  ${If} ${SectionIsSelected} ${SecShellExtension}
    !insertmacro ShellExtension ""
    WriteINIStr "$INSTDIR\Config.ini" "Editor" "ShellEx" "1"
  ${Else}
    !insertmacro ShellExtension "/u"
    WriteINIStr "$INSTDIR\Config.ini" "Editor" "ShellEx" "0"
  ${EndIf}
SectionEnd

; --- the uninstaller ------------------------------------------------------------------

Function un.onInit
  !if ${ARCH} == 64
    SetRegView 64
  !endif
  !insertmacro RefuseWhileTheEditorRuns
FunctionEnd

; Puts file type $0 back as the Options page's Remove does (options::Unassociate): a type
; that still points at the program's key "Quillet<type>" gets that key's Backup value as
; its default again; one another program has taken since keeps its new registration, and
; one whose program key is gone is left as it is. The program's key goes in any case.
Function un.Unassociate
  ClearErrors
  ReadRegStr $1 HKCR "Quillet$0" "Backup"
  ${IfNot} ${Errors}
    ReadRegStr $3 HKCR "$0" ""
    ${If} $3 == "Quillet$0"
      WriteRegStr HKCR "$0" "" "$1"
    ${EndIf}
  ${EndIf}
  DeleteRegKey HKCR "Quillet$0"
FunctionEnd

Section "Uninstall"
  SetShellVarContext all

  !insertmacro ShellExtension "/u"
  !if ${ARCH} == 32
    ; On 64-bit Windows the 32-bit editor's Options page registers the 32-bit extension.
    ${If} ${RunningX64}
      !insertmacro RegServer "/u" "$SYSDIR\regsvr32.exe" "$INSTDIR\Vantrix.dll"
    ${EndIf}
  !endif

  ; The associated file types: [FileAssoc] 0, 1, 2, ... up to the first missing number,
  ; as the Options page stores its list (options/association_page.cpp).
  StrCpy $2 0
  ${Do}
    ReadINIStr $0 "$INSTDIR\Config.ini" "FileAssoc" "$2"
    ${If} $0 == ""
      ${Break}
    ${EndIf}
    DetailPrint "Restoring the file type $0"
    Call un.Unassociate
    IntOp $2 $2 + 1
  ${Loop}

  !insertmacro InstallFolderKeys Delete
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  ClearErrors
  EnumRegKey $0 HKLM "${SETTINGS_KEY}" 0
  ${IfNot} ${Errors}
    MessageBox MB_YESNO|MB_ICONQUESTION "Remove Quillet's editor settings too?" /SD IDNO IDNO keepSettings
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "${SETTINGS_MAKER_KEY}"
    keepSettings:
  ${EndIf}

  Delete "$INSTDIR\Quillet.exe"
  Delete "$INSTDIR\Corvex.dll"
  ; Explorer may still hold the extension: then it goes when Windows restarts.
  Delete /REBOOTOK "$INSTDIR\Vantrix.dll"
  Delete /REBOOTOK "$INSTDIR\Vantrix32.dll"
  Delete /REBOOTOK "$INSTDIR\Vantrix64.dll"
  Delete /REBOOTOK "$INSTDIR\Vantrix.dll.old"
  Delete /REBOOTOK "$INSTDIR\Vantrix32.dll.old"
  Delete /REBOOTOK "$INSTDIR\Vantrix64.dll.old"
  Delete "$INSTDIR\Lanchet.exe"
  Delete "$INSTDIR\Help.chm"
  Delete "$INSTDIR\Config.ini"
  Delete "$INSTDIR\uninstall.exe"

  ; The installed skins go; the folders left in Skin\ are skins of the user's own.
  !insertmacro RemoveInstalledSkins
  StrCpy $3 ""
  FindFirst $1 $0 "$INSTDIR\Skin\*"
  ${DoWhile} $0 != ""
    ${If} $0 != "."
    ${AndIf} $0 != ".."
    ${AndIf} ${FileExists} "$INSTDIR\Skin\$0\*.*"
      StrCpy $3 "$3$\r$\n    $0"
    ${EndIf}
    FindNext $1 $0
  ${Loop}
  FindClose $1
  ${If} $3 != ""
    MessageBox MB_YESNO|MB_ICONQUESTION "Remove the skins you added too?$3" /SD IDNO IDNO keepSkins
    RMDir /r "$INSTDIR\Skin"
    keepSkins:
  ${EndIf}
  RMDir "$INSTDIR\Skin"
  ${If} ${RebootFlag}
    RMDir /REBOOTOK "$INSTDIR"
    MessageBox MB_OK|MB_ICONINFORMATION "Explorer still holds Quillet's context-menu extension. It is removed, with the rest of the folder, when Windows restarts." /SD IDOK
  ${Else}
    RMDir "$INSTDIR"
  ${EndIf}
SectionEnd
