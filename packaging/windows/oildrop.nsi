; SPDX-FileCopyrightText: 2026 The oildrop developers
;
; SPDX-License-Identifier: GPL-3.0-or-later

; The Windows installer: the portable folder into Program Files, a Start-menu
; entry in the installer's language (Russian or English), an uninstaller
; listed in the system's programs. Silent with /S (in Russian, or English
; with /LANG=1033). Made by scripts/build-windows.sh:
;   makensis -DVERSION=<version> -DPORTABLE=<folder> -DOUTFILE=<setup.exe> oildrop.nsi

; A 64-bit installer for the 64-bit program (it cannot start on 32-bit Windows).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "LogicLib.nsh"

Name "$(ProgramName)"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\oildrop"
InstallDirRegKey HKLM "Software\oildrop" "InstallDir"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\oildrop"

!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!insertmacro MUI_PAGE_LICENSE "${PORTABLE}\licences\oildrop GPL-3.0-or-later.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\oildrop.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "English"

LangString ProgramName ${LANG_RUSSIAN} "Моделирование опыта Вельтрана"
LangString ProgramName ${LANG_ENGLISH} "Simulation of Veltran's Experiment"
LangString UninstallName ${LANG_RUSSIAN} "Удалить «Моделирование опыта Вельтрана»"
LangString UninstallName ${LANG_ENGLISH} "Uninstall Simulation of Veltran's Experiment"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "oildrop"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Simulation of Veltran's Experiment: installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "2026 The oildrop developers, GPL-3.0-or-later"

Function .onInit
    SetRegView 64
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "oildrop"
    SetOutPath "$INSTDIR"
    File /r "${PORTABLE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; For every user: the Start menu's shortcuts in the installer's language.
    SetShellVarContext all
    CreateDirectory "$SMPROGRAMS\$(ProgramName)"
    CreateShortcut "$SMPROGRAMS\$(ProgramName)\$(ProgramName).lnk" "$INSTDIR\oildrop.exe"
    CreateShortcut "$SMPROGRAMS\$(ProgramName)\$(UninstallName).lnk" "$INSTDIR\uninstall.exe"
    WriteRegStr HKLM "Software\oildrop" "InstallDir" "$INSTDIR"
    WriteRegStr HKLM "Software\oildrop" "StartMenuFolder" "$(ProgramName)"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "$(ProgramName)"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The oildrop developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\oildrop.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The student's journals stay: they live in the user's application-data
; folder, not in the program's.
Section "Uninstall"
    SetShellVarContext all
    ReadRegStr $0 HKLM "Software\oildrop" "StartMenuFolder"
    ${If} $0 != ""
        RMDir /r "$SMPROGRAMS\$0"
    ${EndIf}
    ; Only what the installer put there (the folder may have been chosen
    ; with other files in it), then the folder if that left it empty.
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\licences"
    Delete "$INSTDIR\oildrop.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\*.pdf"
    Delete "$INSTDIR\instruction*.txt"
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\oildrop"
SectionEnd
