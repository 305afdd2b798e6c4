#!/usr/bin/env python3
"""End-to-end tests of tarnwick.exe under Wine.

Every case goes through run(): the launcher starts the real exe with an exact
command line, the stand-in mpr.dll in the prefix's system directory serves
the connections the case lists, and the exe's standard-output bytes and exit
status come back for exact comparison.

    wine_e2e.py OPTIONS setup           create the prefix, install the stand-in,
                                        keep one wineserver alive
    wine_e2e.py OPTIONS run CLASS...    run test classes
    wine_e2e.py OPTIONS cleanup         stop the wineserver
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
from dataclasses import dataclass, field

OPTIONS = None  # the parsed command line, set in main()
RUNS = 0  # how many processes run() started

# Wine derives the ANSI code page from the Unix locale of each process.
CP1252_LOCALE = "C.UTF-8"
CP1250_LOCALE = "pl_PL.UTF-8"

# The help screen as printed, with Windows line ends.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "help_screen.txt"),
          "rb") as _screen:
    HELP = _screen.read().replace(b"\n", b"\r\n")
NOT_FOUND = b"NOT_FOUND\r\n"
SHARE_ON_Z = [("Z:", r"\\srv\share")]
ERROR_NO_NETWORK = 1222
ERROR_ACCESS_DENIED = 5


def windows_path(path):
    """The path under Wine's Z: drive, which maps the Unix root."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def system_directory():
    name = "syswow64" if OPTIONS.arch == "x86" else "system32"
    return os.path.join(OPTIONS.prefix, "drive_c", "windows", name)


def wine_environment(locale=CP1252_LOCALE):
    env = dict(os.environ)
    env.update(WINEPREFIX=OPTIONS.prefix, WINEDEBUG="-all", LC_ALL=locale, LANG=locale)
    env.pop("DISPLAY", None)
    return env


def encode_name(name):
    """A connection name for the stand-in's list: None is a null pointer."""
    if name is None:
        return "-"
    if name == "":
        return "="
    units = name.encode("utf-16-le", "surrogatepass")
    return "".join("%02x%02x" % (units[i + 1], units[i]) for i in range(0, len(units), 2))


@dataclass
class Provider:
    """What the stand-in network provider serves for one run."""

    connections: list = field(default_factory=list)
    open_result: int = 0
    fail_call: tuple = None  # (call number from 1, error code)
    per_call: int = None
    directives: tuple = ()  # further lines: "empty-calls N", "empty-forever", ...

    def config(self):
        lines = ["open %d" % self.open_result] + list(self.directives)
        if self.fail_call:
            lines.append("fail %d %d" % self.fail_call)
        if self.per_call:
            lines.append("per-call %d" % self.per_call)
        for local, remote in self.connections:
            lines.append("entry %s %s" % (encode_name(local), encode_name(remote)))
        return "\n".join(lines) + "\n"


@dataclass
class Result:
    status: int
    output: bytes
    log: list
    errors: bytes = b""  # what reached standard error


