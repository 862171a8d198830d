# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The web edition in headless Chromium, as a student meets it: the page
loads, the laboratory is switched on by its key, a drop is started and held,
a timing is recorded; the page is reloaded, and the journal still has the
timing. Prints the start-up time and the held drop's beat; screenshots go to
the folder given (for the documentation)."""

import functools
import gzip
import http.server
import os
import socketserver
import statistics
import sys
import threading
import time

from browser import Browser

SITE = sys.argv[1]
PICTURES = sys.argv[2] if len(sys.argv) > 2 else None
MAX_TRANSFER = 8 * 1024 * 1024  # bytes, gzip
JOURNAL = "globalThis.oildropLoader.module().FS"


def fail(message, browser=None):
    print('FAIL:', message)
    if browser:
        print('\n'.join(browser.console[-40:]))
    sys.exit(1)


def shot(browser, name):
    if PICTURES:
        browser.screenshot(os.path.join(PICTURES, name))


def journal_text(browser):
    """The journal as the page keeps it (this tab's folder of the browser's storage)."""
    return browser.evaluate(
        "(() => { const fs = globalThis.oildropLoader.module().FS;"
        " for (const folder of fs.readdir('/storage')) {"
        "  const path = '/storage/' + folder + '/oildrop/journal.json';"
        "  try { return fs.readFile(path, { encoding: 'utf8' }); } catch (e) {} }"
        " return ''; })()")


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, '.wasm': 'application/wasm'}

    def log_message(self, *args):
        pass


def main():
    transfer = sum(len(gzip.compress(open(os.path.join(SITE, f), 'rb').read(), 9))
                   for f in ('index.html', 'qtloader.js', 'oildrop.js', 'oildrop.wasm'))
    print(f'transfer (gzip): {transfer / 1048576:.2f} MiB')
    if transfer > MAX_TRANSFER:
        fail(f'the page transfers {transfer} bytes, more than {MAX_TRANSFER}')

    server = socketserver.TCPServer(('127.0.0.1', 0), functools.partial(QuietHandler, directory=SITE))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f'http://127.0.0.1:{server.server_address[1]}/index.html?lang=ru'

    browser = Browser()
    try:
        browser.open(url)
        if not browser.wait_for('globalThis.oildropFirstFrame', 60):
            fail('the program did not paint its window', browser)
        print(f"start-up to the first frame: {browser.evaluate('globalThis.oildropFirstFrame') / 1000:.2f} s")
        if browser.evaluate('document.title') != 'Моделирование опыта Вельтрана':
            fail('the page is not in Russian', browser)
        time.sleep(1)
        shot(browser, 'web-main.png')

        # The laboratory, by its key; who measures is answered with nothing.
        browser.click(400, 400)
        browser.key('l', 'ctrl')
        if not browser.wait_for("globalThis.oildropActiveWindow === 'Кто измерял'", 10):
            fail('the laboratory did not ask who measures', browser)
        browser.key('Escape')
        time.sleep(0.5)
        browser.click(400, 400)
        if not browser.wait_for("globalThis.oildropActiveWindow === 'Моделирование опыта Вельтрана'", 10):
            fail('the main window did not take the keys back', browser)
        # A drop, held: it moves on the timer's beat.
        browser.key('F5')
        if not browser.wait_for('globalThis.oildropSteps > 20', 20):
            fail('no held drop moves', browser)
        # A fall timed with the stopwatch and recorded.
        browser.key('F8')
        time.sleep(2)
        browser.key('F8')
        time.sleep(0.5)
        browser.key('F12')
        time.sleep(1)
        shot(browser, 'web-laboratory.png')
        if '"bands"' not in journal_text(browser):
            fail('the timing is not in the journal', browser)
        # The beat of the held drop at slow-down 5: 100 steps in 5 s.
        time.sleep(6)
        times = browser.evaluate('globalThis.oildropStepTimes.slice(-101)')
        if len(times) == 101:
            per100 = (times[-1] - times[0]) / 1000
            gaps = [b - a for a, b in zip(times, times[1:])]
            print(f'held drop: {per100:.3f} s per 100 steps (gap median {statistics.median(gaps):.1f} ms)')
            if abs(per100 - 5.0) > 0.1:
                fail(f'the held drop takes {per100:.3f} s per 100 steps, not 5.000 ± 2 %', browser)
        saved = journal_text(browser)

        # Reloaded: the journal comes back from the browser's storage.
        browser.reload()
        time.sleep(0.5)
        if not browser.wait_for('globalThis.oildropFirstFrame', 60):
            fail('the program did not start again', browser)
        time.sleep(1)
        if journal_text(browser) != saved:
            fail('the journal did not come back after the reload', browser)
        browser.click(400, 400)
        browser.key('l', 'ctrl')
        if browser.wait_for("globalThis.oildropActiveWindow === 'Кто измерял'", 5):
            browser.key('Escape')
            browser.wait_for("globalThis.oildropActiveWindow !== 'Кто измерял'", 5)
        browser.click(400, 400)
        browser.wait_for("globalThis.oildropActiveWindow === 'Моделирование опыта Вельтрана'", 5)
        browser.key('j', 'ctrl')
        if not browser.wait_for("globalThis.oildropActiveWindow.startsWith('Лабораторный журнал')", 10):
            browser.screenshot("/tmp/nojournal.png"); fail("no journal window: " + str(browser.evaluate("globalThis.oildropActiveWindows")), browser)
        time.sleep(2)
        shot(browser, 'web-journal.png')
        print('journal kept over a reload')
        errors = [line for line in browser.console if line.startswith('exception')]
        if errors:
            fail('exceptions in the page: ' + errors[0], browser)
    finally:
        browser.close()
        server.shutdown()
    print('web smoke test passed')


main()
