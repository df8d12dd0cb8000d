// Runs in the page before the program starts. It keeps the player's folder
// (the home folder of the program's file system: profile, saves, quick exit,
// statistics, challenges, own pictures and lists) in the browser's IndexedDB:
// read back before the program starts, written back after every change. One
// tab at a time holds it: a second tab of the page says so and waits.

var PlayerHome = '/home/web_user';

// Resolves true once this tab holds the player's folder, false when another
// tab of the page holds it.
function holdPlayerFolder() {
  if (navigator.locks && navigator.locks.request) {
    return new Promise((resolve) => {
      navigator.locks.request('glossamo-player-folder', {ifAvailable: true}, (lock) => {
        resolve(lock !== null);
        // Held for as long as the tab lives.
        return lock ? new Promise(() => {}) : undefined;
      });
    });
  }
  // Without Web Locks (a page served outside a secure context): the tabs
  // answer one another's question on a broadcast channel.
  if (typeof BroadcastChannel === 'undefined') return Promise.resolve(true);
  const channel = new BroadcastChannel('glossamo-player-folder');
  return new Promise((resolve) => {
    let answered = false;
    channel.onmessage = (message) => {
      if (message.data === 'held') answered = true;
    };
    channel.postMessage('who');
    setTimeout(() => {
      if (answered) return resolve(false);
      channel.onmessage = (message) => {
        if (message.data === 'who') channel.postMessage('held');
      };
      resolve(true);
    }, 400);
  });
}

// The files changed since their last write to IndexedDB: path -> true when
// written, false when removed.
var Unstored = new Map();
// Where a closing page leaves them: IndexedDB writes are asynchronous and a
// page that goes away may not see them finish; localStorage writes at once.
var UnstoredKey = 'glossamo-unstored';

function bytesToText(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
  return btoa(text);
}

// Puts back what a closing page left in localStorage, over what IndexedDB
// had; the writes are watched, so IndexedDB gets them next.
function takeBackUnstored() {
  const left = localStorage.getItem(UnstoredKey);
  if (!left) return;
  try {
    // (No destructuring: this emscripten's script minifier does not know it.)
    const files = JSON.parse(left);
    for (const path of Object.keys(files)) {
      const content = files[path];
      if (content === null) {
        try { FS.unlink(path); } catch (e) {}
        continue;
      }
      FS.mkdirTree(path.substring(0, path.lastIndexOf('/')));
      FS.writeFile(path, Uint8Array.from(atob(content), (c) => c.charCodeAt(0)));
    }
  } catch (e) {
    console.error('glossamo: what the last visit left could not be read back', e);
  }
  localStorage.removeItem(UnstoredKey);
}

// Leaves the files not yet in IndexedDB in localStorage.
function leaveUnstored() {
  if (Unstored.size === 0) return;
  const files = {};
  Unstored.forEach((written, path) => {
    if (!written) {
      files[path] = null;
      return;
    }
    try {
      if (FS.isFile(FS.stat(path).mode)) files[path] = bytesToText(FS.readFile(path));
    } catch (e) {
    }
  });
  try {
    localStorage.setItem(UnstoredKey, JSON.stringify(files));
  } catch (e) {
    console.error('glossamo: the last changes could not be kept', e);
  }
}

// Writes the folder back to IndexedDB after each change, one write at a
// time; a change made during a write is written by the next one.
function watchPlayerFolder() {
  let writing = false, again = false, scheduled = false;
  let waiting = [];  // called once the next write is done
  Module.glossamoWrites = 0;
  function persist(then) {
    if (then) waiting.push(then);
    if (writing) {
      again = true;
      return;
    }
    writing = true;
    const done = waiting;
    waiting = [];
    const written = new Map(Unstored);
    Unstored.clear();
    FS.syncfs(false, (error) => {
      writing = false;
      if (error) {
        console.error('glossamo: the player folder could not be stored', error);
        written.forEach((state, path) => {
          if (!Unstored.has(path)) Unstored.set(path, state);
        });
      } else {
        Module.glossamoWrites++;
      }
      done.forEach((call) => call());
      if (again) {
        again = false;
        persist();
      }
    });
  }
  Module.glossamoPersist = persist;
  function changed(path, written) {
    if (typeof path !== 'string' || !path.startsWith(PlayerHome)) return;
    Unstored.set(path, written);
    if (scheduled) return;
    scheduled = true;
    setTimeout(() => {
      scheduled = false;
      persist();
    }, 0);
  }
  function watch(name, after) {
    const original = FS[name];
    FS[name] = function () {
      const result = original.apply(this, arguments);
      after.apply(null, arguments);
      return result;
    };
  }
  watch('write', (stream) => changed(stream && stream.path, true));
  watch('open', (path, flags) => {
    if (typeof flags === 'number' && (flags & 3)) changed(path, true);
  });
  watch('unlink', (path) => changed(path, false));
  watch('rmdir', (path) => changed(path, false));
  watch('rename', (from, to) => {
    changed(from, false);
    changed(to, true);
  });
  takeBackUnstored();
  // A tab closed or reloaded: the program closes as when its window closes
  // (the game under way is kept for the next visit, the profile written),
  // and what IndexedDB may not get in time is left in localStorage.
  addEventListener('pagehide', () => {
    if (Module.glossamoRunning) {
      Module.glossamoRunning = false;
      Module._glossamo_page_closing();
    }
    leaveUnstored();
    persist();
  });
  // A page kept by the browser's back-forward cache held a closed program.
  addEventListener('pageshow', (event) => {
    if (event.persisted) location.reload();
  });
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') persist();
  });
}

Module.preRun = Module.preRun || [];
Module.preRun.push(() => {
  // WebGL shows the picture: a software picture would be converted in script.
  ENV.SDL_RENDER_DRIVER = 'opengles2';
  addRunDependency('glossamo-player-folder');
  holdPlayerFolder().then((held) => {
    if (!held) {
      if (Module.glossamoAlreadyOpen) Module.glossamoAlreadyOpen();
      return;
    }
    FS.mount(IDBFS, {}, PlayerHome);
    FS.syncfs(true, (error) => {
      if (error) console.error('glossamo: the player folder could not be read', error);
      watchPlayerFolder();
      removeRunDependency('glossamo-player-folder');
    });
  });
});