def run(line, provider=None, mode="a", locale=CP1252_LOCALE, tool=None, stdout_path=None,
        program=None, cwd=None):
    """Starts the tool with the raw command line `line` and returns what it did.

    `line` is bytes for CreateProcessA (modes "a" and "handle") and text for
    CreateProcessW (mode "w"). In mode "handle" the output file goes to the
    tool as hStdOutput; otherwise the tool inherits the launcher's standard
    output, which is `stdout_path` when given. `program` is a Windows path to
    start instead of the tool; `cwd` the folder to start in.
    """
    global RUNS
    RUNS += 1
    provider = provider or Provider()
    with tempfile.TemporaryDirectory() as work:
        line_file = os.path.join(work, "line")
        with open(line_file, "wb") as f:
            f.write(line.encode("utf-8") if mode == "w" else line)
        config_file = os.path.join(work, "provider")
        with open(config_file, "w") as f:
            f.write(provider.config())
        log_file = os.path.join(work, "log")
        output_file = os.path.join(work, "output")
        handle_file = os.path.join(work, "handle-output")

        command = ["wine", OPTIONS.launcher, mode, program or windows_path(tool or OPTIONS.tool),
                   windows_path(line_file)]
        if mode == "handle":
            command.append(windows_path(handle_file))
        env = wine_environment(locale)
        env.update(WINEDLLOVERRIDES="mpr=n",
                   TARNWICK_STANDIN_CONFIG=windows_path(config_file),
                   TARNWICK_STANDIN_LOG=windows_path(log_file))
        # Files, not pipes: a Wine service started along the way could hold a
        # pipe open long after the run.
        with open(stdout_path or output_file, "wb") as stdout, \
                open(os.path.join(work, "stderr"), "w+b") as stderr:
            completed = subprocess.run(command, stdout=stdout, stderr=stderr, cwd=cwd,
                                       stdin=subprocess.DEVNULL, env=env, timeout=120)
            stderr.seek(0)
            errors = stderr.read()
            if completed.returncode == 250:
                raise AssertionError("launcher failed: %s" % errors.decode(errors="replace"))
        output = b""
        for path in (output_file, handle_file):
            if os.path.exists(path) and not stdout_path:
                with open(path, "rb") as f:
                    output += f.read()
        log = []
        if os.path.exists(log_file):
            with open(log_file, encoding="utf-8", errors="replace") as f:
                log = f.read().splitlines()
        return Result(completed.returncode, output, log, errors)


def tool_line(tail):
    """A command line as a batch file would make it: the program, a space, the tail."""
    return b"tarnwick.exe " + tail


class TableTest(unittest.TestCase):
    """Runs rows of (what, command line, provider, status, output)."""

    maxDiff = None

    def check_rows(self, rows, **run_options):
        for what, line, provider, status, output in rows:
            with self.subTest(what):
                result = run(line, provider, **run_options)
                self.assertEqual((result.status, result.output), (status, output))


class CommandLineTest(TableTest):
    def test_command_tail_and_acceptance(self):
        z = Provider(SHARE_ON_Z)
        self.check_rows([
            ("plain path", tool_line(rb"\\srv\share\docs"), z, 0, b"Z:\\docs\r\n"),
            ("quoted program path with spaces", rb'"C:\Program Files\tarnwick.exe" \\srv\share',
             z, 0, b"Z:\r\n"),
            ("tail right after the closing quote", rb'"tarnwick.exe"\\srv\share\x', z, 0,
             b"Z:\\x\r\n"),
            ("leading spaces: empty program name", rb"   \\srv\share\x", z, 0, b"Z:\\x\r\n"),
            ("spaces around the path", rb"tarnwick.exe    \\srv\share\x    ", z, 0,
             b"Z:\\x\r\n"),
            ("inner space: one argument", rb"tarnwick.exe \\srv\my share\x",
             Provider([("Z:", r"\\srv\my share")]), 0, b"Z:\\x\r\n"),
            ("three bytes pass the length rule", tool_line(rb"\\a"), z, 1, NOT_FOUND),
            ("no match", tool_line(rb"\\other\share"), z, 1, NOT_FOUND),
            ("no argument", b"tarnwick.exe", z, 9, HELP),
            ("only spaces", b"tarnwick.exe     ", z, 9, HELP),
            ("empty command line", b"", z, 9, HELP),
            ("unclosed quote", rb'"tarnwick.exe \\srv\share', z, 9, HELP),
            ("two bytes", tool_line(rb"\\"), z, 9, HELP),
            ("/?", tool_line(b"/?"), z, 9, HELP),
            ("-h", tool_line(b"-h"), z, 9, HELP),
            ("slash before the path", tool_line(rb"/\\srv\share"), z, 9, HELP),
            ("quoted path", tool_line(rb'"\\srv\share"'), z, 9, HELP),
            ("quoted program, quoted path", rb'"tarnwick.exe" "\\srv\share"', z, 9, HELP),
            ("tab after the program name", b"tarnwick.exe\t\\\\srv\\share", z, 9, HELP),
            ("tab before the path", b"tarnwick.exe \t\\\\srv\\share", z, 9, HELP),
        ])

    def test_help_never_asks_the_provider(self):
        result = run(tool_line(b"/?"), Provider(SHARE_ON_Z))
        self.assertEqual((result.status, result.log), (9, []))


