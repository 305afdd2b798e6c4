@echo off
rem work-in-share.cmd "\\server\share\folder"
rem Works in the folder through its mapped drive; when no drive reaches it,
rem says so and stops with status 1.
setlocal
set "UNC=%~1"
tarnwick.exe %UNC% >nul
if errorlevel 9 (
  >&2 echo not a UNC path: %UNC%
  exit /b 9
)
if errorlevel 1 (
  >&2 echo no drive is mapped to %UNC%
  exit /b 1
)
for /f "delims=" %%D in ('tarnwick.exe %UNC%') do set "FOLDER=%%D"
pushd "%FOLDER%"
if errorlevel 1 exit /b 1
echo working in %CD%
popd
exit /b 0
