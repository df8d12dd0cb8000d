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
    FS.syncfs(false, (error) => {
      writing = false;
      if (error) console.error('glossamo: the player folder could not be stored', error);
      else Module.glossamoWrites++;
      done.forEach((call) => call());
      if (again) {
        again = false;
        persist();
      }
    });
  }
  Module.glossamoPersist = persist;
  function changed(path) {
    if (typeof path !== 'string' || !path.startsWith(PlayerHome) || scheduled) return;
    scheduled = true;
    setTimeout(() => {
      scheduled = false;
      persist();
    }, 0);
  }
  function watch(name, pathOf) {
    const original = FS[name];
    FS[name] = function () {
      const result = original.apply(this, arguments);
      changed(pathOf.apply(null, arguments));
      return result;
    };
  }
  watch('write', (stream) => stream && stream.path);
  watch('open', (path, flags) => (typeof path === 'string' && typeof flags === 'number' && (flags & 3)) ? path : null);
  watch('unlink', (path) => path);
  watch('rename', (from, to) => to);
  watch('rmdir', (path) => path);
  watch('mkdir', (path) => path);
  addEventListener('pagehide', () => persist());
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
