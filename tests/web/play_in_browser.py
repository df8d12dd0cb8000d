#!/usr/bin/env python3
"""Plays the browser build in Debian's Chromium, headless, as a player would.

Serves build-web/ on the loopback address and waits for the title. Imports
a word list through the browser's file chooser and finds it, accents and
all, after a reload. Wins a hangman from the keyboard (an E typed as é).
Starts a Motuce with the mouse, saves it and gives it up. Opens a grid by
touch, drags a letter with the finger and prints the grid (a PDF download).
Reloads the page without quitting and finds the profile, the score and
the save again.
Checks that a second tab does not take the player's folder, and leaves by
the quick exit, whose game the next visit resumes. Prints the first-visit
figures and the cost of a browser step. Screenshots go to the shots folder.

Usage: play_in_browser.py BUILD_WEB_DIR SHOTS_DIR
"""
import functools
import http.server
import json
import os
import shutil
import socketserver
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

SITE, SHOTS = sys.argv[1], sys.argv[2]
USER = '/home/web_user/.local/share/glossamo'
os.makedirs(SHOTS, exist_ok=True)


def fail(message):
    print('FAIL: ' + message)
    sys.exit(1)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, '.wasm': 'application/wasm'}

    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = socketserver.ThreadingTCPServer(('127.0.0.1', 0), handler)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, 'http://127.0.0.1:%d/' % server.server_address[1]


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox', '--disable-dev-shm-usage', '--window-size=1024,768',
                     '--enable-unsafe-swiftshader', '--use-angle=swiftshader', '--autoplay-policy=no-user-gesture-required',
                     '--user-data-dir=' + profile):
        options.add_argument(argument)
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.set_script_timeout(60)
    return driver


def wait_for(driver, script, what, timeout=60):
    end = time.time() + timeout
    while time.time() < end:
        value = driver.execute_script(script)
        if value:
            return value
        time.sleep(0.1)
    fail('waited %d s for %s; page says: %s' % (timeout, what, driver.execute_script(
        "const m = document.getElementById('message'); return m && !m.hidden ? m.innerText : ''")))


def started(driver):
    """Waits for the program's first picture; returns the page's figures."""
    wait_for(driver, 'return window.Module && Module.glossamoStarted && Module.glossamoWrites !== undefined',
             'the program to start')
    time.sleep(1.0)
    return driver.execute_script('''
        const entries = performance.getEntriesByType('resource').concat(performance.getEntriesByType('navigation'));
        return {started: Module.glossamoStartedAt,
                bytes: entries.reduce((sum, e) => sum + (e.transferSize || 0), 0),
                title: document.title};''')


