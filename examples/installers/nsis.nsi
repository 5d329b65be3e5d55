; NSIS: install Vantrel.exe with a driver package and stage the package,
; stopping when Vantrel.exe reports a failure (exit code -1).
; Build: makensis -DPACKAGE_DIR=<folder with Vantrel.exe and driver\> nsis.nsi
Unicode true
Name "Vantrel sample driver"
OutFile "stage_driver_setup.exe"
InstallDir "$PROGRAMFILES\Vantrel Sample"
RequestExecutionLevel admin

Section "Driver"
  SetOutPath "$INSTDIR\driver"
  File "${PACKAGE_DIR}\driver\vantrel_sample.inf"
  SetOutPath "$INSTDIR"
  File "${PACKAGE_DIR}\Vantrel.exe"
  ; ExecWait starts the program in the current output path: make it the
  ; package's folder, since Vantrel.exe takes the INF's name relative to it.
  SetOutPath "$INSTDIR\driver"
  ExecWait '"$INSTDIR\Vantrel.exe" vantrel_sample.inf' $0
  ; -1 arrives as the string "-1"; anything but 0 is a failure.
  StrCmp $0 "0" staged
    MessageBox MB_ICONSTOP "Staging the driver failed (exit code $0)." /SD IDOK
    SetErrorLevel 2
    Abort
  staged:
SectionEnd
