// The site's worker: the page, its manifest and its icons, this build's
// (SITE_FILES, hashed into SITE_VERSION above), kept in a cache of their own
// so that the game starts with no network, from the cache at every visit,
// as fast as from disk. The browser fetches this file afresh at each visit:
// a new build is a new worker, which keeps the new files in a new cache
// while the old page plays on, takes over at once and deletes the old
// cache, so the new page shows at the next visit; the site is never more
// than one visit behind, and its files are always of one build.
const CACHE = `trelmo-${SITE_VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(SITE_FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('trelmo-') && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The site's own files from the cache (the page for any visit to the
// site's folder); anything else, and a file the cache has lost, from the
// network.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET') return;
  const scope = new URL(self.registration.scope);
  const url = new URL(request.url);
  if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return;
  const name = url.pathname.slice(scope.pathname.length);
  const file = request.mode === 'navigate' && (name === '' || name === 'index.html') ? 'index.html' : name;
  if (!SITE_FILES.includes(file)) return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(file))
    .then((kept) => kept || fetch(request)));
});