class ResolutionTest(TableTest):
    def test_matches(self):
        z = Provider(SHARE_ON_Z)
        self.check_rows([
            ("exact share, case apart", tool_line(rb"\\SRV\SHARE"), z, 0, b"Z:\r\n"),
            ("trailing backslash", tool_line(b"\\\\srv\\share\\"), z, 0, b"Z:\\\r\n"),
            ("the path keeps its case", tool_line(rb"\\SRV\Share\Docs\A.TXT"), z, 0,
             b"Z:\\Docs\\A.TXT\r\n"),
            ("first listed wins", tool_line(rb"\\srv\share\x"),
             Provider([("Y:", r"\\srv\share"), ("X:", r"\\srv\share")]), 0, b"Y:\\x\r\n"),
            ("first listed wins, other order", tool_line(rb"\\srv\share\x"),
             Provider([("X:", r"\\srv\share"), ("Y:", r"\\srv\share")]), 0, b"X:\\x\r\n"),
            ("the local name as given", tool_line(rb"\\srv\share\x"),
             Provider([("q:", r"\\SRV\Share")]), 0, b"q:\\x\r\n"),
            # 0x80 (the euro sign in code page 1252) folds to 0x87 (the double dagger).
            ("fold table's high bytes", tool_line(b"\\\\srv\\\x80x\\d"),
             Provider([("Z:", "\\\\srv\\\u2021x")]), 0, b"Z:\\d\r\n"),
            ("0xC4 does not fold to 0xE4", tool_line(b"\\\\srv\\\xc4"),
             Provider([("Z:", "\\\\srv\\\u00e4")]), 1, NOT_FOUND),
            ("high bytes of the path are printed as given", tool_line(b"\\\\srv\\share\\\x80\xa5"),
             z, 0, b"Z:\\\x80\xa5\r\n"),
        ])

    def test_path_boundary(self):
        z = Provider(SHARE_ON_Z)
        self.check_rows([
            ("a share that only begins another", tool_line(rb"\\srv\share2\doc"), z, 1, NOT_FOUND),
            ("only the leading share is replaced", tool_line(rb"\\s\a\\s\a"),
             Provider([("Z:", r"\\s\a")]), 0, b"Z:\\\\s\\a\r\n"),
            ("remote name with a trailing backslash", tool_line(rb"\\srv\share\docs"),
             Provider([("Z:", "\\\\srv\\share\\")]), 0, b"Z:\\docs\r\n"),
            ("remote name longer than the argument", tool_line(rb"\\srv\sha"), z, 1, NOT_FOUND),
            ("remote name of backslashes only", tool_line(rb"\\srv\share\x"),
             Provider([("W:", "\\\\"), ("Y:", r"\\srv\share")]), 0, b"Y:\\x\r\n"),
        ])

    def test_entries_without_a_drive_or_a_share(self):
        share = r"\\srv\share"
        self.check_rows([
            ("null local name", tool_line(rb"\\srv\share\x"),
             Provider([(None, share), ("Y:", share)]), 0, b"Y:\\x\r\n"),
            ("empty local name", tool_line(rb"\\srv\share"),
             Provider([("", share), ("Y:", share)]), 0, b"Y:\r\n"),
            ("deviceless only", tool_line(rb"\\srv\share"), Provider([(None, share)]), 1,
             NOT_FOUND),
            ("null remote name", tool_line(rb"\\srv\share\x"),
             Provider([("W:", None), ("Y:", share)]), 0, b"Y:\\x\r\n"),
            ("empty remote name", tool_line(rb"\\srv\share\x"),
             Provider([("W:", ""), ("Y:", share)]), 0, b"Y:\\x\r\n"),
        ])


