#!/usr/bin/env python3
"""Times headless Chromium opening a page: from the navigation to the load
event, the median of a few loads in one browser, the first load apart.

Usage: bench/page_open.py PAGE [LOADS]
"""

import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "browser"))
import devtools_pipe  # pylint: disable=wrong-import-position


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    url = pathlib.Path(sys.argv[1]).resolve().as_uri()
    loads = int(sys.argv[2]) if len(sys.argv) == 3 else 5
    chromium = devtools_pipe.find_chromium()
    if chromium is None:
        print("no Chromium: the page's opening is not timed")
        return
    with devtools_pipe.Browser(chromium, timeout=120) as browser:
        first = browser.open(url)
        times = [browser.open(url) for _ in range(loads)]
        errors = browser.console_errors()
    print(f"opened by Chromium in {statistics.median(times):.2f} s (median of {loads}; "
          f"first load {first:.2f} s){'' if not errors else '; ERRORS: ' + '; '.join(errors)}")


if __name__ == "__main__":
    main()
