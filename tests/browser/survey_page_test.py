"""The survey page in a real browser: headless Chromium, driven through the
DevTools protocol, filters, sorts, opens and moves through the list of
contrasts of a small list, and the page reports no error; of a spelled lexicon
it prints a contrast's practice sheet and the whole page to PDF, read back with
pdftotext (poppler-utils).

Usage: survey_page_test.py MINPAIRS   (exits 77, skipped, without Chromium)
"""

import base64
import csv
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import devtools_pipe  # pylint: disable=wrong-import-position

MINPAIRS = None
CHROMIUM = devtools_pipe.find_chromium()
SKIPPED = 77

# t and tʃ are different symbols: a filter for t must not show tʃ's rows.
WORDS = """t ɑ d
d ɑ d
t ɑ t
tʃ ɑ d
ʃ ɑ d
k ɑ t
tʃ i n
t i n
d i n
d i n
s i n
k i n
"""

VISIBLE_ROWS = """Array.from(document.querySelectorAll('#contrast-list details'))
  .filter((row) => !row.hidden)
  .map((row) => Array.from(row.querySelector('summary').children, (cell) => cell.textContent))"""


def run(*arguments, folder):
    subprocess.run([MINPAIRS, "--quiet", "--dir", str(folder), *arguments], check=True,
                   stdout=subprocess.DEVNULL)


def read_rows(path):
    with open(path, encoding="utf-8", newline="") as table:
        return list(csv.reader(table, delimiter="\t", quoting=csv.QUOTE_NONE))[1:]


def read_table(output):
    """The contrasts' columns that the list shows: symbols, word pairs, words,
    then one-place pairs and ΔH types normalised from the functional loads."""
    loads = {(row[0], row[1]): [row[2], row[7]]
             for row in read_rows(output / "SurveyOfFunctionalLoad.tsv")}
    return [row[:3] + row[5:] + loads[(row[0], row[1])]
            for row in read_rows(output / "SurveyOfContrasts.tsv")]


class SurveyPageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder_holder = tempfile.TemporaryDirectory()
        cls.folder = pathlib.Path(cls.folder_holder.name)
        (cls.folder / "output").mkdir()
        (cls.folder / "in.txt").write_text(WORDS, encoding="utf-8")
        run("--survey", folder=cls.folder)
        cls.contrasts = read_table(cls.folder / "output")
        cls.url = (cls.folder / "output" / "SurveyOfMinimalPairs.html").as_uri()
        cls.browser = devtools_pipe.Browser(CHROMIUM)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.folder_holder.cleanup()

    def setUp(self):
        self.browser.events = []
        self.browser.open(self.url)

    def tearDown(self):
        self.assertEqual(self.browser.console_errors(), [])

    def rows(self):
        return [cells[1:] for cells in self.browser.evaluate(VISIBLE_ROWS)]

    def test_lists_the_table_ranked(self):
        self.assertGreater(len(self.contrasts), 5)
        self.assertEqual(self.rows(), self.contrasts)

    def test_filters_by_exact_symbol_and_minimum(self):
        self.browser.click("#symbol-filter")
        self.browser.type_text("t")
        with_t = [row for row in self.contrasts if "t" in row[:2]]
        self.assertTrue(any("tʃ" in row[:2] for row in self.contrasts))
        self.assertEqual(self.rows(), with_t)
        self.browser.click("#minimum-filter")
        self.browser.type_text("2")
        self.assertEqual(self.rows(), [row for row in with_t if int(row[2]) >= 2])
        self.assertEqual(self.browser.evaluate(
            "document.getElementById('contrasts-shown').textContent"),
            f"{len([row for row in with_t if int(row[2]) >= 2])} of {len(self.contrasts)} "
            "contrasts shown.")

    def test_sorts_by_a_column_both_ways(self):
        # Words with the second symbol: most first, then fewest first; ties
        # stay in the order of the table.
        self.browser.click(".contrast-head [data-column='5'] button")
        self.assertEqual(self.rows(), sorted(self.contrasts, key=lambda row: -int(row[4])))
        self.browser.click(".contrast-head [data-column='5'] button")
        self.assertEqual(self.rows(), sorted(self.contrasts, key=lambda row: int(row[4])))
        self.assertEqual(self.browser.evaluate(
            "document.querySelector('[aria-sort]').getAttribute('aria-sort')"), "ascending")

    def test_sorts_by_the_one_place_pairs_and_the_entropy(self):
        self.browser.click(".contrast-head [data-column='7'] button")
        self.assertEqual(self.rows(), sorted(self.contrasts, key=lambda row: -int(row[6])))
        self.assertTrue(any(row[6] != row[2] for row in self.contrasts))
        self.browser.click(".contrast-head [data-column='8'] button")
        self.assertEqual(self.rows(), sorted(self.contrasts, key=lambda row: -float(row[7])))

    def test_a_row_opens_to_the_word_pairs_of_both_searches(self):
        run("t", "d", folder=self.folder)
        run("d", "t", folder=self.folder)
        expected = set()
        for first, second in (("t", "d"), ("d", "t")):
            with open(self.folder / "output" / f"VendrelFor{first}And{second}.txt",
                      encoding="utf-8") as pairs:
                expected |= {frozenset(line.rstrip("\r\n").split("\t")) for line in pairs}
        row_id = self.browser.evaluate(
            "Array.from(document.querySelectorAll('#contrast-list details')).find((row) =>"
            " ['d t', 't d'].includes(Array.from(row.querySelector('summary').children)"
            ".slice(1, 3).map((cell) => cell.textContent).join(' '))).id")
        self.browser.click(f"#{row_id} summary")
        self.assertTrue(self.browser.wait_until(f"!!document.querySelector('#{row_id} tbody')"))
        shown = self.browser.evaluate(
            f"Array.from(document.querySelectorAll('#{row_id}[open] tbody tr'),"
            " (row) => Array.from(row.cells, (cell) => cell.textContent))")
        self.assertEqual({frozenset(row[:2]) for row in shown}, expected)
        self.assertEqual(len(shown), len(expected))
        # Each pair with its frame and the position of the places where it differs.
        self.assertIn(["t ɑ t", "d ɑ d", "_ ɑ _", "initial+final"],
                      [row if row[0].startswith("t") else [row[1], row[0], *row[2:]]
                       for row in shown])

    def test_moves_through_the_list_with_the_keyboard(self):
        self.browser.click("#symbol-filter")
        self.browser.type_text("d")
        focused = ("Array.from(document.querySelector('summary:focus').children,"
                   " (cell) => cell.textContent).slice(1)")
        self.browser.evaluate("document.querySelector('#contrast-list details:not([hidden])"
                              " summary').focus()")
        rows = self.rows()
        self.browser.press("ArrowDown", "ArrowDown", 40)
        self.assertEqual(self.browser.evaluate(focused), rows[1])
        self.browser.press("End", "End", 35)
        self.assertEqual(self.browser.evaluate(focused), rows[-1])
        self.browser.press("ArrowUp", "ArrowUp", 38)
        self.assertEqual(self.browser.evaluate(focused), rows[-2])
        self.browser.press("Enter", "Enter", 13, "\r")
        self.assertTrue(self.browser.evaluate("document.querySelector('summary:focus')"
                                              ".parentElement.open"))

    def test_a_grid_cell_opens_its_row(self):
        self.browser.click(".map td a")
        self.assertTrue(self.browser.wait_until(
            "location.hash !== '' && document.getElementById(location.hash.slice(1)).open"))

    def test_without_script_the_list_is_complete_and_opens(self):
        self.browser.send("Emulation.setScriptExecutionDisabled", {"value": True})
        try:
            self.browser.open(self.url)
            self.browser.click("#contrast-list details summary")
            self.browser.send("Emulation.setScriptExecutionDisabled", {"value": False})
            self.assertEqual(self.rows(), self.contrasts)
            self.assertTrue(self.browser.evaluate(
                "document.getElementById('contrast-filters').hidden"))
            self.assertTrue(self.browser.evaluate(
                "document.querySelector('#contrast-list details').open"))
            # Its pairs are lines of text, all of them there.
            self.assertTrue(self.browser.evaluate(
                "document.querySelector('#contrast-list details pre.pairs').offsetHeight > 0"))
        finally:
            self.browser.send("Emulation.setScriptExecutionDisabled", {"value": False})


# s and ʃ: 30 word-initial pairs whose rarer words' frequencies are not in the
# order of the list, then two medial pairs; k and t: 12 initial pairs.
VOWELS = "a e i o u".split()
CODAS = "p m n l f v".split()
INITIAL_S = [(f"s{v}{c}", f"s {v} {c}", f"sh{v}{c}", f"ʃ {v} {c}", (7 * n) % 30 * 10 + 5)
             for n, (v, c) in enumerate((v, c) for v in VOWELS for c in CODAS)]
MEDIAL_S = [("asa", "a s a", "asha", "a ʃ a", 1000), ("osa", "o s a", "osha", "o ʃ a", 900)]
INITIAL_K = [(f"k{v}{c}", f"k {v} {c}", f"t{v}{c}", f"t {v} {c}", 100 + n)
             for n, (v, c) in enumerate((v, c) for v in VOWELS[:2] for c in CODAS)]


def lexicon():
    lines = ["spelling\ttranscription\tfrequency"]
    for one, one_sounds, other, other_sounds, rarer in INITIAL_S + MEDIAL_S + INITIAL_K:
        lines += [f"{one}\t{one_sounds}\t{rarer}", f"{other}\t{other_sounds}\t{rarer + 1}"]
    return "\n".join(lines) + "\n"


def pdf_text(pdf):
    """The text of a PDF, in the order drawn, and its number of pages."""
    text = subprocess.run(["pdftotext", "-raw", "-", "-"], input=pdf, check=True,
                          capture_output=True).stdout.decode()
    return text, text.count("\f")


