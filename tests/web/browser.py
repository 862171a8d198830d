# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Headless Chromium driven through its DevTools protocol: a page, its
console, real key events and screenshots."""

import base64
import json
import os
import shutil
import subprocess
import tempfile
import time
import urllib.request

import websocket

# Key names as the DevTools protocol's Input.dispatchKeyEvent wants them:
# (key, code, Windows virtual key code).
KEYS = {
    'F1': ('F1', 'F1', 112), 'F2': ('F2', 'F2', 113), 'F5': ('F5', 'F5', 116),
    'F8': ('F8', 'F8', 119), 'F9': ('F9', 'F9', 120), 'F12': ('F12', 'F12', 123),
    'Escape': ('Escape', 'Escape', 27), 'Enter': ('Enter', 'Enter', 13),
    'Tab': ('Tab', 'Tab', 9), 'PageDown': ('PageDown', 'PageDown', 34),
}
for letter in 'abcdefghijklmnopqrstuvwxyz':
    KEYS[letter] = (letter, 'Key' + letter.upper(), ord(letter.upper()))

MODIFIERS = {'alt': 1, 'ctrl': 2, 'meta': 4, 'shift': 8}


class Browser:
    def __init__(self, width=1280, height=900):
        self.profile = tempfile.mkdtemp(prefix='oildrop-chromium-')
        port = 9300 + os.getpid() % 500
        self.process = subprocess.Popen(
            ['chromium', '--headless=new', '--no-sandbox', '--use-angle=swiftshader',
             '--enable-unsafe-swiftshader', '--disable-background-networking', '--disable-component-update',
             '--disable-sync', '--no-first-run', '--disable-quic', '--autoplay-policy=no-user-gesture-required',
             f'--window-size={width},{height}', f'--user-data-dir={self.profile}',
             f'--remote-debugging-port={port}', '--enable-logging=stderr', '--log-level=0', 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=open(os.environ.get('OILDROP_CHROMIUM_LOG', os.devnull), 'w'))
        targets = None
        for _ in range(100):
            try:
                with urllib.request.urlopen(f'http://127.0.0.1:{port}/json') as answer:
                    targets = json.load(answer)
                if any(t['type'] == 'page' for t in targets):
                    break
            except OSError:
                pass
            time.sleep(0.1)
        page = next(t for t in targets if t['type'] == 'page')
        self.socket = websocket.create_connection(page['webSocketDebuggerUrl'], timeout=120)
        self.next_id = 0
        self.console = []
        self.call('Runtime.enable')
        self.call('Page.enable')

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.terminate()
            self.process.wait(timeout=20)
            shutil.rmtree(self.profile, ignore_errors=True)

    def _note(self, message):
        if message.get('method') == 'Runtime.consoleAPICalled':
            self.console.append(' '.join(str(a.get('value', a.get('description', '')))
                                         for a in message['params']['args']))
        elif message.get('method') == 'Runtime.exceptionThrown':
            details = message['params']['exceptionDetails']
            where = ' < '.join(f['functionName'] for f in details.get('stackTrace', {}).get('callFrames', [])[:8])
            self.console.append(f"exception: {details.get('exception', {}).get('description', details.get('text'))}"
                                f' in {where}')

    def call(self, method, **params):
        self.next_id += 1
        ident = self.next_id
        self.socket.send(json.dumps({'id': ident, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == ident:
                if 'error' in message:
                    raise RuntimeError(f'{method}: {message["error"]}')
                return message.get('result', {})
            self._note(message)

    def evaluate(self, expression):
        result = self.call('Runtime.evaluate', expression=expression, returnByValue=True, awaitPromise=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    def wait_for(self, expression, seconds):
        """Waits until `expression` is true in the page; its value, or None."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.1)
        return None

    def open(self, url):
        self.call('Page.navigate', url=url)

    def reload(self):
        self.call('Page.reload', ignoreCache=False)

    def key(self, name, *modifiers):
        key, code, virtual = KEYS[name]
        mask = sum(MODIFIERS[m] for m in modifiers)
        text = key if len(key) == 1 and not (mask & (MODIFIERS['ctrl'] | MODIFIERS['alt'])) else ''
        down = dict(type='keyDown' if text else 'rawKeyDown', key=key, code=code, modifiers=mask,
                    windowsVirtualKeyCode=virtual, nativeVirtualKeyCode=virtual)
        if text:
            down['text'] = text
        self.call('Input.dispatchKeyEvent', **down)
        self.call('Input.dispatchKeyEvent', type='keyUp', key=key, code=code, modifiers=mask,
                  windowsVirtualKeyCode=virtual, nativeVirtualKeyCode=virtual)

    def click(self, x, y):
        for kind in ('mousePressed', 'mouseReleased'):
            self.call('Input.dispatchMouseEvent', type=kind, x=x, y=y, button='left', clickCount=1)

    def screenshot(self, path):
        data = self.call('Page.captureScreenshot', format='png')['data']
        with open(path, 'wb') as file:
            file.write(base64.b64decode(data))
