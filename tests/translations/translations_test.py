#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the Qt Linguist sources: lrelease finds each language complete, lupdate finds in
the code no text that a language lacks or no longer uses, and every translation keeps its
source's placeholders and access key, with no two access keys alike in one menu or dialog.

Usage: translations_test.py LRELEASE LUPDATE LUPDATE_LIST TS_FILE...
(LUPDATE_LIST names the game's sources and include folder, one a line, as lupdate reads them.)
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ET

LRELEASE = ""
LUPDATE = ""
LUPDATE_LIST = ""
TS_FILES = []
# A warning names a file and line of the code: a text lupdate could not read, or a comment
# for translators that reaches no text.
LUPDATE_WARNING = re.compile(r"\S+:\d+: ")

# %1..%99 and %n, with or without L, and the patterns an Open dialog filter matches.
PLACEHOLDER = re.compile(r"%L?(?:\d+|n)|\(\*\.[^)]*\)")
# A single & marks the next character; && is a literal ampersand.
ACCESS_KEY = re.compile(r"(?<!&)&(?!&)(.)")


def messages(root):
    """(context, disambiguation, source, [translated texts]) for every message."""
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [form.text or "" for form in translation.iter("numerusform")]
            yield (name, message.findtext("comment") or "", message.findtext("source"),
                   forms or [translation.text or ""])


def placeholder_faults(root):
    faults = []
    for context, _, source, texts in messages(root):
        wanted = sorted(PLACEHOLDER.findall(source))
        for text in texts:
            if sorted(PLACEHOLDER.findall(text)) != wanted:
                faults.append(f"{context}: {text!r} does not keep {wanted} of {source!r}")
    return faults


def access_key_faults(root):
    """A translation has one access key where its source has one. Menu items carry their
    menu as disambiguation; other texts share a window with their context's."""
    faults = []
    taken = {}
    for context, disambiguation, source, texts in messages(root):
        wanted = len(ACCESS_KEY.findall(source))
        for text in texts:
            keys = ACCESS_KEY.findall(text)
            if len(keys) != wanted:
                faults.append(f"{context}: {text!r} has {len(keys)} access keys, source {wanted}")
            for key in keys:
                group = disambiguation or context
                clash = taken.setdefault((group, key.casefold()), text)
                if clash != text:
                    faults.append(f"{group}: {text!r} and {clash!r} share the key {key!r}")
    return faults


def catalogue(root):
    """Each message as (context, disambiguation, source)."""
    return {(context, disambiguation, source)
            for context, disambiguation, source, _ in messages(root)}


def update_faults(kept, updated):
    """What lupdate changed when it brought a kept .ts up to the code: texts the code holds
    that the file lacks, texts the file holds that the code no longer has, and any message
    left unfinished."""
    faults = [f"{context}: {source!r} ({disambiguation or 'no disambiguation'}) is in the code "
              "but not translated" for context, disambiguation, source
              in sorted(catalogue(updated) - catalogue(kept))]
    faults += [f"{context}: {source!r} ({disambiguation or 'no disambiguation'}) is no longer "
               "in the code" for context, disambiguation, source
               in sorted(catalogue(kept) - catalogue(updated))]
    for context in updated.iter("context"):
        for message in context.iter("message"):
            state = message.find("translation").get("type")
            if state:
                faults.append(f"{context.findtext('name')}: {message.findtext('source')!r} is "
                              f"{state}")
    return faults


def updated_copies(ts_files):
    """lupdate's warnings and the .ts files as it brings copies of them up to the code, with
    the options update_translations gives it."""
    with tempfile.TemporaryDirectory() as folder:
        copies = [os.path.join(folder, os.path.basename(ts_file)) for ts_file in ts_files]
        for ts_file, copy in zip(ts_files, copies):
            shutil.copyfile(ts_file, copy)
        run = subprocess.run([LUPDATE, "-no-obsolete", "-locations", "none", "@" + LUPDATE_LIST,
                              "-ts", *copies], capture_output=True, text=True, check=True)
        warnings = [line for line in (run.stdout + run.stderr).splitlines()
                    if LUPDATE_WARNING.match(line)]
        return warnings, [ET.parse(copy).getroot() for copy in copies]


def release(ts_file):
    """lrelease's report of the file: the numbers it counted and any other line."""
    with tempfile.TemporaryDirectory() as folder:
        run = subprocess.run([LRELEASE, ts_file, "-qm", f"{folder}/out.qm"],
                             capture_output=True, text=True, check=True)
    return run.stdout + run.stderr


class Translations(unittest.TestCase):
    def test_every_language_is_complete(self):
        for ts_file in TS_FILES:
            with self.subTest(ts_file):
                root = ET.parse(ts_file).getroot()
                self.assertTrue(root.get("language"), "no language: plural forms need one")
                count = sum(1 for _ in root.iter("message"))
                self.assertGreater(count, 0)
                # Vanished and obsolete messages would not be counted as unfinished.
                self.assertEqual([m.get("type") for m in root.iter("translation")
                                  if m.get("type")], [])
                self.assertIn(f"Generated {count} translation(s) ({count} finished and 0 "
                              "unfinished)", release(ts_file))

    def test_every_text_of_the_code_is_translated(self):
        warnings, updated = updated_copies(TS_FILES)
        self.assertEqual(warnings, [])
        for ts_file, root in zip(TS_FILES, updated):
            with self.subTest(ts_file):
                self.assertEqual(update_faults(ET.parse(ts_file).getroot(), root), [])

    def test_translations_keep_placeholders(self):
        for ts_file in TS_FILES:
            with self.subTest(ts_file):
                self.assertEqual(placeholder_faults(ET.parse(ts_file).getroot()), [])

    def test_access_keys_are_kept_and_differ_within_a_menu(self):
        for ts_file in TS_FILES:
            with self.subTest(ts_file):
                self.assertEqual(access_key_faults(ET.parse(ts_file).getroot()), [])

    def test_the_checks_find_broken_translations(self):
        def ts(*messages):
            return ET.fromstring("<TS language='de'><context><name>W</name>" +
                                 "".join(messages) + "</context></TS>")

        def message(source, text, menu=""):
            return (f"<message><source>{source}</source><comment>{menu}</comment>"
                    f"<translation>{text}</translation></message>")
        cases = [
            (placeholder_faults, ts(message("Unable to open %1.", "Fehler."))),
            (placeholder_faults, ts("<message numerus='yes'><source>(%n moves)</source>"
                                    "<translation><numerusform>(%n Zug)</numerusform>"
                                    "<numerusform>(Züge)</numerusform></translation></message>")),
            (placeholder_faults, ts(message("Pictures (*.jpg) (*.jpg)", "Bilder (*.jpg)"))),
            (access_key_faults, ts(message("&amp;Open", "Öffnen"))),
            (access_key_faults, ts(message("&amp;Open", "&amp;Öffnen", "Game menu"),
                                   message("&amp;Exit", "B&amp;eenden", "Game menu"),
                                   message("&amp;Undo", "&amp;Entfernen", "Game menu"))),
        ]
        for check, root in cases:
            with self.subTest(ET.tostring(root, encoding="unicode")):
                self.assertNotEqual(check(root), [])
        # A text new in the code, one gone from it, and one lupdate left unfinished.
        kept = ts(message("&amp;Open", "Ö&amp;ffnen", "Game menu"), message("Open", "Öffnen"))
        self.assertEqual(update_faults(kept, kept), [])
        for updated in [ts(message("&amp;Open", "Ö&amp;ffnen", "Game menu"),
                           message("Open", "Öffnen"), message("Zebra", "")),
                        ts(message("&amp;Open", "Ö&amp;ffnen", "Game menu")),
                        ts(message("&amp;Open", "Ö&amp;ffnen", "Game menu"),
                           message("Open", "Öffnen").replace(
                               "<translation>", "<translation type='unfinished'>"))]:
            with self.subTest(ET.tostring(updated, encoding="unicode")):
                self.assertNotEqual(update_faults(kept, updated), [])
        # Two menus may use the same key, and && is no access key.
        self.assertEqual(access_key_faults(ts(message("&amp;Open", "Ö&amp;ffnen", "Game menu"),
                                              message("&amp;Full", "&amp;Foo", "View menu"),
                                              message("A &amp;&amp; B", "A &amp;&amp; B"))), [])


if __name__ == "__main__":
    LRELEASE, LUPDATE, LUPDATE_LIST, TS_FILES = (sys.argv[1], sys.argv[2], sys.argv[3],
                                                 sys.argv[4:])
    unittest.main(argv=sys.argv[:1])
