#!/usr/bin/env python3
"""The include-order check on small planted trees: it passes a tree whose includes point down and
fails, naming the file and line, on an include that points up or across a floor."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "checks",
                     "include_order.py")


def plant(root, files):
    for path, text in files.items():
        full = os.path.join(root, path)
        os.makedirs(os.path.dirname(full), exist_ok=True)
        with open(full, "w") as out:
            out.write(text)


def run_check(files):
    with tempfile.TemporaryDirectory() as root:
        plant(root, files)
        done = subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)
        return done.returncode, done.stdout


class IncludeOrder(unittest.TestCase):
    def test_includes_that_point_down_pass(self):
        status, out = run_check({
            "core/engine.h": "#pragma once\n#include <vector>\n",
            "morph/word.cpp": '#include "morph/word.h"\n#include "core/engine.h"\n#include "text/tokens.h"\n',
            "app/qt/view.cpp": '#include "app/menu_rules.h"\n#include "formats/json_lines.h"\n',
            "cli/main.cpp": '#include "job/translation_job.h"\n#include "moc_local.h"\n',
        })
        self.assertEqual(status, 0, out)

    def test_includes_that_point_up_or_across_fail(self):
        cases = [
            ("core/engine.h", '#include "morph/meanings.h"\n', "from morph/ above core/"),
            ("morph/emit.cpp", '\n  # include "english/meanings.h"\n', "morph/emit.cpp:2:"),
            ("text/prep.cpp", '#include "job/data_loader.h"\n', "from job/ above text/"),
            ("app/qt/text.cpp", '#include "cli/text_encoding.h"\n', "from cli/ beside app/qt/"),
            ("app/view.cpp", '#include "app/qt/main_frame.h"\n', "from app/qt/ above app/"),
            ("syntax/choice.cpp", '#include "tests/support/test_host.h"\n', "in no folder of the product"),
        ]
        for path, text, expected in cases:
            with self.subTest(path=path):
                status, out = run_check({path: text})
                self.assertEqual(status, 1, out)
                self.assertIn(expected, out)

    def test_the_repository_keeps_the_order(self):
        done = subprocess.run([sys.executable, CHECK], capture_output=True, text=True)
        self.assertEqual(done.returncode, 0, done.stdout)


if __name__ == "__main__":
    unittest.main()