class Player:
    def __init__(self, driver):
        self.driver = driver

    def point(self, x, y):
        width, height = self.driver.execute_script('return [innerWidth, innerHeight]')
        scale = min(width / 800, height / 600)
        return (width - 800 * scale) / 2 + (x + 0.5) * scale, (height - 600 * scale) / 2 + (y + 0.5) * scale

    def mouse(self, kind, x, y, **more):
        self.driver.execute_cdp_cmd('Input.dispatchMouseEvent', dict(type=kind, x=x, y=y, **more))

    def click(self, x, y, pause=0.8):
        px, py = self.point(x, y)
        self.mouse('mouseMoved', px, py)
        self.mouse('mousePressed', px, py, button='left', clickCount=1)
        time.sleep(0.05)
        self.mouse('mouseReleased', px, py, button='left', clickCount=1)
        time.sleep(pause)

    def tap(self, x, y, pause=0.8):
        px, py = self.point(x, y)
        self.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchStart', 'touchPoints': [{'x': px, 'y': py}]})
        time.sleep(0.05)
        self.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchEnd', 'touchPoints': []})
        time.sleep(pause)

    def touch_drag(self, start, end, steps=8):
        """Presses a finger at `start`, moves it to `end` and keeps it there."""
        (x0, y0), (x1, y1) = self.point(*start), self.point(*end)
        self.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchStart', 'touchPoints': [{'x': x0, 'y': y0}]})
        for i in range(1, steps + 1):
            time.sleep(0.05)
            point = {'x': x0 + (x1 - x0) * i / steps, 'y': y0 + (y1 - y0) * i / steps}
            self.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchMove', 'touchPoints': [point]})
        time.sleep(0.5)

    def touch_end(self, pause=0.8):
        self.driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchEnd', 'touchPoints': []})
        time.sleep(pause)

    def differs_around(self, before, after, x, y):
        """True when two screenshots differ in the square around a surface point."""
        px, py = self.point(x, y)
        crop = '40x40+%d+%d' % (px - 20, py - 20)
        result = subprocess.run(['compare', '-metric', 'AE', '(', before, '-crop', crop, ')', '(', after, '-crop',
                                 crop, ')', 'null:'], capture_output=True, text=True)
        return result.stderr.strip().split(' ')[0] not in ('0', '')

    def type(self, text, pause=0.15):
        for ch in text:
            self.driver.execute_cdp_cmd('Input.dispatchKeyEvent', {'type': 'keyDown', 'text': ch, 'key': ch})
            self.driver.execute_cdp_cmd('Input.dispatchKeyEvent', {'type': 'keyUp', 'key': ch})
            time.sleep(pause)

    def key(self, name, code, pause=0.6):
        event = {'key': name, 'code': name, 'windowsVirtualKeyCode': code}
        self.driver.execute_cdp_cmd('Input.dispatchKeyEvent', dict(type='rawKeyDown', **event))
        self.driver.execute_cdp_cmd('Input.dispatchKeyEvent', dict(type='keyUp', **event))
        time.sleep(pause)

    def shot(self, name):
        self.driver.save_screenshot(os.path.join(SHOTS, name + '.png'))

    def files(self, folder):
        return self.driver.execute_script(
            'try { return FS.readdir(arguments[0]).filter(n => n !== "." && n !== ".."); } catch (e) { return []; }',
            USER + '/' + folder)

    def read(self, path):
        return self.driver.execute_script(
            'try { return Array.from(FS.readFile(arguments[0])); } catch (e) { return null; }', USER + '/' + path)

    def hidden_word(self):
        """Saves the running game and reads its hidden word from the save."""
        for name in self.files('SAVE'):
            self.driver.execute_script('FS.unlink(arguments[0])', USER + '/SAVE/' + name)
        self.click(464, 564, 1.0)
        saves = [n for n in self.files('SAVE') if n.endswith('.sa1')]
        if not saves:
            fail('no saved game to read the word from')
        data = self.read('SAVE/' + saves[0])
        offset = 3108 + 101
        return bytes(data[offset + 1:offset + 1 + data[offset]]).decode('latin-1')

    def time_steps(self):
        """From now on, times each step the browser gives the program."""
        self.driver.execute_script('''
            window.glossamoSteps = [];
            window.glossamoStepsFrom = performance.now();
            const run = Browser.mainLoop.runIter;
            Browser.mainLoop.runIter = function (step) {
              const start = performance.now();
              run.call(this, step);
              glossamoSteps.push(performance.now() - start);
            };''')

    def step_times(self):
        """The median, 95th percentile and longest step in ms, and steps a second."""
        steps, elapsed = self.driver.execute_script(
            'return [glossamoSteps, performance.now() - glossamoStepsFrom]')
        steps.sort()
        return {'median ms': round(steps[len(steps) // 2], 2), 'p95 ms': round(steps[int(len(steps) * 0.95)], 2),
                'longest ms': round(steps[-1], 2), 'steps a second': round(1000 * len(steps) / elapsed, 1)}


def main():
    server, url = serve(SITE)
    profile = tempfile.mkdtemp(prefix='glossamo-chromium-')
    driver = browser(profile)
    figures = {}
    try:
        driver.get(url)
        first = started(driver)
        figures['first visit'] = first
        player = Player(driver)
        player.shot('web_title')
        if first['title'] != 'GLOSSAMO':
            fail('the page title is %r' % first['title'])

        player.click(400, 300, 1.0)                  # skip the title
        player.shot('web_families')

        # A teacher's list imported through the browser's file chooser.
        folder = tempfile.mkdtemp(prefix='glossamo-list-')
        list_file = os.path.join(folder, 'Dictée CE1.txt')
        with open(list_file, 'w', encoding='utf-8') as out:
            out.write('éléphant\ngirafe\nzèbre\nlion\ntigre\nchameau\nhibou\n')
        driver.execute_cdp_cmd('Page.setInterceptFileChooserDialog', {'enabled': True})
        player.click(513, 384)                       # MES LISTES
        player.click(300, 91, 1.5)                   # choose or import a list
        player.click(288, 394, 1.5)                  # import: the browser's file chooser
        choosers = driver.find_elements('css selector', 'input[type=file]')
        if not choosers:
            fail('the import opened no file chooser')
        choosers[0].send_keys(list_file)
        time.sleep(2.0)
        player.shot('web_list_read')
        player.click(294, 404, 1.5)                  # keep it
        shutil.rmtree(folder, ignore_errors=True)
        if 'DICTEE CE1.txt' not in player.files('LISTES'):
            fail('the imported list was not kept: %r' % player.files('LISTES'))
        driver.refresh()
        started(driver)
        kept = bytes(player.read('LISTES/DICTEE CE1.txt') or []).decode('latin-1').split()
        if 'éléphant' not in kept or 'zèbre' not in kept:
            fail('after a reload the list lost its words or their accents: %r' % kept)
        player.click(400, 300, 1.0)                  # skip the title
        # Hangman, won from the keyboard.
        player.click(70, 143)                        # LE PENDU
        player.click(300, 91, 1.5)                   # its first level
        word = player.hidden_word()
        if not word.isalpha():
            fail('unexpected hangman word %r' % word)
        player.time_steps()
        for letter in sorted(set(word)):
            player.type('é' if letter == 'E' else letter.lower())
            time.sleep(2.4)                          # the scan of the word shows each find in turn
        time.sleep(1)
        player.shot('web_hangman_won')
        figures['browser steps while the hangman is played'] = player.step_times()
        player.click(400, 300, 1.0)                  # leave the won game

        # Motuce, through the mouse: started, saved, given up.
        player.click(440, 143)                       # MOTUCE
        player.click(300, 91, 1.5)
        player.shot('web_motuce_playing')
        for name in player.files('SAVE'):
            driver.execute_script('FS.unlink(arguments[0])', USER + '/SAVE/' + name)
        player.click(464, 564, 1.0)                  # save
        saved = [n for n in player.files('SAVE') if n.endswith('.sa1')]
        if not saved:
            fail('the Motuce was not saved')
        player.click(760, 560, 1.0)                  # give up
        player.shot('web_motuce_given_up')
        player.key('Escape', 27)                     # leave the finished game

        # A grid printed: the browser is handed a PDF of the grid, without its answer.
        downloads = tempfile.mkdtemp(prefix='glossamo-downloads-')
        driver.execute_cdp_cmd('Browser.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': downloads})
        player.tap(70, 303)                          # MOTS CASES, by touch
        player.tap(400, 91, 2.0)                     # its first level
        player.shot('web_grid_tapped_open')
        # A letter dragged by the finger follows it across the grid.
        player.touch_drag((110, 472), (400, 300))
        player.shot('web_letter_dragged_by_touch')
        if not player.differs_around(os.path.join(SHOTS, 'web_grid_tapped_open.png'),
                                     os.path.join(SHOTS, 'web_letter_dragged_by_touch.png'), 400, 300):
            fail('the letter did not follow the finger')
        player.touch_end()
        player.click(344, 564, 3.0)                  # print
        pdfs = [n for n in os.listdir(downloads) if n.endswith('.pdf')]
        if not pdfs:
            fail('printing offered no PDF')
        text = subprocess.run(['pdftotext', os.path.join(downloads, pdfs[0]), '-'], capture_output=True,
                              text=True).stdout
        words = [line for line in text.split('\n') if len(line) >= 2 and line.isalpha() and line.isupper()]
        if 'MOTS CASES' not in text or len(words) < 10:
            fail('the printed page lacks its title or its words: %r' % text[:300])
        shutil.rmtree(downloads, ignore_errors=True)
        player.key('Escape', 27)                     # give the grid up
        player.key('Escape', 27)                     # and leave it

        # Reloaded without quitting: the profile, the score and the save are
        # still there.
        driver.refresh()
        figures['later visit'] = started(driver)
        profile_text = bytes(player.read('CFG/favoris.frd') or []).decode('latin-1')
        scores = profile_text.split('[SCORES]')[-1] if '[SCORES]' in profile_text else ''
        if 'PENDU' not in scores:
            fail('after a reload the hangman score is gone')
        if saved[0] not in player.files('SAVE'):
            fail('after a reload the saved Motuce is gone')
        player.click(400, 300, 1.0)
        player.click(349, 569, 1.5)                  # saved games
        player.shot('web_saved_games_after_reload')
        player.click(379, 200, 0.5)                  # the save
        player.click(663, 426, 1.5)                  # load it
        player.shot('web_motuce_loaded')

        # A second tab of the page leaves the player's folder to the first.
        first_tab = driver.current_window_handle
        driver.switch_to.new_window('tab')
        driver.get(url)
        wait_for(driver, "const m = document.getElementById('message');"
                 "return m && !m.hidden && m.innerText.includes('autre onglet')", 'the second tab to give way')
        player.shot('web_second_tab')
        driver.close()
        driver.switch_to.window(first_tab)

        # The quick exit: the game comes back at the next visit, once.
        player.click(754, 39, 2.0)
        wait_for(driver, "return document.getElementById('message').innerText.includes('prochaine visite')",
                 'the closed page after the quick exit')
        player.shot('web_closed')
        if 'Sortie rapide.sa1' not in player.files('SAVE'):
            fail('the quick exit saved nothing')
        driver.refresh()
        started(driver)
        time.sleep(1.0)
        player.shot('web_quick_exit_resumed')
        if 'Sortie rapide.sa1' in player.files('SAVE'):
            fail('the quick-exit game was not resumed')
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)
    print(json.dumps(figures, indent=1))
    print('PASS: played in Chromium; profile, score and save kept across a reload')


if __name__ == '__main__':
    main()
