// What the browser's platform (src/platform/web_platform.cpp and
// browser_print_system.cpp) asks of the page, as C functions.
mergeInto(LibraryManager.library, {
  // fsync. The player's files live in memory and the page writes them to
  // IndexedDB right after each change (web/glossamo_pre.js). Emscripten's
  // own fsync would wait for a whole IndexedDB write inside the call, which
  // needs the browser's loop: a closing page no longer runs it, so the
  // writes it closes with would stop half-way.
  fd_sync__sig: 'ii',
  fd_sync: function (fd) {
    return 0;
  },

  // Shows the browser's file chooser and waits for the player's choice. The
  // chosen file is copied into the program's file system under /tmp; its
  // path (malloc'ed, UTF-8), or null when the player cancelled.
  glossamo_choose_file: function (accept) {
    return Asyncify.handleAsync(async () => {
      const file = await new Promise((resolve) => {
        const input = document.createElement('input');
        input.type = 'file';
        input.accept = UTF8ToString(accept);
        input.style.display = 'none';
        document.body.appendChild(input);
        let done = false;
        const finish = (chosen) => {
          if (done) return;
          done = true;
          input.remove();
          resolve(chosen);
        };
        input.addEventListener('change', () => finish(input.files && input.files[0] ? input.files[0] : null));
        input.addEventListener('cancel', () => finish(null));
        input.click();
      });
      if (!file) return 0;
      const bytes = new Uint8Array(await file.arrayBuffer());
      FS.mkdirTree('/tmp/choisis');
      // The name as the player sees it, its folder separators made harmless.
      const path = '/tmp/choisis/' + file.name.replace(/[\/\\]/g, '_');
      FS.writeFile(path, bytes);
      const size = lengthBytesUTF8(path) + 1;
      const out = _malloc(size);
      stringToUTF8(path, out, size);
      return out;
    });
  },

  // A short tone: a page has no system bell.
  glossamo_beep: function () {
    try {
      const context = Module.glossamoBell || (Module.glossamoBell = new AudioContext());
      const tone = context.createOscillator();
      const gain = context.createGain();
      tone.frequency.value = 880;
      gain.gain.value = 0.08;
      tone.connect(gain);
      gain.connect(context.destination);
      tone.start();
      tone.stop(context.currentTime + 0.12);
    } catch (e) {
    }
  },

  glossamo_copy: function (text) {
    if (!navigator.clipboard) return 0;
    navigator.clipboard.writeText(UTF8ToString(text)).catch(() => {});
    return 1;
  },

  glossamo_full_screen: function (full) {
    try {
      if (full && !document.fullscreenElement) document.documentElement.requestFullscreen().catch(() => {});
      if (!full && document.fullscreenElement) document.exitFullscreen().catch(() => {});
    } catch (e) {
    }
  },

  // The page writes the player's folder to the browser's storage, then
  // tells the player that the program has closed. (Its dependencies are
  // SDL's audio's: sound starts at the first click or key, as browsers
  // require.)
  glossamo_closed__deps: ['$autoResumeAudioContext', '$dynCall'],
  glossamo_closed: function () {
    if (Module.glossamoClosed) Module.glossamoClosed();
  },

  // Offers `size` bytes of PDF at `data` as the download `name` (UTF-8).
  glossamo_offer_pdf: function (name, data, size) {
    try {
      const bytes = HEAPU8.slice(data, data + size);
      const url = URL.createObjectURL(new Blob([bytes], {type: 'application/pdf'}));
      const link = document.createElement('a');
      link.href = url;
      link.download = UTF8ToString(name);
      document.body.appendChild(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(url), 60000);
      Module.glossamoPdfOffered = (Module.glossamoPdfOffered || 0) + 1;
      return 1;
    } catch (e) {
      console.error('glossamo: the PDF could not be offered', e);
      return 0;
    }
  },
});
