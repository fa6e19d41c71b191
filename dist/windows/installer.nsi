; The Windows installer of Pixkor, made by scripts/windows with NSIS:
;   makensis -DVERSION=0.1.0 -DFILES=folder -DICON=pixkor.ico -DOUTFILE=Pixkor-0.1.0-setup.exe installer.nsi
; FILES holds Pixkor.exe, the Icons folder, gruen.bmp, schwarz.bmp and LICENSE.txt.
; Installs into Program Files, puts a shortcut into the Start menu whose
; working folder is the installation folder (the program loads its pictures
; from its working directory), and registers an uninstaller that removes
; everything it installed.

; A 64-bit installer for the 64-bit program.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define PRODUCT "Pixkor"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1031 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "FileDescription" "Installation von ${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${FILES}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Pixkor.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "${PRODUCT}"
    SetOutPath "$INSTDIR"
    File "${FILES}\Pixkor.exe"
    File "${FILES}\gruen.bmp"
    File "${FILES}\schwarz.bmp"
    File "${FILES}\LICENSE.txt"
    SetOutPath "$INSTDIR\Icons"
    File "${FILES}\Icons\*.ico"
    WriteUninstaller "$INSTDIR\Deinstallieren.exe"

    ; The shortcut starts the program in the folder that was current when it
    ; was made: the installation folder, where the pictures are.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Pixkor.exe" "" "$INSTDIR\Pixkor.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Pixkor.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" 400
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\Icons\New.ico"
    Delete "$INSTDIR\Icons\Open.ico"
    Delete "$INSTDIR\Icons\Save.ico"
    Delete "$INSTDIR\Icons\SaveAs.ico"
    Delete "$INSTDIR\Icons\Copy1.ico"
    Delete "$INSTDIR\Icons\Refresh.ico"
    RMDir "$INSTDIR\Icons"
    Delete "$INSTDIR\Pixkor.exe"
    Delete "$INSTDIR\gruen.bmp"
    Delete "$INSTDIR\schwarz.bmp"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\Deinstallieren.exe"
    ; Only when empty: files the user put there stay.
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
