#!/usr/bin/env python3
"""Builds the release package of a build tree with CPack and checks it.

    check_packages.py --build-dir DIR deb             the Linux .deb
    check_packages.py --build-dir DIR zip win32|win64 a Windows zip
"""

import argparse
import os
import subprocess
import sys
import tempfile
import unittest

OPTIONS = None
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")


def output_of(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def make_package(folder):
    """Runs CPack into `folder` and returns the one package it made."""
    subprocess.run(["cpack", "-B", folder], cwd=OPTIONS.build_dir, check=True,
                   capture_output=True)
    made = [name for name in os.listdir(folder) if name.endswith((".deb", ".zip"))]
    assert len(made) == 1, made
    return os.path.join(folder, made[0])


class DebTest(unittest.TestCase):
    def test_package(self):
        with tempfile.TemporaryDirectory() as folder:
            package = make_package(folder)
            architecture = output_of("dpkg", "--print-architecture").strip()
            self.assertEqual(os.path.basename(package), "tarnwick_1.00_%s.deb" % architecture)

            contents = output_of("dpkg-deb", "-c", package)
            for path in ("./usr/bin/tarnwick", "./usr/share/man/man1/tarnwick.1.gz",
                         "./usr/share/doc/tarnwick/README.md",
                         "./usr/share/doc/tarnwick/examples/resolve.sh"):
                self.assertIn(" " + path + "\n", contents)

            fields = {}
            for name in ("Package", "Version", "Architecture", "Maintainer", "Section",
                         "Priority", "Description"):
                fields[name] = output_of("dpkg-deb", "-f", package, name).strip()
            self.assertEqual(fields["Package"], "tarnwick")
            self.assertEqual(fields["Version"], "1.00")
            self.assertEqual(fields["Architecture"], architecture)
            self.assertRegex(fields["Maintainer"], r"^[^<>]+ <[^@<>]+@[^@<>]+>$")
            self.assertEqual(fields["Section"], "utils")
            self.assertEqual(fields["Priority"], "optional")
            self.assertTrue(fields["Description"].startswith("print a UNC path"))
            self.assertNotIn("Depends", output_of("dpkg-deb", "--info", package))

            # What a user gets: the tool runs, and its man page renders cleanly.
            root = os.path.join(folder, "root")
            subprocess.run(["dpkg-deb", "-x", package, root], check=True)
            help_run = subprocess.run([os.path.join(root, "usr/bin/tarnwick"), "/?"],
                                      capture_output=True)
            self.assertEqual(help_run.returncode, 9)
            rendered = subprocess.run(["man", "--warnings", "-l",
                                       os.path.join(root, "usr/share/man/man1/tarnwick.1.gz")],
                                      capture_output=True, text=True,
                                      env=dict(os.environ, MANWIDTH="80", MAN_KEEP_STDERR="1"))
            self.assertEqual((rendered.returncode, rendered.stderr), (0, ""))
            for section in ("NAME", "SYNOPSIS", "DESCRIPTION", "EXIT STATUS", "EXAMPLES", "LIMITS"):
                self.assertIn("\n" + section + "\n", rendered.stdout)

    def test_man_page_source_has_no_warnings(self):
        checked = subprocess.run(["groff", "-man", "-ww", "-z",
                                  os.path.join(SOURCE, "man", "tarnwick.1")],
                                 capture_output=True, text=True)
        self.assertEqual((checked.returncode, checked.stderr), (0, ""))


class ZipTest(unittest.TestCase):
    def test_package(self):
        with tempfile.TemporaryDirectory() as folder:
            package = make_package(folder)
            name = "tarnwick-1.00-%s" % OPTIONS.flavour
            self.assertEqual(os.path.basename(package), name + ".zip")
            listed = sorted(line.split()[-1] for line in output_of("unzip", "-Z1", package).split()
                            if not line.endswith("/"))
            self.assertEqual(listed, sorted(name + "/" + path for path in (
                "tarnwick.exe", "README.md", "examples/resolve.cmd", "examples/special.cmd",
                "examples/work-in-share.cmd")))
            self.assertIn(name + "/tarnwick.exe", output_of("unzip", "-l", package))


def main():
    global OPTIONS
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("kind", choices=("deb", "zip"))
    parser.add_argument("flavour", nargs="?")
    OPTIONS = parser.parse_args()
    test_case = DebTest if OPTIONS.kind == "deb" else ZipTest
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(test_case)
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
