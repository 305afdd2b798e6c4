@echo off
rem special.cmd "\\server\share\R&D (2024)\^notes"
rem The same as resolve.cmd for paths that hold cmd's special characters
rem (& ^ parentheses). Such a path must never stand bare on a line that cmd
rem parses, so it stays in a variable. Delayed expansion is off here, so
rem !UNC! reaches the child cmd as written, and the child's /v:on puts the
rem path in place after it has parsed the line. (A path that holds "!"
rem cannot pass through delayed expansion.)
setlocal DisableDelayedExpansion
set "UNC=%~1"
cmd /v:on /c tarnwick.exe !UNC! >nul
set "STATUS=%ERRORLEVEL%"
set "FOLDER="
if "%STATUS%"=="0" (
  for /f "delims=" %%D in ('cmd /v:on /c tarnwick.exe !UNC!') do set "FOLDER=%%D"
)
rem From here on only delayed expansion touches the texts.
setlocal EnableDelayedExpansion
if %STATUS% geq 9 (
  >&2 echo not a UNC path: !UNC!
  exit /b 9
)
if %STATUS% geq 1 (
  echo !UNC!
  exit /b 1
)
echo !FOLDER!
exit /b 0
