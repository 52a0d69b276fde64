"""The survey page in a real browser: headless Chromium, driven through the
DevTools protocol, filters, sorts, opens and moves through the list of
contrasts of a small list, and the page reports no error.

Usage: survey_page_test.py MINPAIRS   (exits 77, skipped, without Chromium)
"""

import csv
import pathlib
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
        finally:
            self.browser.send("Emulation.setScriptExecutionDisabled", {"value": False})


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    MINPAIRS = sys.argv.pop(1)
    if CHROMIUM is None:
        print("skipped: no Chromium on this system (install the chromium package)")
        sys.exit(SKIPPED)
    unittest.main()
