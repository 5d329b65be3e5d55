@echo off
rem Stages the driver package in the "driver" folder beside this script with
rem the Vantrel.exe beside it. Vantrel.exe has no console: its failure line
rem is seen only because its output is redirected to a file here.
setlocal
set "VANTREL=%~dp0Vantrel.exe"
set "LOG=%TEMP%\vantrel.log"
if not exist "%~dp0driver\vantrel_sample.inf" exit /b 2
cd /d "%~dp0driver"
"%VANTREL%" vantrel_sample.inf > "%LOG%"
rem Vantrel.exe fails with -1, and "if errorlevel 1" means "1 or more":
rem it would miss the failure. Compare with 0 instead.
if not "%errorlevel%"=="0" goto failed
echo Driver package staged.
exit /b 0
:failed
echo Vantrel.exe failed with exit code %errorlevel%:
type "%LOG%"
exit /b 1
