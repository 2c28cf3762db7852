#!/usr/bin/env python3
"""The catalogue check the build runs: it passes the repository's catalogues
and fails, naming the text, on each way a catalogue can fall behind or go wrong."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "translations.py")
HEADER = '''#pragma once
#include "language/ui_text.h"
inline constexpr harwick::UiText kGreeting = "Hello %1";
inline constexpr harwick::UiText kJoined =
    "two " "parts\\n";
inline constexpr harwick::UiText kChinese = "通讯结束!";
inline constexpr std::string_view kNotForUsers = "CONF/182";
'''


class CatalogueCheck(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="harwick-catalogues-")
        os.makedirs(os.path.join(self.root, "apps", "demo"))
        os.makedirs(os.path.join(self.root, "translations"))
        self.write_source(HEADER)
        self.run_script("update")
        self.translate("zh_CN", {"Hello %1": "你好 %1", "two parts\n": "两部分\n"})
        self.translate("en", {"通讯结束!": "Communication ended!"})

    def tearDown(self):
        shutil.rmtree(self.root)

    def write_source(self, text):
        with open(os.path.join(self.root, "apps", "demo", "texts.h"), "w", encoding="utf-8") as f:
            f.write(text)

    def run_script(self, action):
        return subprocess.run([sys.executable, SCRIPT, action, "--root", self.root],
                              capture_output=True, text=True, check=False)

    def catalogue(self, language):
        return os.path.join(self.root, "translations", f"harwick_{language}.ts")

    def translate(self, language, translations):
        sys.path.insert(0, os.path.dirname(SCRIPT))
        import translations as catalogues
        entries = catalogues.read_catalogue(self.catalogue(language))
        for source, translation in translations.items():
            entries[source] = {"translation": translation, "unfinished": False, "comment": ""}
        catalogues.write_catalogue(self.catalogue(language), language, catalogues.collect(self.root), entries)

    def assert_fails_naming(self, *words):
        checked = self.run_script("check")
        self.assertEqual(checked.returncode, 1, checked.stderr)
        for word in words:
            self.assertIn(word, checked.stderr)

    def test_finished_catalogues_pass_and_only_user_texts_are_entries(self):
        checked = self.run_script("check")
        self.assertEqual(checked.returncode, 0, checked.stderr)
        with open(self.catalogue("zh_CN"), encoding="utf-8") as f:
            text = f.read()
        self.assertIn("<source>two parts\n</source>", text)
        self.assertNotIn("CONF/182", text)

    def test_a_new_text_stops_the_build_until_it_is_translated(self):
        self.write_source(HEADER + 'inline constexpr harwick::UiText kNew = "Port missing";\n')
        self.assert_fails_naming("kNew", "not in the catalogue")
        self.run_script("update")
        self.assert_fails_naming("kNew", "not translated yet")
        self.translate("zh_CN", {"Port missing": "端口不存在"})
        self.assertEqual(self.run_script("check").returncode, 0)

    def test_a_text_no_longer_written_must_leave_the_catalogue(self):
        self.write_source(HEADER.replace("Hello %1", "Hi %1"))
        self.run_script("update")
        self.translate("zh_CN", {"Hi %1": "嗨 %1"})
        self.assertEqual(self.run_script("check").returncode, 0, "update drops what is no longer written")
        with open(self.catalogue("zh_CN"), encoding="utf-8") as f:
            text = f.read()
        stale = "<message><source>Hello %1</source><translation>你好 %1</translation></message>\n</context>"
        with open(self.catalogue("zh_CN"), "w", encoding="utf-8") as f:
            f.write(text.replace("</context>", stale))
        self.assert_fails_naming("no longer written", "Hello %1")

    def test_wrong_translations_are_refused(self):
        self.translate("zh_CN", {"Hello %1": "你好"})
        self.assert_fails_naming("kGreeting", "%1")
        self.translate("zh_CN", {"Hello %1": "Hello there %1"})
        self.assert_fails_naming("kGreeting", "holds no Chinese")
        self.translate("zh_CN", {"Hello %1": "你好 %1", "two parts\n": "两部分"})
        self.assert_fails_naming("kJoined", "line breaks")
        self.translate("zh_CN", {"two parts\n": "两部分\n"})
        self.translate("en", {"通讯结束!": "通讯 ended!"})
        self.assert_fails_naming("kChinese", "Chinese characters")


if __name__ == "__main__":
    unittest.main()
