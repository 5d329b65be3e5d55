@echo off
rem Shows how a batch file sees Vantrel.exe's -1: run it with no argument.
"%~1" > nul
if errorlevel 1 (echo if-errorlevel-1: caught) else (echo if-errorlevel-1: missed)
if not "%errorlevel%"=="0" (echo compare-with-0: caught) else (echo compare-with-0: missed)
