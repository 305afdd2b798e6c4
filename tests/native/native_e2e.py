#!/usr/bin/env python3
"""End-to-end tests of the native tarnwick binary over real mounts.

Every case goes through run(): in a private mount namespace (so nothing
leaks to the machine) it mounts tmpfs file systems whose source strings look
like SMB shares, runs the tool with the given arguments, and returns its exit
status and standard-output bytes. Needs root.

    native_e2e.py --tool PATH [--wrapper "valgrind ..."]

Anything the run writes to standard error (a sanitizer's or valgrind's
report) fails the case.
"""

import argparse
import os
import shlex
import subprocess
import sys
import tempfile
import unittest

TOOL = None  # set in main()
WRAPPER = []  # a command that runs the tool, such as valgrind; set in main()
RUNS = 0  # how many processes run() started

with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "help_screen.txt"),
          "rb") as _screen:
    HELP = _screen.read()
NOT_FOUND = b"NOT_FOUND\n"


def run(arguments, mounts=(), stdout=None, program=None):
    """Runs the tool on `arguments` with `mounts`, (source, folder) pairs whose
    folders are relative to a fresh temporary folder. Returns (status, output,
    the temporary folder) where output is None when `stdout` was given.
    `program` is a command to run instead, with the tool on its PATH as
    `tarnwick`."""
    global RUNS
    RUNS += 1
    with tempfile.TemporaryDirectory() as root:
        env = dict(os.environ)
        if program:
            os.mkdir(os.path.join(root, "bin"))
            os.symlink(TOOL, os.path.join(root, "bin", "tarnwick"))
            env["PATH"] = os.path.join(root, "bin") + os.pathsep + env.get("PATH", "")
        script = ["set -e"]
        for source, folder in mounts:
            target = os.path.join(root, folder)
            script.append("mkdir -p %s" % shlex.quote(target))
            script.append("mount -t tmpfs %s %s" % (shlex.quote(source), shlex.quote(target)))
        script.append('exec "$@"')
        command = ["unshare", "-m", "--propagation", "private", "sh", "-c", "\n".join(script),
                   "sh"] + (program or WRAPPER + [TOOL]) + list(arguments)
        output_path = os.path.join(root, "output")
        with open(output_path, "wb") as output_file:
            completed = subprocess.run(command, stdout=output_file if stdout is None else stdout,
                                       stderr=subprocess.PIPE, stdin=subprocess.DEVNULL,
                                       env=env, timeout=60)
        if completed.stderr and not program:
            raise AssertionError(completed.stderr.decode(errors="replace"))
        with open(output_path, "rb") as f:
            output = f.read() if stdout is None else None
        return completed.returncode, output, root


class ResolutionTest(unittest.TestCase):
    maxDiff = None

    def test_cases(self):
        share = [("//fs01/data", "z")]
        rows = [
            # what, arguments, mounts, status, output with {root} for the temporary folder
            ("case differences", [r"\\FS01\Data\Reports"], share, 0, "{root}/z/Reports\n"),
            ("the share alone", [r"\\fs01\data"], share, 0, "{root}/z\n"),
            ("trailing backslash", ["\\\\fs01\\data\\"], share, 0, "{root}/z/\n"),
            ("spaces in source and mount point, two words", [r"\\srv\my", r"share\x"],
             [("//srv/my share", "my z")], 0, "{root}/my z/x\n"),
            ("spaces around are trimmed", ["", r"\\fs01\data\x", ""], share, 0, "{root}/z/x\n"),
            ("two mounts of one share: the first wins", [r"\\srv\share\x"],
             [("//srv/share", "first"), ("//srv/share", "second")], 0, "{root}/first/x\n"),
            ("a deeper path", [r"\\srv\share\sub\x"], [("//srv/share/sub", "s")], 0,
             "{root}/s/x\n"),
            ("above a deeper path", [r"\\srv\share\x"], [("//srv/share/sub", "s")], 1,
             "NOT_FOUND\n"),
            ("a share that only begins another", [r"\\srv\share2\x"], [("//srv/share", "s")], 1,
             "NOT_FOUND\n"),
            ("a source written with backslashes", [r"\\srv\share\x"], [(r"\\srv\share", "s")], 0,
             "{root}/s/x\n"),
            ("no SMB mounts", [r"\\fs01\data\x"], [], 1, "NOT_FOUND\n"),
        ]
        for what, arguments, mounts, status, output in rows:
            with self.subTest(what):
                got_status, got_output, root = run(arguments, mounts)
                self.assertEqual((got_status, got_output),
                                 (status, output.format(root=root).encode()))

    def test_help(self):
        for arguments in ([], ["/?"], ["-h"], [r"\\"], ['"\\\\fs01\\data"'], ["\t\\\\fs01"]):
            with self.subTest(arguments):
                self.assertEqual(run(arguments)[:2], (9, HELP))
        self.assertNotIn(b"\r", HELP)


class ShellClientTest(unittest.TestCase):
    """The shell scripts of examples/, as a user would run them."""

    EXAMPLES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "examples")

    def test_scripts(self):
        share = [("//fs01/data", "z")]
        resolve = ["sh", os.path.join(self.EXAMPLES, "resolve.sh")]
        in_share = ["sh", os.path.join(self.EXAMPLES, "in-share.sh")]
        rows = [
            (resolve, [r"\\FS01\Data\Reports"], 0, "{root}/z/Reports\n"),
            (resolve, [r"\\other\x"], 1, "\\\\other\\x\n"),
            (resolve, ["-h"], 9, ""),
            (in_share, [r"\\fs01\data", "pwd"], 0, "{root}/z\n"),
            (in_share, [r"\\other\x", "pwd"], 1, ""),
        ]
        for program, arguments, status, output in rows:
            with self.subTest(program=program[-1], arguments=arguments):
                got_status, got_output, root = run(arguments, share, program=program)
                self.assertEqual((got_status, got_output),
                                 (status, output.format(root=root).encode()))


class OutputTest(unittest.TestCase):
    CASES = [([r"\\fs01\data\x"], 0), ([r"\\other\x"], 1), (["/?"], 9)]

    def test_full_device_keeps_the_status(self):
        for arguments, status in self.CASES:
            with self.subTest(arguments), open("/dev/full", "wb") as full:
                self.assertEqual(run(arguments, [("//fs01/data", "z")], stdout=full)[0], status)

    def test_closed_pipe_keeps_the_status(self):
        for arguments, status in self.CASES:
            with self.subTest(arguments):
                reader, writer = os.pipe()
                os.close(reader)
                try:
                    result = run(arguments, [("//fs01/data", "z")], stdout=writer)
                finally:
                    os.close(writer)
                # Death by SIGPIPE would show as a negative status.
                self.assertEqual(result[0], status)


def main():
    global TOOL, WRAPPER
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--tool", required=True)
    parser.add_argument("--wrapper", default="", help="a command to run the tool under")
    options = parser.parse_args()
    TOOL = os.path.abspath(options.tool)
    WRAPPER = shlex.split(options.wrapper.replace(";", " "))
    suite = unittest.defaultTestLoader.loadTestsFromModule(sys.modules[__name__])
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    print("%d runs in private mount namespaces" % RUNS)
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
