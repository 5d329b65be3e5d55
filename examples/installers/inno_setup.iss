; Inno Setup: stage the driver package after the files are installed.
; (Not tested here: Inno Setup is not among Debian's packages.)
[Files]
Source: "Vantrel.exe"; DestDir: "{app}"
Source: "driver\*"; DestDir: "{app}\driver"

; Two forms: the first (commented out) is the plain [Run] entry, the second
; (active) checks the exit code.
;
; 1. A [Run] entry. WorkingDir must be the package's folder: Vantrel.exe
;    takes the INF's name relative to its current directory. A [Run] entry
;    does not see the exit code, so a failure goes unnoticed:
;
; [Run]
; Filename: "{app}\Vantrel.exe"; Parameters: "vantrel_sample.inf"; \
;     WorkingDir: "{app}\driver"; Flags: runhidden waituntilterminated
;
; 2. The same run from [Code] with Exec, which returns the exit code:
;    0 when the INF is staged, -1 on any failure.

[Code]
procedure CurStepChanged(CurStep: TSetupStep);
var
  ResultCode: Integer;
begin
  if CurStep <> ssPostInstall then
    Exit;
  if not Exec(ExpandConstant('{app}\Vantrel.exe'), 'vantrel_sample.inf',
              ExpandConstant('{app}\driver'), SW_HIDE, ewWaitUntilTerminated, ResultCode) then
    MsgBox('Vantrel.exe could not be started.', mbError, MB_OK)
  else if ResultCode <> 0 then
    MsgBox('Staging the driver failed (exit code ' + IntToStr(ResultCode) + ').', mbError, MB_OK);
end;