class ProviderTest(TableTest):
    def test_open_and_close(self):
        result = run(tool_line(rb"\\srv\share\x"), Provider(SHARE_ON_Z))
        self.assertEqual((result.status, result.output), (0, b"Z:\\x\r\n"))
        opens = [entry for entry in result.log if entry.startswith("open ")]
        self.assertEqual(len(opens), 1)
        self.assertTrue(opens[0].startswith("open scope=1 type=1 usage=0 container=null "), opens)
        self.assertEqual([entry for entry in result.log if entry.startswith("close")],
                         ["close handle=ok"])
        # The first request: 256 records and a buffer sized for them.
        self.assertIn("enum call=1 count=256 size=%d" % (256 * record_bytes()), result.log)

    def test_failures_keep_what_came_before(self):
        target = ("T:", r"\\srv\target")
        others = [("%c:" % letter, r"\\srv\other%d" % i) for i, letter in enumerate("ABCDEFG")]
        line = tool_line(rb"\\srv\target\x")
        self.check_rows([
            ("open fails", line, Provider([target], open_result=ERROR_NO_NETWORK), 1, NOT_FOUND),
            ("first enumeration fails", line,
             Provider([target], fail_call=(1, ERROR_ACCESS_DENIED)), 1, NOT_FOUND),
            ("second call fails, match in the first", line,
             Provider([target] + others, per_call=1, fail_call=(2, ERROR_ACCESS_DENIED)), 0,
             b"T:\\x\r\n"),
            ("second call fails, match in the second", line,
             Provider(others[:1] + [target], per_call=1, fail_call=(2, ERROR_ACCESS_DENIED)), 1,
             NOT_FOUND),
            ("no connections at all", line, Provider([]), 1, NOT_FOUND),
        ])

    def test_open_failure_closes_nothing(self):
        result = run(tool_line(rb"\\srv\share"), Provider(SHARE_ON_Z, open_result=ERROR_NO_NETWORK))
        self.assertEqual([entry.split()[0] for entry in result.log], ["open"])

    def test_the_whole_list_across_calls(self):
        many = [("%c:" % chr(ord("A") + i % 26), r"\\srv%d\share" % i) for i in range(299)]
        result = run(tool_line(rb"\\srv-last\share\x"),
                     Provider(many + [("Q:", r"\\srv-last\share")], per_call=7))
        self.assertEqual((result.status, result.output), (0, b"Q:\\x\r\n"))
        self.assertEqual(sum(entry.startswith("enum ") for entry in result.log), 300 // 7 + 2)
        self.assertEqual(result.log[-1], "close handle=ok")

    def test_a_name_larger_than_the_first_buffer(self):
        # 10,000 wide characters do not fit the first request: the tool grows
        # its buffer to the size asked for.
        server = "s" * 9990
        result = run(tool_line(b"\\\\" + server.upper().encode() + b"\\share\\x"),
                     Provider([("Y:", r"\\srv\a"), ("Z:", "\\\\%s\\share" % server)], per_call=1))
        self.assertEqual((result.status, result.output), (0, b"Z:\\x\r\n"))
        self.assertTrue(any(entry.startswith("more-data") for entry in result.log))


def record_bytes():
    return 32 if OPTIONS.arch == "x86" else 48


class HostileProviderTest(TableTest):
    """Providers that do what the contract allows, just not what is usual."""

    def test_answers_stay_right(self):
        target = ("T:", r"\\srv\target")
        others = [("%c:" % chr(ord("A") + i % 26), r"\\srv\other%d" % i) for i in range(40)]
        line = tool_line(rb"\\srv\target\x")
        # An entry that needs 2 bytes more than the first buffer: the tool must
        # grow to at least what was asked, not round down to whole records.
        first_buffer = 256 * record_bytes()
        remote_length = (first_buffer + 2 - record_bytes() - len("U:\0") * 2) // 2 - 1
        server = "s" * (remote_length - len(r"\\\target"))
        just_too_big = ("U:", r"\\" + server + r"\target")
        self.check_rows([
            ("strings right after the records", line,
             Provider(others + [target], per_call=9, directives=("strings-after-records",)), 0,
             b"T:\\x\r\n"),
            ("a size only slightly larger", tool_line(b"\\\\" + server.encode() + b"\\target"),
             Provider([just_too_big]), 0, b"U:\r\n"),
            ("successes with no entries, then entries", line,
             Provider(others + [target], per_call=7, directives=("empty-calls 5",)), 0,
             b"T:\\x\r\n"),
            ("a remote name of 60,000 characters first", line,
             Provider([("H:", "\\\\" + "h" * 59998), target]), 0, b"T:\\x\r\n"),
            ("5,000 connections, the match last", line,
             Provider([("%c:" % chr(ord("A") + i % 26), r"\\srv%d\share" % i) for i in range(4999)]
                      + [target]), 0, b"T:\\x\r\n"),
            ("a command line of 32,000 bytes", tool_line(rb"\\srv\target" + b"\\" + b"p" * 31970),
             Provider([target]), 0, b"T:\\" + b"p" * 31970 + b"\r\n"),
        ])

    def test_endless_empty_successes_end(self):
        result = run(tool_line(rb"\\srv\target\x"),
                     Provider([("T:", r"\\srv\target")], directives=("empty-forever",)))
        self.assertEqual((result.status, result.output), (1, NOT_FOUND))
        calls = sum(entry.startswith("enum ") for entry in result.log)
        self.assertLessEqual(calls, 64)
        self.assertEqual(result.log[-1], "close handle=ok")


class OutputTest(TableTest):
    def test_output_through_the_given_handle(self):
        z = Provider(SHARE_ON_Z)
        self.check_rows([
            ("resolved", tool_line(rb"\\srv\share\x"), z, 0, b"Z:\\x\r\n"),
            ("help", tool_line(b"/?"), z, 9, HELP),
        ], mode="handle")

    def test_full_device_keeps_the_status(self):
        z = Provider(SHARE_ON_Z)
        for line, status in ((tool_line(rb"\\srv\share\x"), 0), (tool_line(rb"\\x\y"), 1),
                             (tool_line(b"-h"), 9)):
            with self.subTest(line):
                self.assertEqual(run(line, z, stdout_path="/dev/full").status, status)

    def test_long_argument(self):
        tail = b"a" * 30000
        self.check_rows([
            ("resolved", tool_line(b"\\\\srv\\share\\" + tail), Provider(SHARE_ON_Z), 0,
             b"Z:\\" + tail + b"\r\n"),
            ("not found", tool_line(b"\\\\srv\\other\\" + tail), Provider(SHARE_ON_Z), 1,
             NOT_FOUND),
        ])


class CodePageTest(TableTest):
    def test_no_best_fit_stand_ins(self):
        z = Provider(SHARE_ON_Z)
        self.check_rows([
            ("representable path", "tarnwick.exe \\\\srv\\share\\d\u00f3cs", z, 0,
             b"Z:\\d\xf3cs\r\n"),
            ("a path 1252 cannot spell", "tarnwick.exe \\\\srv\\share\\\u0141\u00f3d\u017a", z, 1,
             NOT_FOUND),
            ("fullwidth letters", "tarnwick.exe \\\\srv\\\uff53\uff48\uff41\uff52\uff45", z, 1,
             NOT_FOUND),
            ("help still wins", "tarnwick.exe \u0141\\\\srv", z, 9, HELP),
            ("a program path 1252 cannot spell", "\"C:\\\u0141\u00f3d\u017a\\tarnwick.exe\" "
             "\\\\srv\\share\\x", z, 0, b"Z:\\x\r\n"),
            ("a connection 1252 cannot spell", "tarnwick.exe \\\\srv\\data\\x",
             Provider([("Y:", "\\\\srv\\\uff44\uff41\uff54\uff41"), ("Z:", r"\\srv\data")]), 0,
             b"Z:\\x\r\n"),
            ("a drive name 1252 cannot spell", "tarnwick.exe \\\\srv\\data\\x",
             Provider([("\u0141:", r"\\srv\data")]), 1, NOT_FOUND),
        ], mode="w")

    def test_the_code_page_decides_what_converts(self):
        # In code page 1250 the barred L is 0xA3 and the z acute 0x9F.
        self.check_rows([
            ("1250 spells it", "tarnwick.exe \\\\srv\\share\\\u0141\u00f3d\u017a",
             Provider(SHARE_ON_Z), 0, b"Z:\\\xa3\xf3d\x9f\r\n"),
        ], mode="w", locale=CP1250_LOCALE)


class ScriptClientTest(unittest.TestCase):
    """The batch files of examples/, run by Wine's own cmd.exe as a user would."""

    EXAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples")

    def run_script(self, script, unc, provider):
        with tempfile.TemporaryDirectory() as folder:
            for name in os.listdir(self.EXAMPLES):
                shutil.copy(os.path.join(self.EXAMPLES, name), folder)
            shutil.copy(OPTIONS.tool, os.path.join(folder, "tarnwick.exe"))
            line = b'cmd /c %s "%s"' % (script.encode(), unc.encode("cp1252"))
            return run(line, provider, program="C:\\windows\\system32\\cmd.exe", cwd=folder)

    def test_scripts(self):
        with tempfile.TemporaryDirectory() as real:
            # A real folder that Z:, mapped to \\srv\share, reaches: Wine's Z:
            # drive is the Unix root.
            os.makedirs(os.path.join(real, "my docs"))
            below_root = real.lstrip("/").replace("/", "\\")
            shares = Provider([("Z:", r"\\srv\share"), ("Y:", r"\\srv\R&D (2024)")])
            real_unc = "\\\\srv\\share\\%s\\my docs" % below_root
            rows = [
                # script, UNC path, status, standard output, standard error
                ("resolve.cmd", r"\\srv\share\my docs", 0, b"Z:\\my docs\r\n", b""),
                ("resolve.cmd", r"\\other\share\x", 1, b"\\\\other\\share\\x\r\n", b""),
                ("resolve.cmd", "/?", 9, b"", b"not a UNC path: /?\r\n"),
                ("work-in-share.cmd", real_unc, 0,
                 b"working in Z:\\" + below_root.encode() + b"\\my docs\r\n", b""),
                ("work-in-share.cmd", r"\\other\share", 1, b"",
                 b"no drive is mapped to \\\\other\\share\r\n"),
                ("special.cmd", r"\\srv\R&D (2024)\^notes & more", 0,
                 b"Y:\\^notes & more\r\n", b""),
                ("special.cmd", r"\\srv\other&x (1)", 1, b"\\\\srv\\other&x (1)\r\n", b""),
                ("special.cmd", "-h&x", 9, b"", b"not a UNC path: -h&x\r\n"),
                ("special.cmd", r"\\srv\share\a b", 0, b"Z:\\a b\r\n", b""),
            ]
            for script, unc, status, output, errors in rows:
                with self.subTest(script=script, unc=unc):
                    result = self.run_script(script, unc, shares)
                    self.assertEqual((result.status, result.output, result.errors),
                                     (status, output, errors))


class SecurityTest(unittest.TestCase):
    def test_a_mpr_dll_beside_the_exe_is_not_loaded(self):
        with tempfile.TemporaryDirectory() as folder:
            tool = os.path.join(folder, "tarnwick.exe")
            shutil.copy(OPTIONS.tool, tool)
            shutil.copy(OPTIONS.standin, os.path.join(folder, "mpr.dll"))
            result = run(tool_line(rb"\\srv\share\x"), Provider(SHARE_ON_Z), tool=tool)
        self.assertEqual((result.status, result.output), (0, b"Z:\\x\r\n"))
        module = result.log[0].split("module=", 1)[1].lower()
        self.assertTrue(module.startswith("c:\\windows\\"), module)


class ArtifactTest(unittest.TestCase):
    def test_imports_only_system_dlls(self):
        dump = subprocess.run([OPTIONS.objdump, "-p", OPTIONS.tool], capture_output=True,
                              text=True, check=True).stdout
        dlls = sorted(line.split(":", 1)[1].strip().lower() for line in dump.splitlines()
                      if "DLL Name:" in line)
        self.assertEqual(dlls, ["kernel32.dll", "msvcrt.dll"])
        machine = "i386" if OPTIONS.arch == "x86" else "x86-64"
        self.assertIn("file format pei-%s" % machine, dump)
        self.assertIn("Subsystem\t\t00000003", dump)  # a console program

    def launcher_output(self, mode):
        completed = subprocess.run(["wine", OPTIONS.launcher, mode, windows_path(OPTIONS.tool)],
                                   capture_output=True, env=wine_environment(), timeout=120)
        self.assertEqual(completed.returncode, 0, completed.stderr)
        return completed.stdout.decode("utf-8").replace("\r", "")

    def test_manifest(self):
        manifest = self.launcher_output("manifest")
        self.assertIn('<requestedExecutionLevel level="asInvoker" uiAccess="false"/>', manifest)
        for windows in ("35138b9a-5d96-4fbd-8e2d-a2440225f93a",   # 7
                        "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",   # 8
                        "1f676c76-80e1-4239-95bb-83d0f6d0da78",   # 8.1
                        "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"):  # 10 and 11
            self.assertIn('<supportedOS Id="{%s}"/>' % windows, manifest)

    def test_version_resource(self):
        fields = dict(line.split("=", 1) for line in self.launcher_output("version").splitlines())
        self.assertEqual(fields["FixedFileVersion"], "1.0.0.0")
        self.assertEqual(fields["FixedProductVersion"], "1.0.0.0")
        self.assertEqual(fields["Translation"], "0409 1252")
        self.assertEqual(fields["FileVersion"], "1.00")
        self.assertEqual(fields["ProductVersion"], "Version 1.00")
        self.assertEqual(fields["Comments"],
                         "Displays the mapped drive for a given UNC path, if it exists.")
        self.assertEqual(fields["OriginalFilename"], "tarnwick.exe")


def prefix_is_made():
    windows = os.path.join(OPTIONS.prefix, "drive_c", "windows")
    return all(os.path.exists(os.path.join(windows, folder, "kernel32.dll"))
               for folder in ("system32", "syswow64"))


def setup():
    """Creates the prefix once, keeps one wineserver alive for the suite, and
    installs the stand-in. A first boot of a prefix has been seen to fail now
    and then; a prefix is proven by running the launcher in it, and made anew
    when that fails."""
    env = wine_environment()
    os.makedirs(OPTIONS.prefix, exist_ok=True)
    # Nothing started here may hold CTest's output pipe: the server and the
    # services that the first process starts outlive this script.
    with open(OPTIONS.prefix + "-setup.log", "ab") as log:
        quiet = dict(stdout=log, stderr=log, stdin=subprocess.DEVNULL, timeout=300)
        for attempt in range(3):
            if not prefix_is_made():
                subprocess.run(["wineboot", "-i"],
                               env=dict(env, WINEDLLOVERRIDES="mscoree,mshtml="), **quiet)
                # Let the boot's own server end, so that the next one persists.
                subprocess.run(["wineserver", "-w"], env=env, **quiet)
            subprocess.run(["wineserver", "-p"], env=env, **quiet)
            # The first process starts the prefix's services, with this log
            # as their output.
            proof = subprocess.run(["wine", OPTIONS.launcher, "version", windows_path(OPTIONS.tool)],
                                   env=env, **quiet)
            if proof.returncode == 0:
                break
            log.write(b"setup attempt %d failed with status %d\n" % (attempt + 1, proof.returncode))
            log.flush()
            subprocess.run(["wineserver", "-k"], env=env, **quiet)
            subprocess.run(["wineserver", "-w"], env=env, **quiet)
            shutil.rmtree(OPTIONS.prefix, ignore_errors=True)
            os.makedirs(OPTIONS.prefix)
        else:
            return 1
    # The prefix is private to this build: the stand-in stays in place and
    # takes effect only where a run asks for native mpr.
    installed = os.path.join(system_directory(), "mpr.dll")
    if not os.path.exists(installed + ".builtin"):
        shutil.copy(installed, installed + ".builtin")
    shutil.copy(OPTIONS.standin, installed)
    return 0


def cleanup():
    subprocess.run(["wineserver", "-k"], env=wine_environment(), stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)
    return 0


def main():
    global OPTIONS
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    for option in ("arch", "prefix", "tool", "launcher", "standin", "objdump"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("action", choices=("setup", "run", "cleanup"))
    parser.add_argument("classes", nargs="*")
    OPTIONS = parser.parse_args()
    OPTIONS.prefix = os.path.abspath(OPTIONS.prefix)
    if OPTIONS.action == "setup":
        return setup()
    if OPTIONS.action == "cleanup":
        return cleanup()
    module = sys.modules[__name__]
    suite = unittest.TestSuite(
        unittest.defaultTestLoader.loadTestsFromTestCase(getattr(module, name))
        for name in OPTIONS.classes)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    print("%d runs through the launcher" % RUNS)
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
