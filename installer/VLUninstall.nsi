; Example uninstaller for VELOR Crewlet: the skinned window of VLSetupSkinDll
; takes the place of NSIS's own pages. Build with
;   makensis -DPLUGIN_DIR=<folder of VLSetupSkinDll.dll and its skin> VLUninstall.nsi
; The plug-in takes narrow text: an ANSI installer passes it unchanged.
Unicode false

!ifndef PLUGIN_DIR
  !error "Define PLUGIN_DIR: the folder with VLSetupSkinDll.dll and its skin folder"
!endif
!ifndef OUTFILE
  !define OUTFILE "VLUninstall.exe"
!endif

!define PRODUCT "VELOR Crewlet"
!define SKIN_DLL "$PLUGINSDIR\VLSetupSkinDll.dll"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "C:\velor\${PRODUCT}"
RequestExecutionLevel admin
AutoCloseWindow true
ShowInstDetails nevershow
Page instfiles

; One step of the removal, then the share of the work done so far.
!macro RemoveStep ACTION PERCENT
  ${ACTION}
  System::Call '${SKIN_DLL}::VLSendMessage(t "INSTALLPROGRESS", i ${PERCENT}) i .r9'
!macroend

Section "Remove ${PRODUCT}"
  HideWindow
  InitPluginsDir
  SetOutPath "$PLUGINSDIR"
  File "${PLUGIN_DIR}\VLSetupSkinDll.dll"
  SetOutPath "$PLUGINSDIR\skin"
  File "${PLUGIN_DIR}\skin\*.*"
  SetOutPath "$TEMP"

  ; Blocks until the user starts the uninstall (the folder comes back) or
  ; gives up ("close"). With /S no window is shown and the folder comes back.
  StrCpy $3 $CMDLINE
  StrCpy $4 $INSTDIR
  System::Call '${SKIN_DLL}::InitVLSkinEngine(t r3, t r4, *i 0 r2) t .r1'
  StrCmp $1 "close" cancelled
  StrCmp $1 "" cancelled

  !insertmacro RemoveStep 'Delete "$1\Crewlet.exe"' 15
  !insertmacro RemoveStep 'Delete "$1\SkinUI.dll"' 30
  !insertmacro RemoveStep 'Delete "$1\UrlConfig.ini"' 40
  !insertmacro RemoveStep 'RMDir /r "$1\skins"' 70
  !insertmacro RemoveStep 'DeleteRegKey HKLM "Software\Velor\${PRODUCT}"' 85
  !insertmacro RemoveStep 'RMDir "$1"' 100

  ; Shows the finish page and returns once the user has dismissed it.
  System::Call '${SKIN_DLL}::VLSendMessage(t "INSTALLFINISH", i 0) i .r9'
  Goto done

cancelled:
  SetErrorLevel 1
done:
SectionEnd