def card_lines(pairs):
    """A sheet's lines for the cards of `pairs`, by the rarer word's frequency."""
    ordered = sorted(pairs, key=lambda pair: -pair[4])
    return [line for pair in ordered for line in pair[:4]]


@unittest.skipIf(shutil.which("pdftotext") is None, "no pdftotext (install poppler-utils)")
class PracticeSheetTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder_holder = tempfile.TemporaryDirectory()
        folder = pathlib.Path(cls.folder_holder.name)
        (folder / "output").mkdir()
        (folder / "lexicon.tsv").write_text(lexicon(), encoding="utf-8")
        run("--survey", "--input", str(folder / "lexicon.tsv"), "--format", "tsv",
            folder=folder)
        cls.url = (folder / "output" / "SurveyOfMinimalPairs.html").as_uri()
        cls.browser = devtools_pipe.Browser(CHROMIUM)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()
        cls.folder_holder.cleanup()

    def setUp(self):
        self.browser.events = []
        self.browser.open(self.url)
        # The browser's print dialog is not there to drive: Page.printToPDF
        # stands in for it, after the page has asked for it.
        self.browser.evaluate("window.print = () => { window.printed = (window.printed || 0) + 1; }")

    def tearDown(self):
        self.assertEqual(self.browser.console_errors(), [])

    def print_to_pdf(self):
        return base64.b64decode(self.browser.send("Page.printToPDF", {})["data"])

    def open_row(self, first, second):
        row_id = self.browser.evaluate(
            "Array.from(document.querySelectorAll('#contrast-list details')).find((row) =>"
            " Array.from(row.querySelector('summary').children).slice(1, 3)"
            f".map((cell) => cell.textContent).join(' ') === '{first} {second}').id")
        self.browser.click(f"#{row_id} summary")
        self.assertTrue(self.browser.wait_until(f"!!document.querySelector('#{row_id} tbody')"))
        return row_id

    def shown_in(self, row_id):
        return self.browser.evaluate(f"document.querySelector('#{row_id} output').textContent")

    def print_sheet(self, row_id):
        self.browser.click(f"#{row_id} .pair-tools button")
        self.assertEqual(self.browser.evaluate("window.printed"), 1)
        return pdf_text(self.print_to_pdf())

    def test_a_rows_sheet_prints_its_filtered_pairs_by_frequency(self):
        self.browser.evaluate("const box = document.getElementById('position-filter');"
                              " box.value = 'initial'; box.dispatchEvent(new Event('input'))")
        row_id = self.open_row("s", "ʃ")
        self.assertEqual(self.shown_in(row_id), "30 of 32 shown")
        text, pages = self.print_sheet(row_id)
        # The title and the cards, nothing else: no form, no command, no grid.
        self.assertEqual(text.split("\n")[0], "s – ʃ (initial)")
        self.assertEqual([line for line in text.replace("\f", "\n").split("\n")[1:] if line],
                         card_lines(INITIAL_S))
        self.assertEqual(pages, 3)

    def test_twelve_cards_fill_one_page(self):
        row_id = self.open_row("k", "t")
        self.assertEqual(self.shown_in(row_id), "12 of 12 shown")
        text, pages = self.print_sheet(row_id)
        self.assertEqual(text.split("\n")[0], "k – t")
        self.assertEqual([line for line in text.replace("\f", "\n").split("\n")[1:] if line],
                         card_lines(INITIAL_K))
        self.assertEqual(pages, 1)

    def test_filters_hide_pairs_of_the_open_rows(self):
        row_id = self.open_row("s", "ʃ")
        self.assertEqual(self.shown_in(row_id), "32 of 32 shown")
        self.browser.click("#frequency-filter")
        self.browser.type_text("250")
        common = len([pair for pair in INITIAL_S + MEDIAL_S if pair[4] >= 250])
        self.assertEqual(self.shown_in(row_id), f"{common} of 32 shown")
        self.browser.evaluate("document.getElementById('frequency-filter').value = ''")
        self.browser.click("#length-filter")
        self.browser.type_text("2")  # every word has three symbols
        self.assertEqual(self.shown_in(row_id), "0 of 32 shown")
        self.browser.press("Backspace", "Backspace", 8)
        self.browser.type_text("3")
        self.assertEqual(self.shown_in(row_id), "32 of 32 shown")

    def test_the_whole_page_prints_the_list_without_form_commands_or_grid(self):
        self.open_row("s", "ʃ")
        text, _ = pdf_text(self.print_to_pdf())
        self.assertIn("Contrasts by word pairs", text)
        self.assertIn("sap (s a p)", text)
        for left_out in ("At least", "Print practice sheet", "minpairs --", "Every ordered pair",
                         "Minimal pairs by first symbol"):
            self.assertNotIn(left_out, text)
        self.assertEqual(self.browser.evaluate("window.printed"), None)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    MINPAIRS = sys.argv.pop(1)
    if CHROMIUM is None:
        print("skipped: no Chromium on this system (install the chromium package)")
        sys.exit(SKIPPED)
    unittest.main()
