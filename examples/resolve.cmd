@echo off
rem resolve.cmd "\\server\share\folder"
rem Prints the folder through the drive mapped to its share, or the UNC path
rem itself when no drive reaches it. Status: 0 through a drive, 1 the UNC path
rem as given, 9 not a UNC path.
setlocal
set "UNC=%~1"

rem The tool takes its whole command tail as the path: no quotes around it.
rem Run it once for the status ("if errorlevel N" means N or more, so test 9
rem first), and once inside for /f to capture the line it prints.
tarnwick.exe %UNC% >nul
if errorlevel 9 (
  >&2 echo not a UNC path: %UNC%
  exit /b 9
)
if errorlevel 1 (
  echo %UNC%
  exit /b 1
)
for /f "delims=" %%D in ('tarnwick.exe %UNC%') do set "FOLDER=%%D"
echo %FOLDER%
exit /b 0
