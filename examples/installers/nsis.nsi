; NSIS: stage the driver package and check Vantrel.exe's exit code.
; (Not tested here: no NSIS installer was built and run.)
Section "Driver"
  SetOutPath "$INSTDIR\driver"
  File "driver\vantrel_sample.inf"
  SetOutPath "$INSTDIR"
  File "Vantrel.exe"
  ; ExecWait runs in the current output path: make it the package's folder.
  SetOutPath "$INSTDIR\driver"
  ExecWait '"$INSTDIR\Vantrel.exe" vantrel_sample.inf' $0
  ; -1 arrives as the string "-1"; anything but 0 is a failure.
  StrCmp $0 "0" staged
    MessageBox MB_ICONSTOP "Staging the driver failed (exit code $0)."
    Abort
  staged:
SectionEnd
