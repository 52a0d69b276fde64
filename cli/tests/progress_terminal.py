#!/usr/bin/env python3
"""Runs the real minpairs with standard error on a pseudo-terminal, where the
"Completed ..." texts rewrite one line, and on a pipe, where every status text
is a line of its own; compares the bytes with what each should get.
Usage: progress_terminal.py MINPAIRS"""
import os
import pty
import subprocess
import sys
import tempfile

STATUSES = ["Reading input file ...",
            "Making lists of words that have the relevant phonemes ...",
            "Begun search for minimal pairs ..."]
PROGRESS = ["Completed  100 /  250 words containing  K .",
            "Completed  200 /  250 words containing  K ."]
DONE = "Done!  Click again to exit."


def run(minpairs, folder, stderr):
    return subprocess.Popen([minpairs, "--dir", folder, "K", "G"], stdout=subprocess.PIPE,
                            stderr=stderr)


def on_terminal(minpairs, folder):
    """What the terminal receives; it ends lines in CR LF as terminals do."""
    controller, terminal = pty.openpty()
    process = run(minpairs, folder, terminal)
    os.close(terminal)
    received = b""
    while True:
        try:
            chunk = os.read(controller, 4096)
        except OSError:  # the terminal is closed once the program has ended
            break
        if not chunk:
            break
        received += chunk
    process.communicate()
    os.close(controller)
    return process.returncode, received.decode()


def on_pipe(minpairs, folder):
    process = run(minpairs, folder, subprocess.PIPE)
    _, err = process.communicate()
    return process.returncode, err.decode()


def main():
    minpairs = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        os.mkdir(os.path.join(folder, "output"))
        with open(os.path.join(folder, "in.txt"), "w", encoding="utf-8") as words:
            words.write("".join(f"K A{n}\n" for n in range(250)) + "G A7\n")
        failures = 0
        last = PROGRESS[-1]
        expected_terminal = ("".join(s + "\r\n" for s in STATUSES) +
                             "".join("\r" + p for p in PROGRESS) +
                             "\r" + " " * len(last) + "\r" + DONE + "\r\n")
        expected_pipe = "".join(s + "\n" for s in STATUSES + PROGRESS + [DONE])
        for name, (status, received), expected in (
                ("terminal", on_terminal(minpairs, folder), expected_terminal),
                ("pipe", on_pipe(minpairs, folder), expected_pipe)):
            if status != 0 or received != expected:
                print(f"FAIL on a {name}: status {status}\n got      {received!r}\n"
                      f" expected {expected!r}")
                failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
